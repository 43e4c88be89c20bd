#pragma once
// The words of one page's hidden text, folded (see word_keys.h), to ask
// whether the page holds an entry's words.
#include <QString>
#include <QStringList>
#include <vector>

#include "page/text_layer.h"

namespace targets {

class PageText {
 public:
  PageText() = default;
  // The page's words in reading order; a word broken by a hyphen at a line's
  // end is joined with the next line's first word.
  explicit PageText(const TextZone& page);

  // How many of `keys` (from KeyWords) the page holds.
  int Found(const QStringList& keys) const;

 private:
  void Add(const QString& folded);
  // The starts of the page's folded words that a key can be, hashed with
  // what kind of key each answers (sorted, without repeats): a whole book's
  // pages are kept so, without a string per word.
  std::vector<size_t> starts_;
};

// Whether a page holding `found` of an entry's `keys` words holds the entry:
// an index term's words are all on the page, but for one of three or more
// (a subentry's wording or a plural the stem misses); a contents title's
// likewise, but for one of four or more.
bool HoldsEntry(int found, int keys, bool index);

}  // namespace targets
