#include "create/link_script.h"

#include "djvused/script_dialect.h"

QByteArray LinkScript(bool removeAllText, const QList<PageEdit>& pages, const QByteArray& outline) {
  const QByteArray br = dialect::LineBreak();
  QByteArray script;
  if (removeAllText) script += dialect::kRemoveAllText + br;
  for (const PageEdit& page : pages) {
    script += dialect::kPageComment + br;
    script += "select " + dialect::NumberText(page.number) + br;
    script += dialect::kSetAnt + br;
    script += page.annotations + br;
    script += dialect::kEndOfData + br;
  }
  if (!outline.isEmpty()) {
    script += dialect::kSetOutline + br;
    script += outline + br;
    script += dialect::kEndOfData + br;
  }
  return script;
}
