#pragma once
// What the automatic contents and index recognisers give for a page, and how
// they find the document page of a printed number.
#include <functional>
#include <optional>

#include "autolinks/contents_entry.h"

// The document page of a printed number, or nothing when it leads nowhere
// in the document (the caller's offset, halving, Roman offset or page map).
using TargetOf = std::function<std::optional<int>(int printed, bool roman)>;
