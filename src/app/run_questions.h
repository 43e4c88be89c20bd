#pragma once
// What the window asks once before a create run starts, for the whole list:
// whether the hidden text may really be removed, and what to do with the
// bookmarks books already have when new ones are to be made.
#include <QStringList>
#include <optional>

#include "core/front_end.h"

class Desktop;
class QWidget;

namespace runquestions {

// "Удалять OCR" is ticked: names the books and asks. True to go on.
bool RemoveOcrConfirmed(Desktop& desktop, QWidget* parent, const QStringList& books);

// Books (with their bookmark counts) that already have an outline: replace,
// keep, or nothing when the user cancels the run.
std::optional<ExistingOutline> OutlineDecision(Desktop& desktop, QWidget* parent, const QStringList& books);

}  // namespace runquestions
