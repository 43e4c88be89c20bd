#include "djvused/work_copy.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/errors.h"

namespace fs = std::filesystem;

namespace {

constexpr qint64 kChunk = 1 << 20;

QString CopyFailure(const QString& from, const QString& to, const QString& why) {
  return QCoreApplication::translate("WorkCopy", "Не удалось скопировать %1 в %2: %3").arg(from, to, why);
}

QString Canonical(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

fs::path NativePath(const QString& path) { return fs::path(path.toStdString()); }

// Streams `from` into `to` (created or truncated, so an existing target keeps
// its inode, owner and mode), adding the bytes to `hash` when given.
void CopyInto(const QString& from, const QString& to, QCryptographicHash* hash) {
  QFile in(from), out(to);
  if (!in.open(QIODevice::ReadOnly)) throw IoError(CopyFailure(from, to, in.errorString()));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw IoError(CopyFailure(from, to, out.errorString()));
  QByteArray chunk;
  while (!(chunk = in.read(kChunk)).isEmpty()) {
    if (hash) hash->addData(chunk);
    if (out.write(chunk) != chunk.size()) throw IoError(CopyFailure(from, to, out.errorString()));
  }
  if (in.error() != QFile::NoError) throw IoError(CopyFailure(from, to, in.errorString()));
  if (!out.flush()) throw IoError(CopyFailure(from, to, out.errorString()));
#ifdef Q_OS_UNIX
  if (::fsync(out.handle()) != 0) throw IoError(CopyFailure(from, to, QStringLiteral("fsync")));
#endif
}

void HashFile(const QString& path, QCryptographicHash& hash) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw IoError(QCoreApplication::translate("WorkCopy", "Не удалось прочитать %1: %2").arg(path, file.errorString()));
  }
  QByteArray chunk;
  while (!(chunk = file.read(kChunk)).isEmpty()) hash.addData(chunk);
}

// A name from the index that stays inside the book's folder.
bool SafeFileName(const QByteArray& name) {
  return !name.isEmpty() && !name.contains('/') && !name.contains('\\') && name != "." && name != "..";
}

QString MarkerOf(const QString& base) { return base + QStringLiteral(".commit"); }

void RemoveAll(const QString& path) {
  std::error_code error;
  fs::remove_all(NativePath(path), error);
}

// Gives `copy` the book's mode and owner; false when the owner cannot be kept.
bool TakeModeAndOwner(const QString& book, const QString& copy) {
  QFile::setPermissions(copy, QFileInfo(book).permissions());
#ifdef Q_OS_UNIX
  struct stat bookStat {}, copyStat {};
  if (::stat(QFile::encodeName(book).constData(), &bookStat) != 0) return false;
  if (::stat(QFile::encodeName(copy).constData(), &copyStat) != 0) return false;
  if (bookStat.st_nlink != 1) return false;  // a rename would split the hard links
  if (bookStat.st_uid != copyStat.st_uid || bookStat.st_gid != copyStat.st_gid) {
    if (::chown(QFile::encodeName(copy).constData(), bookStat.st_uid, bookStat.st_gid) != 0) return false;
  }
  ::chmod(QFile::encodeName(copy).constData(), bookStat.st_mode & 07777);
#endif
  return true;
}

}  // namespace

BookState BookState::Of(const QString& path) {
  BookState state;
  std::error_code error;
  const fs::path native = NativePath(path);
  const auto size = fs::file_size(native, error);
  if (error) return state;
  const auto time = fs::last_write_time(native, error);
  if (error) return state;
  state.size = qint64(size);
  state.modifiedNs = qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count());
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
  if (QFileInfo(book.absolutePath()).isWritable()) {
    return QDir(book.absolutePath()).filePath(QStringLiteral(".%1.quillmark-save").arg(book.fileName()));
  }
  const QByteArray id =
      QCryptographicHash::hash(book.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return QDir::temp().filePath(QStringLiteral("quillmark-%1.save").arg(QString::fromLatin1(id)));
}

