// quillmark-preview-probe FILE FIRST LAST: opens the desktop program's preview
// window (offscreen) on a create-list row of FILE with the pages FIRST-LAST
// and the command line's default settings, and prints two times in seconds:
// from the request to the first page's picture with its areas on screen, and
// from the step to the next page to its picture. Started by quillmark-bench; the
// program's own start is not counted, as in the running desktop program.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "core/fix_job.h"
#include "app/preview_window.h"

namespace {

// Waits for the page's picture; false when it did not come within a minute.
bool WaitForPicture(PreviewWindow& window) {
  if (!window.Picture().isNull()) return true;
  QEventLoop wait;
  QObject::connect(&window, &PreviewWindow::PictureShown, &wait, &QEventLoop::quit);
  QTimer::singleShot(60000, &wait, &QEventLoop::quit);
  wait.exec();
  return !window.Picture().isNull();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: quillmark-preview-probe FILE FIRST LAST\n");
    return 2;
  }
  CreateJob row;
  const FixJob place = FixJob::FromPath(args[1]);
  row.Folder = place.Folder;
  row.FileName = place.FileName;
  row.settings.firstPage = args[2].toInt();
  row.settings.lastPage = args[3].toInt();

  PreviewWindow window(QString{});
  window.resize(1000, 700);
  window.show();
  QApplication::processEvents();
  QElapsedTimer timer;
  timer.start();
  window.ShowCreateRow(row, false);
  if (window.Preview().pages.isEmpty() || !WaitForPicture(window)) {
    std::fprintf(stderr, "quillmark-preview-probe: the first page was not shown\n");
    return 1;
  }
  const double open = timer.nsecsElapsed() / 1e9;
  timer.restart();
  window.ShowPage(window.PageIndex() + 1);
  if (!WaitForPicture(window)) {
    std::fprintf(stderr, "quillmark-preview-probe: the next page was not shown\n");
    return 1;
  }
  const double next = timer.nsecsElapsed() / 1e9;
  std::printf("%.3f %.3f %lld\n", open, next, qint64(window.Preview().entries.size()));
  return 0;
}
