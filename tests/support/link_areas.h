#pragma once
// The links of a document as djvused -e output-ant shows them, per page.
#include <QMap>
#include <QStringList>

namespace testdocs {

// Page id -> "#target left bottom width height" of each rect or oval link, in order.
QMap<QString, QStringList> LinksByPage(const QString& document);

// The targets alone ("#53", ...) of the links on the page with id `pageId`, in order.
QStringList LinkTargets(const QString& document, const QString& pageId);

}  // namespace testdocs