WorkCopy::WorkCopy(const QString& bookPath, const QList<ComponentLine>& components)
    : book_(Canonical(bookPath)), base_(BaseOf(bookPath)), indirect_(IsIndirect(bookPath, components)) {
  RemoveAll(base_);
  QFile::remove(MarkerOf(base_));
  QCryptographicHash hash(QCryptographicHash::Sha1);
  try {
    // The copy keeps the book's own file name inside a hidden folder: a
    // single-page document's page is named after its file.
    if (!QDir().mkpath(base_)) {
      throw IoError(QCoreApplication::translate("WorkCopy", "Не удалось создать папку %1").arg(base_));
    }
    document_ = QDir(base_).filePath(QFileInfo(book_).fileName());
    CopyInto(book_, document_, &hash);
    if (indirect_) {
      const QDir bookFolder = QFileInfo(book_).absoluteDir();
      for (const ComponentLine& component : components) {
        if (!SafeFileName(component.fileName)) {
          throw InputError(
              QCoreApplication::translate("WorkCopy", "Индекс документа %1 называет файл вне его папки: %2")
                  .arg(book_, QString::fromUtf8(component.fileName)));
        }
        if (files_.contains(component.fileName)) continue;
        files_ << component.fileName;
        const QString name = QFile::decodeName(component.fileName);
        // A bundled book cut short also lists more bytes than its file has.
        if (!QFileInfo::exists(bookFolder.filePath(name))) {
          throw InputError(NotDjvuLine(book_) + QLatin1Char('\n') +
                           QCoreApplication::translate("WorkCopy", "Части %1 нет ни в нём, ни рядом с ним").arg(name));
        }
        CopyInto(bookFolder.filePath(name), QDir(base_).filePath(name), &hash);
      }
    }
  } catch (...) {
    RemoveAll(base_);
    throw;
  }
  hash_ = hash.result();
}

WorkCopy::~WorkCopy() {
  if (!committed_) RemoveAll(base_);
}

QString WorkCopy::CopiedFile(const QByteArray& fileName) const {
  return QDir(base_).filePath(QFile::decodeName(fileName));
}

QByteArray WorkCopy::HashOfBook() const {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  HashFile(book_, hash);
  const QDir bookFolder = QFileInfo(book_).absoluteDir();
  for (const QByteArray& file : files_) HashFile(bookFolder.filePath(QFile::decodeName(file)), hash);
  return hash.result();
}

void WorkCopy::CopyBack() {
  // The marker says the copy is checked and whole: a run killed from here on
  // is finished by the next one.
  QFile marker(MarkerOf(base_));
  if (!marker.open(QIODevice::WriteOnly)) {
    throw IoError(QCoreApplication::translate("WorkCopy", "Не удалось создать %1").arg(marker.fileName()));
  }
  marker.close();
  const QDir bookFolder = QFileInfo(book_).absoluteDir();
  for (const QByteArray& file : files_) CopyInto(CopiedFile(file), bookFolder.filePath(QFile::decodeName(file)), nullptr);
  CopyInto(document_, book_, nullptr);
  RemoveAll(base_);
  QFile::remove(MarkerOf(base_));
}

void WorkCopy::Commit() {
  if (HashOfBook() != hash_) {
    throw InputError(QCoreApplication::translate("WorkCopy",
                                                 "Документ %1 изменён другой программой, пока шла работа; "
                                                 "изменения не записаны, запустите снова.")
                         .arg(book_));
  }
  const bool besideBook = QFileInfo(base_).absolutePath() == QFileInfo(book_).absolutePath();
  if (!indirect_ && besideBook && TakeModeAndOwner(book_, document_)) {
    std::error_code error;
    fs::rename(NativePath(document_), NativePath(book_), error);
    if (!error) {
      RemoveAll(base_);
      committed_ = true;
      return;
    }
  }
  CopyBack();
  committed_ = true;
}

QStringList WorkCopy::Recover(const QString& bookPath, const std::function<bool()>& bookOpens) {
  QStringList notes;
  const QString book = Canonical(bookPath);
  const QString base = BaseOf(bookPath);
  const QFileInfo leftover(base);
  if (QFileInfo::exists(MarkerOf(base)) && leftover.exists()) {
    // A checked copy was being put in place when the program was stopped.
    const QDir bookFolder = QFileInfo(book).absoluteDir();
    for (const QString& name : QDir(base).entryList(QDir::Files | QDir::Hidden)) {
      CopyInto(QDir(base).filePath(name), bookFolder.filePath(name), nullptr);
    }
    RemoveAll(base);
    QFile::remove(MarkerOf(base));
    notes << QCoreApplication::translate("WorkCopy", "Прерванное сохранение документа %1 завершено из копии %2")
                 .arg(book, base);
  } else if (leftover.exists() || leftover.isSymLink()) {
    RemoveAll(base);
    QFile::remove(MarkerOf(base));
    notes << QCoreApplication::translate("WorkCopy",
                                         "Удалена копия %1, оставшаяся от прерванного запуска; документ не был изменён")
                 .arg(base);
  } else {
    QFile::remove(MarkerOf(base));
  }

  // Safety copies of the kind older versions kept while djvused wrote the book itself.
  const QFileInfo info(book);
  const QStringList older =
      info.absoluteDir().entryList({QStringLiteral(".%1.*.safe").arg(info.fileName())}, QDir::Files | QDir::Hidden);
  for (const QString& name : older) {
    const QString copy = info.absoluteDir().filePath(name);
    if (!bookOpens()) {
      CopyInto(copy, book, nullptr);
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
