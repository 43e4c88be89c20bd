#include "app/settings_file.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "core/errors.h"

const SettingKey kSettingKeys[10] = {
    {"Create", "Close", false, "CheckBox5"},  {"Create", "Clear", false, "CheckBox4"},
    {"Create", "Backup", true, "CheckBox6"},  {"Create", "Edit", false, "CheckBox7"},
    {"Create", "Answer", false, "CheckBox10"}, {"Create", "OCR", false, "CheckBox12"},
    {"Create", "Light", false, "CheckBox9"},  {"Edit", "Close", false, "CheckBox1"},
    {"Edit", "Clear", false, "CheckBox2"},    {"Edit", "Backup", true, "CheckBox3"},
};

const SettingKey kAddedSettingKeys[2] = {
    {"Quillmark", "Outline", false, "CheckBoxOutline"},
    {"Quillmark", "ReadImages", false, "CheckBoxReadImages"},
};

const QString IniFile::kFileName = QStringLiteral("Quillmark.ini");

IniFile IniFile::Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return IniFile();
  return Parse(QString::fromUtf8(file.readAll()));
}

IniFile IniFile::Parse(const QString& text) {
  IniFile ini;
  ini.sections_.append(Section());
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();
  for (QString raw : lines) {
    if (raw.endsWith(QLatin1Char('\r'))) raw.chop(1);
    const QString trimmed = raw.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
      ini.sections_.append(Section{trimmed.mid(1, trimmed.size() - 2).trimmed(), {}});
      continue;
    }
    const qsizetype equals = raw.indexOf(QLatin1Char('='));
    const QString key = equals < 0 ? QString() : raw.left(equals).trimmed();
    if (key.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) {
      ini.sections_.last().lines.append(Line{raw, {}, {}});
    } else {
      ini.sections_.last().lines.append(Line{{}, key, raw.mid(equals + 1).trimmed()});
    }
  }
  return ini;
}

IniFile::Section* IniFile::Find(const QString& name) {
  for (qsizetype i = 1; i < sections_.size(); ++i) {
    if (sections_[i].name.compare(name, Qt::CaseInsensitive) == 0) return &sections_[i];
  }
  return nullptr;
}

const IniFile::Section* IniFile::Find(const QString& name) const {
  return const_cast<IniFile*>(this)->Find(name);
}

QString IniFile::Value(const QString& section, const QString& key) const {
  if (const Section* s = Find(section)) {
    for (const Line& line : s->lines) {
      if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0) {
        return line.value.isNull() ? QStringLiteral("") : line.value;
      }
    }
  }
  return QString();
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
  if (sections_.isEmpty()) sections_.append(Section());
  Section* s = Find(section);
  if (!s) {
    sections_.append(Section{section, {}});
    s = &sections_.last();
  }
  for (Line& line : s->lines) {
    if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0) {
      line.value = value;
      return;
    }
  }
  // After the section's last key, before any blank lines that close it.
  qsizetype at = s->lines.size();
  while (at > 0 && s->lines[at - 1].key.isEmpty() && s->lines[at - 1].text.trimmed().isEmpty()) --at;
  s->lines.insert(at, Line{{}, key, value});
}

QString IniFile::Text() const {
  QString text;
  for (const Section& s : sections_) {
    if (!s.name.isEmpty()) text += QLatin1Char('[') + s.name + QStringLiteral("]\n");
    for (const Line& line : s.lines) {
      text += (line.key.isEmpty() ? line.text : line.key + QLatin1Char('=') + line.value) + QLatin1Char('\n');
    }
  }
  return text;
}

void IniFile::Write(const QString& path) const {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(Text().toUtf8()) < 0 || !file.commit()) {
    throw IoError(QStringLiteral("Unable to write to %1").arg(path));
  }
}

bool ReadSettingBool(const QString& value, bool defaultValue) {
  QString text = value;
  qsizetype i = 0;
  while (i < text.size() && text[i].isSpace()) ++i;
  text = text.mid(i);
  bool negative = false;
  if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
    negative = text.front() == QLatin1Char('-');
    text.remove(0, 1);
  }
  int base = 10;
  for (const char* prefix : {"0x", "0X", "$", "x", "X"}) {
    if (text.startsWith(QLatin1String(prefix))) {
      base = 16;
      text.remove(0, qsizetype(qstrlen(prefix)));
      break;
    }
  }
  // Digits only: toLongLong itself would take blanks, a sign or "0x" here.
  const QString digits = base == 16 ? QStringLiteral("0123456789abcdefABCDEF") : QStringLiteral("0123456789");
  if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [&](QChar c) { return digits.contains(c); })) {
    return defaultValue;
  }
  bool ok = false;
  const qlonglong number = text.toLongLong(&ok, base);
  if (!ok) return defaultValue;
  const qlonglong limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
  if (number > limit) return defaultValue;
  return number != 0;
}
