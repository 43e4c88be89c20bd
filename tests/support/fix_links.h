#pragma once
// Link areas for the fix job's tests: writes maparea expressions as set-ant
// data and reads the areas back from an annotation dump, independently of the
// job's own reader.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include "core/headless_front_end.h"
#include "djvused/djvused_runner.h"

namespace fixtest {

struct Area {
  QByteArray shape;  // "rect" or "oval"
  int x, y, w, h;
};

// One link to page 2 with an empty comment and an xor border.
QByteArray Link(const Area& area);
// Every area on its own line.
QByteArray Links(const QList<Area>& areas);
// The rect and oval areas of an annotation dump, in their order.
QList<Area> AreasOf(const QByteArray& dump);
// "x:w" of every area, blank-separated: a short form to compare.
QString Columns(const QList<Area>& areas);

// A work folder, a runner on the PATH's djvused and a headless front end.
struct Workbench {
  QTemporaryDir folder;
  DjvusedRunner runner{folder.filePath(QStringLiteral("work")), QString()};
  HeadlessFrontEnd frontEnd;

  Workbench();
  QString Path(const QString& name) const { return folder.filePath(name); }
  // Adds the document to the fix list.
  void Add(const QString& path);
};

}  // namespace fixtest
