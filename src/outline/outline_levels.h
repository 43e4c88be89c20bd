#pragma once
// The level of each bookmark: from the numbering that opens the titles where
// the book numbers its sections, else from the indentation of the entries'
// first lines, else from their type size.
#include <QList>
#include <optional>

#include "autolinks/contents_entry.h"

// The rank of the numbering that opens a title: 0 for a part ("Часть II",
// "Part 1", "II. "), 1 for a chapter ("Глава 3", "Chapter 2", "Appendix A",
// "Приложение", "3 "), n for a section numbered with n numbers ("1.2.3 ",
// "A.1 "); nothing when the title opens with no numbering.
std::optional<int> NumberingRank(const QString& title);

// Sets the level of every entry, in document order. The first entry is on
// level 1 and no entry is more than one level below the one before it.
void AssignLevels(QList<ContentsEntry>& entries);
