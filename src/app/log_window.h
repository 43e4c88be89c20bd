#pragma once
// TForm2 "Протокол": the log window. It owns the log text and shows it in a
// read-only, wrapping text box; closing the window only hides it.
#include <QWidget>
#include <memory>

#include "core/log_text.h"

namespace Ui { class TForm2; }

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  static const QRect kGeometry;  // 239, 197, 337 by 382

  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;

  void LogClear();
  void LogAddLine(const QString& text);
  void LogAppend(const QString& text);
  // Shows the window and brings it to the front, without making it modal.
  void LogShow();
  // The first time, moves the window beside the main window (BesideRect on
  // the main window's screen); later the window stays where the user put it.
  void PlaceBeside(const QWidget& main);
  // The title: "Протокол", or "Протокол — файл N из M" while a batch runs.
  void ShowProgress(int number, int count);

  const LogText& Log() const { return log_; }

 private:
  void ShowText();

  std::unique_ptr<Ui::TForm2> ui_;
  LogText log_;
  bool placed_ = false;
};
