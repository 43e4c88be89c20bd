#pragma once
// The fix job's script, built from the annotation dump as djvused printed it
// and the same dump with the aligned areas. Only the components whose
// annotations the alignment changed are written, each as a block of its own
// ("select", "set-ant", the annotation text, "."); no line of the dump is
// copied into the script unless it is part of a balanced record and no line
// of the text would end the data, so nothing a book stores runs as a command.
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>

namespace align {

// One component's block of the dump: its name (decoded), its page number
// (0: no page, e.g. shared annotations) and its data lines [first, end).
struct DumpSection {
  QByteArray name;
  int page = 0;
  qsizetype first = 0, end = 0;
};

// The blocks of an output-ant dump, its lines without their line ends. A
// block's data ends at the first line "." that the end of the dump or the
// next block's opening follows, so a line "." that a page's annotations hold
// stays inside them. Throws DjvusedError when the dump does not have the
// layout djvused prints, or names a component twice (a page's annotations
// then hold another block's opening, and which text is whose is unknown).
QList<DumpSection> ReadDumpSections(const QList<QByteArray>& lines);

struct FixScript {
  QByteArray script;        // empty: no component to write
  int areas = 0;            // the areas moved or resized in the written blocks
  int pages = 0;            // and the blocks they stand in
  QStringList unreadable;   // the components left as they were: "стр. 3" or the name
};

// `before` and `after` are the lines of the dump before and after the
// alignment (the same lines, with some areas' numbers changed): the blocks
// whose lines differ.
QList<DumpSection> ChangedSections(const QList<QByteArray>& before, const QList<QByteArray>& after);

// The script of the changed blocks that `write` names (all when it is empty).
// A changed block whose text is not all balanced records is not written but
// named.
using SectionFilter = std::function<bool(const DumpSection&)>;
FixScript ChangedSectionsScript(const QList<QByteArray>& before, const QList<QByteArray>& after,
                                const SectionFilter& write = {});

}  // namespace align
