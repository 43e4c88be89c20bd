#include "app/page_question.h"

#include <QCheckBox>
#include <QFileInfo>

#include "app/desktop.h"
#include "app/main_window.h"
#include "core/errors.h"
#include "djvused/script_dialect.h"
#include "ui_page_question.h"

TForm3::TForm3(TForm1& main) : ui_(std::make_unique<Ui::TForm3>()), main_(main) {
  ui_->setupUi(this);
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(size());
  connect(ui_->BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
  connect(ui_->BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
}

TForm3::~TForm3() = default;

int TForm3::Ask(int previous, int current, const PageQuestionContext& context) {
  context_ = context;
  main_.PreviousPageNumber = previous;
  main_.CurrentPageNumber = current;
  exec();
  return main_.CurrentPageNumber;
}

void TForm3::showEvent(QShowEvent* event) {
  ui_->Label1->setText(tr("Предыдущая страница - ") + QString::number(main_.PreviousPageNumber));
  ui_->Label2->setText(tr("Текущая страница - ") + QString::number(main_.CurrentPageNumber));
  ui_->Edit1->setText(QString::number(main_.CurrentPageNumber));
  // Where the entry stands, so the question can be answered.
  QString where;
  if (!context_.file.isEmpty()) {
    where = tr("%1, стр. %2").arg(QFileInfo(context_.file).fileName()).arg(context_.page);
    if (!context_.lineText.isEmpty()) where += QStringLiteral(": «%1»").arg(context_.lineText);
  }
  ui_->LabelWhere->setText(where);
  ui_->LabelWhere->setToolTip(context_.file);
  ui_->Edit1->setFocus();
  QDialog::showEvent(event);
}

void TForm3::BitBtn1Click() {
  int number = 0;
  try {
    number = dialect::ParseInt32(ui_->Edit1->text());
  } catch (const ConversionError& e) {
    main_.UserDesktop().Error(this, e.Message());  // the dialog stays open for a correction
    return;
  }
  main_.CurrentPageNumber = number;
  StopAskingIfChosen();
  accept();
}

void TForm3::BitBtn2Click() {
  StopAskingIfChosen();
  accept();
}

void TForm3::StopAskingIfChosen() {
  if (ui_->CheckBox1->isChecked()) main_.CheckBox10()->setChecked(false);
}
