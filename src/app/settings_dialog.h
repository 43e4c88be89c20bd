#pragma once
// TForm4 "Редактировать установки": edits the settings of the selected
// create-list row. "OK" writes them back, "Отмена" and the close box leave
// the row; however the dialog closes, the main window reloads the row.
#include <QDialog>
#include <memory>

#include "core/create_job.h"

namespace Ui { class TForm4; }
class TForm1;

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm4(TForm1& main);
  ~TForm4() override;

  // Shows the row's settings in the controls (a colour not given shows white).
  void Load(const CreateJob& row);

  void BitBtn1Click();  // "OK": the row takes the settings; a box without a number is named and the dialog stays
  void BitBtn2Click();  // "Отмена"

 protected:
  void showEvent(QShowEvent* event) override;  // FormShow
  void hideEvent(QHideEvent* event) override;  // FormHide

 private:
  std::unique_ptr<Ui::TForm4> ui_;
  TForm1& main_;
};
