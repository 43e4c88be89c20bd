#pragma once
// TForm3 "Внимание": asks the user about a contents page number that is
// smaller than the one before it. "Да" takes the number typed, "Нет" keeps
// the recognised one, the close box changes nothing; with "Больше не
// показывать" checked either button unchecks the main window's "Спрашивать
// когда непонятно".
#include <QDialog>
#include <memory>

#include "core/front_end.h"

namespace Ui { class TForm3; }
class TForm1;

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm3(TForm1& main);
  ~TForm3() override;

  // Puts both numbers into the main window's fields, shows the dialog
  // modally (with the file, the page and the entry's line below the described
  // controls) and returns the main window's CurrentPageNumber afterwards.
  int Ask(int previous, int current, const PageQuestionContext& context = {});

  void BitBtn1Click();  // "Да"
  void BitBtn2Click();  // "Нет"

 protected:
  void showEvent(QShowEvent* event) override;  // FormShow

 private:
  void StopAskingIfChosen();

  std::unique_ptr<Ui::TForm3> ui_;
  PageQuestionContext context_;
  TForm1& main_;
};
