#pragma once
// The folio map read from a sample of the pages, for the create run, which
// must not pay for the whole document's hidden text: every sixteenth page first (a short book whole),
// then every page around the places where the offset changes, until the
// changes are pinned to the page.
#include <QList>
#include <functional>

#include "page/text_layer.h"
#include "folios/folio_map.h"

// Gives the hidden text of the pages asked for (page numbers from 1, in
// ascending order); pages without text may be left out.
using PageTextReader = std::function<QList<PageData>(const QList<int>& pages)>;

struct SampledFolioMap {
  FolioMap map;
  int pagesRead = 0;
};

// Throws what the reader throws, and InputError for a zone tree that is not
// well formed.
SampledFolioMap SampleFolioMap(int pageCount, const PageTextReader& read);
