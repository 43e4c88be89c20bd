#pragma once
// The readers of what a foreign book holds (djvused's output, a page's hidden
// text and annotations), each run on one input exactly as a job runs it. The libFuzzer targets and the sanitized
// corpus replay in the test suite both call these. A clear error (a
// QuillmarkError) is a correct answer to bad input; anything else escapes.
#include <QByteArray>

namespace fuzzing {

// The hidden-text dump through the whole create scan: the dump is read, the
// pages of the range scanned line by line for entries and the link
// script written. The first input line chooses the settings (work type,
// range of text-page ordinals, offset, halving, link style); the rest is the dump.
void ScanTextDump(const QByteArray& input);

// The component list ("-e ls"): its lines read as components, and every
// page's URL written and followed as the viewers follow it.
void ReadComponentList(const QByteArray& input);

// The annotation dump through the fix job's six passes, as files on disk,
// and the script made from the blocks they changed: it must hold nothing but
// its own blocks, no line of which ends its data early.
void AlignAnnotationDump(const QByteArray& input);

// A page's annotation text through the record reader and the create run's
// merge: the set-ant data they give never holds a line that ends it.
void MergePageAnnotations(const QByteArray& input);

// A page's zone tree through the automatic contents and index recognisers
// (the first input line chooses the work type, offset and Roman offset) and
// the outline made of the entries: its data never holds a line that ends it.
void RecogniseAutoLinks(const QByteArray& input);

// A page's zone tree through the folio reader; its candidates, spread over a
// few pages, through the folio map.
void ReadPageFolios(const QByteArray& input);

// Bytes as the words of a title: the outline title and the outline data.
void QuoteOutlineTitle(const QByteArray& input);

}  // namespace fuzzing
