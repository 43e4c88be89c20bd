// Replays the fuzz corpora (fuzz/corpus/<target>/) through the fuzz entry
// points, one row per file. Built with AddressSanitizer and
// UndefinedBehaviorSanitizer on its own sanitized copy of the readers' sources
// (tests/CMakeLists.txt), so a memory error or undefined behaviour on any
// corpus input fails the suite, without sanitizing the whole build.
#include <QDir>
#include <QtTest>
#include <functional>

#include "fuzz_entry_points.h"

class FuzzCorpusReplay : public QObject {
  Q_OBJECT
 private slots:
  void Replay_data();
  void Replay();
};

void FuzzCorpusReplay::Replay_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QString>("path");
  const QDir corpus(QStringLiteral(QUILLMARK_FUZZ_CORPUS));
  for (const char* target : {"text_scan", "component_list", "fix_passes", "annotation_merge", "auto_links",
                             "page_folios", "outline_title"}) {
    const QDir folder(corpus.filePath(QLatin1String(target)));
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    QVERIFY2(!files.isEmpty(), qPrintable("no corpus in " + folder.path()));
    for (const QString& file : files) {
      QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(QLatin1String(target), file)))
          << QString::fromLatin1(target) << folder.filePath(file);
    }
  }
}

void FuzzCorpusReplay::Replay() {
  QFETCH(QString, target);
  QFETCH(QString, path);
  QFile file(path);
  QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
  const QByteArray input = file.readAll();
  const QMap<QString, std::function<void(const QByteArray&)>> entries{
      {QStringLiteral("text_scan"), fuzzing::ScanTextDump},
      {QStringLiteral("component_list"), fuzzing::ReadComponentList},
      {QStringLiteral("fix_passes"), fuzzing::AlignAnnotationDump},
      {QStringLiteral("annotation_merge"), fuzzing::MergePageAnnotations},
      {QStringLiteral("auto_links"), fuzzing::RecogniseAutoLinks},
      {QStringLiteral("page_folios"), fuzzing::ReadPageFolios},
      {QStringLiteral("outline_title"), fuzzing::QuoteOutlineTitle}};
  const std::function<void(const QByteArray&)> entry = entries.value(target);
  entry(input);  // a sanitizer report ends the program with an error
}

QTEST_GUILESS_MAIN(FuzzCorpusReplay)
#include "fuzz_corpus_replay.moc"
