#pragma once
// The three readers of djvused's output that take untrusted text, each run on
// one input exactly as a job runs it. The libFuzzer targets and the sanitized
// corpus replay in the test suite both call these. A clear error (a
// QuillmarkError) is a correct answer to bad input; anything else escapes.
#include <QByteArray>

namespace fuzzing {

// The hidden-text dump through the whole create scan: the dump is read, the
// range mapped over its pages, every line scanned for entries and the link
// script written. The first input line chooses the settings (work type,
// range, offset, halving, link style); the rest is the dump.
void ScanTextDump(const QByteArray& input);

// The component list ("-e ls"): every line through ComponentPageName, and the
// whole list read from a file for a range chosen by the first byte.
void ReadComponentList(const QByteArray& input);

// The annotation dump through the fix job's six passes, as files on disk.
void AlignAnnotationDump(const QByteArray& input);

}  // namespace fuzzing
