#include "app/log_window.h"

#include <QScrollBar>

#include "app/window_position.h"

#include "ui_log_window.h"

const QRect TForm2::kGeometry(239, 197, 337, 382);

TForm2::TForm2(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TForm2>()) {
  ui_->setupUi(this);
  setAttribute(Qt::WA_QuitOnClose, false);  // the main window alone ends the program
  move(kGeometry.topLeft());  // the outer corner, as the position is given
  resize(kGeometry.size());
}

TForm2::~TForm2() = default;

void TForm2::LogClear() {
  log_.LogClear();
  ShowText();
}

void TForm2::LogAddLine(const QString& text) {
  log_.LogAddLine(text);
  ShowText();
}

void TForm2::LogAppend(const QString& text) {
  log_.LogAppend(text);
  ShowText();
}

void TForm2::LogShow() {
  show();
  raise();
  activateWindow();
}

void TForm2::PlaceBeside(const QWidget& main) {
  if (placed_) return;
  placed_ = true;
  MoveBeside(*this, main);
}

void TForm2::ShowProgress(int number, int count) {
  setWindowTitle(count > 0 ? tr("Протокол — файл %1 из %2").arg(number).arg(count) : tr("Протокол"));
}

void TForm2::ShowText() {
  // The text keeps CR LF between lines; the box wants bare line feeds.
  QString shown = log_.Text();
  shown.replace(LogText::kLineBreak, QStringLiteral("\n"));
  ui_->Memo2->setPlainText(shown);
  ui_->Memo2->verticalScrollBar()->setValue(ui_->Memo2->verticalScrollBar()->maximum());
}
