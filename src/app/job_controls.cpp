#include "app/job_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "app/color_button.h"
#include "create/row_settings.h"

namespace {

QString Flag(const QCheckBox* box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

void LoadColor(ColorButton* button, const QString& text, JobControls::EmptyColor emptyColor) {
  if (!text.isEmpty()) {
    button->SetColor(HexRgbToColor(text));
  } else if (emptyColor == JobControls::EmptyColor::White) {
    button->SetColor(0xFFFFFF);
  }
}

}  // namespace

void JobControls::Store(CreateJob& row) const {
  row.FirstPage = Edit1->text();
  row.LastPage = Edit2->text();
  row.cm = RadioButton1->isChecked() ? Edit3->text() : QStringLiteral("-") + Edit3->text();
  row.tp = QString::number(ComboBox3->currentIndex());
  row.tpb = QString::number(ComboBox1->currentIndex());
  row.tps = QString::number(ComboBox2->currentIndex());
  row.col1 = ColorToHexRgb(JvColorButton1->Color());
  row.col2 = ColorToHexRgb(JvColorButton2->Color());
  row.bw = QString::number(Edit4->value());  // the text is empty until the box has been shown
  row.vis = Flag(CheckBox8);
  row.pods = Flag(CheckBox9);
  row.del2 = Flag(CheckBox11);
  row.ro = EditRomanOffset->text();
  row.fol = Flag(CheckBoxBookNumbers);
}

void JobControls::Load(const CreateJob& row, int rowNumber, EmptyColor emptyColor) const {
  const auto read = [&](QString CreateJob::*field) { return ReadRowField(row, rowNumber, field); };
  Edit1->setText(row.FirstPage);
  Edit2->setText(row.LastPage);
  ShowOffset(read(&CreateJob::cm));  // "-0" reads as 0, shown with "Плюс"
  ComboBox3->setCurrentIndex(read(&CreateJob::tp));
  ComboBox1->setCurrentIndex(read(&CreateJob::tpb));
  ComboBox2->setCurrentIndex(read(&CreateJob::tps));
  LoadColor(JvColorButton1, row.col1, emptyColor);
  LoadColor(JvColorButton2, row.col2, emptyColor);
  Edit4->setValue(read(&CreateJob::bw));
  CheckBox8->setChecked(row.vis == QLatin1String("1"));
  CheckBox9->setChecked(row.pods == QLatin1String("1"));
  CheckBox11->setChecked(row.del2 == QLatin1String("1"));
  EditRomanOffset->setText(row.ro);
  CheckBoxBookNumbers->setChecked(row.fol == QLatin1String("1"));
}

void JobControls::ShowOffset(int offset) const {
  Edit3->setText(QString::number(offset < 0 ? -qint64(offset) : qint64(offset)));
  (offset < 0 ? RadioButton2 : RadioButton1)->setChecked(true);
}
