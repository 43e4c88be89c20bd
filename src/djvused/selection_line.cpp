#include "djvused/selection_line.h"

#include "djvused/script_dialect.h"

namespace dialect {

std::optional<Selection> ReadSelection(QByteArrayView line) {
  constexpr QByteArrayView kCommand("select ");
  if (!line.startsWith(kCommand) || line.size() <= kCommand.size()) return std::nullopt;
  const qsizetype open = kCommand.size();
  if (line[open] != '"' && line[open] != '\'') return std::nullopt;
  const std::optional<qsizetype> close = StringEnd(line, open);
  if (!close) return std::nullopt;
  const QByteArrayView rest = line.sliced(*close + 1).trimmed();
  if (!rest.isEmpty() && !rest.startsWith('#')) return std::nullopt;
  Selection selection{Unescape(line.sliced(open + 1, *close - open - 1)), 0};
  constexpr QByteArrayView kPage("# page ");
  if (rest.startsWith(kPage)) {
    const std::optional<int> number = ToInt32(rest.sliced(kPage.size()));
    if (number && *number > 0) selection.page = *number;
  }
  return selection;
}

}  // namespace dialect
