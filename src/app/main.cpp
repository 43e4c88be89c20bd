// Quillmark: the desktop program.
#include <QApplication>

#include "app/app_windows.h"
#include "app/desktop.h"
#include "app/screenshot_tour.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillmark"));
  QApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillmark.svg")));
  // The message boxes carry the application title ("Quillmark 0.73"). It is
  // not made the display name, which Qt would append to every window title.

  std::unique_ptr<Desktop> desktop = ScreenshotTour::Requested() ? ScreenshotTour::MakeDesktop()
                                                                  : std::make_unique<Desktop>();
  AppWindows windows(ProgramFolders::ForExecutable(QApplication::applicationDirPath()), *desktop);
  windows.form1.show();
  if (ScreenshotTour::Requested()) ScreenshotTour::Start(windows);
  return app.exec();
}
