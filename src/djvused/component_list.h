#pragma once
// The component list djvused prints with "-e ls": "%4d P %8d  NAME" for a
// page (wider from page 10000 on), "     I %8d  NAME" for an include and
// "     A %8d  NAME" for shared annotations; the name may be followed by
// " T=title" and " F=file name".
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

struct ComponentLine {
  char type = 'P';       // 'P' page, 'I' include, 'A' shared annotations
  qint64 size = 0;       // as listed: stored in 24 bits, so it wraps at 16 MiB
  QByteArray name;       // the component's id
  QByteArray fileName;   // the file it is saved as (F=), else the id
  QByteArray title;      // the page's title (T=), listed only when it differs from the id; else empty
};

std::optional<ComponentLine> ReadComponentLine(QByteArrayView line);
QList<ComponentLine> ReadComponentList(QByteArrayView text);
