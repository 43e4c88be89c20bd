#pragma once
// FileDrop: files dropped onto a file list from a file manager. DjVu files
// (by their suffix, .djvu or .djv in any case) are taken; a drag that brings
// none is refused, so the pointer shows that it cannot be dropped there.
#include <QObject>
#include <QStringList>
#include <functional>

class QAbstractItemView;
class QMimeData;

class FileDrop : public QObject {
 public:
  struct Files {
    QStringList djvu;     // local DjVu files, in the order dragged
    QStringList skipped;  // the other local files and folders
  };
  // The local files a drag carries, sorted into DjVu files and the rest.
  static Files Sort(const QMimeData& data);
  // The same sorting of paths (files named on the command line).
  static Files SortPaths(const QStringList& paths);

  // Accepts drops on the list; each drop that brings a DjVu file is handed
  // to dropped. The filter is owned by the list.
  static void InstallOn(QAbstractItemView* list, std::function<void(const Files&)> dropped);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FileDrop(QObject* owner, std::function<void(const Files&)> dropped);

  std::function<void(const Files&)> dropped_;
};
