#include "djvused/document_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "core/errors.h"

namespace {

constexpr qint64 kChunk = 1 << 20;

QString CopyFailure(const QString& from, const QString& to, const QString& why) {
  return QStringLiteral("Не удалось скопировать %1 в %2: %3").arg(from, to, why);
}

void Stream(QFile& in, QFile& out) {
  QByteArray chunk;
  while (!(chunk = in.read(kChunk)).isEmpty()) {
    if (out.write(chunk) != chunk.size()) throw IoError(CopyFailure(in.fileName(), out.fileName(), out.errorString()));
  }
  if (in.error() != QFile::NoError) throw IoError(CopyFailure(in.fileName(), out.fileName(), in.errorString()));
  if (!out.flush()) throw IoError(CopyFailure(in.fileName(), out.fileName(), out.errorString()));
}

}  // namespace

void CopyFileContents(const QString& from, const QString& to) {
  QFile in(from), out(to);
  if (!in.open(QIODevice::ReadOnly)) throw IoError(CopyFailure(from, to, in.errorString()));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw IoError(CopyFailure(from, to, out.errorString()));
  Stream(in, out);
}

bool SameContents(const QString& a, const QString& b) {
  QFile fa(a), fb(b);
  if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly)) return false;
  if (fa.size() != fb.size()) return false;
  while (!fa.atEnd()) {
    if (fa.read(kChunk) != fb.read(kChunk)) return false;
  }
  return true;
}

DocumentGuard::DocumentGuard(const QString& documentPath) : document_(documentPath) {
  const QFileInfo info(documentPath);
  QFile in(documentPath);
  if (!in.open(QIODevice::ReadOnly)) throw IoError(CopyFailure(documentPath, QString(), in.errorString()));
  const QString pattern = QStringLiteral(".%1.XXXXXX.safe").arg(info.fileName());
  for (const QString& folder : {info.absolutePath(), QDir::tempPath()}) {
    QTemporaryFile copy(QDir(folder).filePath(pattern));
    copy.setAutoRemove(false);
    if (!copy.open()) continue;
    copyPath_ = copy.fileName();
    try {
      in.seek(0);
      Stream(in, copy);
      return;
    } catch (const IoError&) {
      copy.close();
      QFile::remove(copyPath_);
      copyPath_.clear();
    }
  }
  throw IoError(QStringLiteral("Не удалось сохранить копию документа %1 перед изменением").arg(documentPath));
}

void DocumentGuard::Restore() {
  if (copyPath_.isEmpty()) return;
  if (!SameContents(copyPath_, document_)) {
    try {
      CopyFileContents(copyPath_, document_);
    } catch (const IoError& e) {
      const QString kept = copyPath_;
      copyPath_.clear();  // the copy is the only good one now: keep it
      throw IoError(e.Message() + QStringLiteral("\nИсходный документ сохранён в %1").arg(kept));
    }
  }
  Release();
}

void DocumentGuard::Release() {
  if (!copyPath_.isEmpty()) QFile::remove(copyPath_);
  copyPath_.clear();
}

DocumentGuard::~DocumentGuard() {
  // Reached without Restore or Release only when the runner itself threw
  // before djvused ran (the batch could not be written): the document is untouched.
  Release();
}
