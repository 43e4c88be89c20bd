#pragma once
// The questions a job asks a book beyond the runner's dumps and the save, in
// one place: the component list, whether it has hidden text, its outline as
// printed, whether djvused finds pages by their ids, and chosen pages by
// number. Every djvused command a job sends is spelled here, in the runner
// or in the page reader (book_pages.h).
#include <QByteArray>
#include <QList>
#include <QString>

#include "djvused/book_pages.h"
#include "djvused/component_list.h"
#include "djvused/djvused_runner.h"

namespace djvubook {

// "-e ls".
QList<ComponentLine> Components(DjvusedRunner& runner, const QString& path);
// How many pages of the whole document have hidden text.
int PagesWithHiddenText(DjvusedRunner& runner, const QString& path);
// "print-outline": the outline as djvused prints it.
QByteArray PrintedOutline(DjvusedRunner& runner, const QString& path);
// djvused selects every one of the ids (read from "ls", where an id holding
// " T=" reads like a title): a run of "select" commands fails at the first id
// that names no component.
bool SelectsEvery(DjvusedRunner& runner, const QString& path, const QList<QByteArray>& ids);
// The pages given, by number, with one call (size, hidden text, annotations).
QList<PageData> Pages(DjvusedRunner& runner, const QString& path, const QList<int>& numbers);

}  // namespace djvubook
