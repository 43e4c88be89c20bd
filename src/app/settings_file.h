#pragma once
// Quillmark.ini: the ten check-box states kept between runs, in a small INI
// text that keeps its sections and keys in the order they were read or added
// (QSettings would sort them).
#include <QList>
#include <QString>

// One key of the settings file and the check box it belongs to, in the order
// the keys are read and written.
struct SettingKey {
  const char* section;
  const char* key;
  bool defaultChecked;
  const char* checkBox;  // objectName of the main window's check box
};
extern const SettingKey kSettingKeys[10];
// The keys of check boxes added after the described ones, read and written
// after the ten, in a section of their own.
extern const SettingKey kAddedSettingKeys[2];

// An INI text: "[Section]" lines open sections, "key=value" lines follow.
// Section and key names match without regard to case; other lines are kept
// as they are.
class IniFile {
 public:
  static const QString kFileName;  // "Quillmark.ini"

  // A missing or unreadable file reads as an empty one.
  static IniFile Read(const QString& path);
  static IniFile Parse(const QString& text);

  // The value, or a null string when the key is missing.
  QString Value(const QString& section, const QString& key) const;
  // Replaces the value, or adds the key at the end of its section (the
  // section at the end of the file when it is new).
  void SetValue(const QString& section, const QString& key, const QString& value);

  QString Text() const;
  // Replaces the file as a whole, so a failed write leaves the old one.
  // Throws IoError "Unable to write to <path>".
  void Write(const QString& path) const;

 private:
  struct Line {
    QString text;     // the line as read, for lines that are not keys
    QString key;      // empty for other lines
    QString value;
  };
  struct Section {
    QString name;     // empty for the lines before the first section
    QList<Line> lines;
  };
  Section* Find(const QString& name);
  const Section* Find(const QString& name) const;

  QList<Section> sections_;
};

// The number reading of a boolean key: leading blanks and one sign, then
// decimal digits, or hexadecimal ones after "$", "x", "X", "0x" or "0X";
// any non-zero 32-bit number is true; anything else gives the default.
bool ReadSettingBool(const QString& value, bool defaultValue);
