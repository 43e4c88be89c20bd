#include "djvused/work_copy.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>


#include "core/errors.h"
#include "djvused/copy_back.h"

namespace fs = std::filesystem;

namespace {

QString Canonical(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

fs::path NativePath(const QString& path) { return fs::path(QFile::encodeName(path).toStdString()); }

// A name from the index that stays inside the book's folder. A backslash is
// an ordinary character of a name here, not a separator.
bool SafeFileName(const QByteArray& name) {
#ifdef Q_OS_WIN
  if (name.contains('\\')) return false;
#endif
  return !name.isEmpty() && !name.contains('/') && name != "." && name != "..";
}

void RemoveAll(const QString& path) {
  std::error_code error;
  fs::remove_all(NativePath(path), error);
}

}  // namespace

BookState BookState::Of(const QString& path) {
  const bookfiles::FileRecord record = bookfiles::StatOf(path);
  BookState state;
  state.size = record.size;
  state.modifiedNs = record.size < 0 ? 0 : record.modifiedNs;
  return state;
}

bool WorkCopy::IsIndirect(const QString& bookPath, const QList<ComponentLine>& components) {
  if (components.size() < 2) return false;
  qint64 total = 0;
  for (const ComponentLine& component : components) total += component.size;
  return total == 0 || total > QFileInfo(bookPath).size();
}

QString WorkCopy::BaseOf(const QString& bookPath) {
  const QFileInfo book(Canonical(bookPath));
  const QString name = QStringLiteral(".%1.quillmark-save").arg(book.fileName());
  // Room for the marker's and a set-aside folder's suffixes too.
  if (QFileInfo(book.absolutePath()).isWritable() && bookfiles::NameFits(name + QStringLiteral(".commit.kept.99"))) {
    return QDir(book.absolutePath()).filePath(name);
  }
  const QByteArray id =
      QCryptographicHash::hash(QFile::encodeName(book.absoluteFilePath()), QCryptographicHash::Sha1).toHex().left(16);
  return QDir::temp().filePath(QStringLiteral("quillmark-%1.save").arg(QString::fromLatin1(id)));
}

WorkCopy::WorkCopy(const QString& bookPath, const QList<ComponentLine>& components)
    : book_(Canonical(bookPath)), base_(BaseOf(bookPath)), indirect_(IsIndirect(bookPath, components)) {
  const QDir bookFolder = QFileInfo(book_).absoluteDir();
  if (indirect_) {
    for (const ComponentLine& component : components) {
      if (!SafeFileName(component.fileName)) {
        throw InputError(QCoreApplication::translate("WorkCopy", "Индекс документа %1 называет файл вне его папки: %2")
                             .arg(book_, QFile::decodeName(component.fileName)));
      }
      if (files_.contains(component.fileName)) continue;
      const QString path = bookFolder.filePath(QFile::decodeName(component.fileName));
      // A bundled book cut short also lists more bytes than its file has.
      if (!QFileInfo::exists(path)) {
        throw InputError(NotDjvuLine(book_) + QLatin1Char('\n') +
                         QCoreApplication::translate("WorkCopy", "Части %1 нет ни в нём, ни рядом с ним")
                             .arg(QFile::decodeName(component.fileName)));
      }
      bookfiles::RequireWritable(path);
      files_ << component.fileName;
    }
  }
  bookfiles::RequireWritable(book_);
  files_ << QFile::encodeName(QFileInfo(book_).fileName());

  RemoveAll(base_);
  QFile::remove(copyback::MarkerOf(base_));
  try {
    // The copy keeps the book's own file name inside a hidden folder: a
    // single-page document's page is named after its file.
    if (!QDir().mkpath(base_)) {
      throw IoError(QCoreApplication::translate("WorkCopy", "Не удалось создать папку %1").arg(base_));
    }
    document_ = CopiedFile(files_.last());
    for (const QByteArray& file : files_) {
      const QString path = bookFolder.filePath(QFile::decodeName(file));
      bookfiles::FileRecord record = bookfiles::StatOf(path);
      QCryptographicHash hash(QCryptographicHash::Sha1);
      bookfiles::CopyInto(path, CopiedFile(file), &hash);
      record.hash = hash.result();
      copied_ << record;
    }
  } catch (...) {
    RemoveAll(base_);
    throw;
  }
}

WorkCopy::~WorkCopy() {
  if (!committed_) RemoveAll(base_);
}

QString WorkCopy::CopiedFile(const QByteArray& fileName) const {
  return QDir(base_).filePath(QFile::decodeName(fileName));
}

void WorkCopy::Commit() {
  const QDir bookFolder = QFileInfo(book_).absoluteDir();
  QList<copyback::Entry> changed;
  for (qsizetype i = 0; i < files_.size(); ++i) {
    const QString path = bookFolder.filePath(QFile::decodeName(files_[i]));
    if (bookfiles::HashOf(path) != copied_[i].hash) {
      throw InputError(QCoreApplication::translate("WorkCopy",
                                                   "Документ %1 изменён другой программой, пока шла работа; "
                                                   "изменения не записаны, запустите снова.")
                           .arg(book_));
    }
    copyback::Entry entry;
    entry.name = files_[i];
    entry.old = copied_[i];
    entry.newSize = bookfiles::StatOf(CopiedFile(files_[i])).size;
    entry.newHash = bookfiles::HashOf(CopiedFile(files_[i]));
    entry.inPlace = !copyback::CanRename(path);
    if (entry.newHash != entry.old.hash) changed << entry;  // djvused rewrites every file; most stay the same
  }
  const bool besideBook = QFileInfo(base_).absolutePath() == QFileInfo(book_).absolutePath();
  if (!indirect_ && besideBook && !changed.isEmpty() && !changed.first().inPlace) {
    // One atomic rename puts the whole bundled book in place.
    copyback::GiveModeAndOwner(book_, document_);
    std::error_code error;
    fs::rename(NativePath(document_), NativePath(book_), error);
    if (!error) {
      bookfiles::SyncFolder(bookFolder.absolutePath());
      RemoveAll(base_);
      committed_ = true;
      return;
    }
  }
  try {
    if (!changed.isEmpty()) copyback::Replace(book_, base_, changed);
    RemoveAll(base_);
  } catch (...) {
    committed_ = QFileInfo::exists(copyback::MarkerOf(base_));  // kept for the next run
    throw;
  }
  committed_ = true;
}

QStringList WorkCopy::Recover(const QString& bookPath, const std::function<bool()>& bookOpens) {
  QStringList notes;
  const QString book = Canonical(bookPath);
  const QString base = BaseOf(bookPath);
  const QFileInfo leftover(base);
  if (QFileInfo::exists(copyback::MarkerOf(base)) && leftover.exists()) {
    // A checked copy was being put in place when the program was stopped.
    notes << copyback::Recover(book, base);
  } else if (leftover.exists() || leftover.isSymLink()) {
    RemoveAll(base);
    QFile::remove(copyback::MarkerOf(base));
    notes << QCoreApplication::translate("WorkCopy",
                                         "Удалена копия %1, оставшаяся от прерванного запуска; документ не был изменён")
                 .arg(base);
  } else {
    QFile::remove(copyback::MarkerOf(base));
  }

  // Safety copies of the kind older versions kept while djvused wrote the book itself.
  const QFileInfo info(book);
  const QStringList older =
      info.absoluteDir().entryList({QStringLiteral(".%1.*.safe").arg(info.fileName())}, QDir::Files | QDir::Hidden);
  for (const QString& name : older) {
    const QString copy = info.absoluteDir().filePath(name);
    if (!bookOpens()) {
      bookfiles::CopyInto(copy, book);
      QFile::remove(copy);
      notes << QCoreApplication::translate(
                   "WorkCopy", "Документ %1 был повреждён прерванным сохранением и восстановлен из копии %2")
                   .arg(book, copy);
    } else {
      notes << QCoreApplication::translate(
                   "WorkCopy", "Найдена копия %1 от прерванного сохранения; документ открывается, копия оставлена")
                   .arg(copy);
    }
  }
  return notes;
}
