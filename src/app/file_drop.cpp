#include "app/file_drop.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

FileDrop::FileDrop(QObject* owner, std::function<void(const Files&)> dropped)
    : QObject(owner), dropped_(std::move(dropped)) {}

FileDrop::Files FileDrop::Sort(const QMimeData& data) {
  QStringList paths;
  if (!data.hasUrls()) return {};
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return SortPaths(paths);
}

FileDrop::Files FileDrop::SortPaths(const QStringList& paths) {
  Files files;
  for (const QString& path : paths) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool djvu = (suffix == QLatin1String("djvu") || suffix == QLatin1String("djv")) && !QFileInfo(path).isDir();
    (djvu ? files.djvu : files.skipped) << path;
  }
  return files;
}

void FileDrop::InstallOn(QAbstractItemView* list, std::function<void(const Files&)> dropped) {
  // The view's own drag handling knows only its rows: the drops are taken
  // from its viewport before it sees them.
  list->setAcceptDrops(true);
  list->viewport()->setAcceptDrops(true);
  list->viewport()->installEventFilter(new FileDrop(list, std::move(dropped)));
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (Sort(*drag->mimeData()).djvu.isEmpty()) {
        drag->ignore();
      } else {
        drag->acceptProposedAction();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const Files files = Sort(*drop->mimeData());
      if (files.djvu.isEmpty()) {
        drop->ignore();
        return true;
      }
      drop->acceptProposedAction();
      dropped_(files);
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}
