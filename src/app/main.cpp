// Quillmark: the desktop program.
#include <QApplication>
#include <QLocale>

#include "app/app_windows.h"
#include "app/command_line.h"
#include "app/desktop.h"
#include "app/screenshot_tour.h"
#include "core/translations.h"

namespace {

void Name(QCoreApplication& app) {
  app.setApplicationName(QStringLiteral("Quillmark"));
  app.setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
  translations::Install(app, QLocale::system().uiLanguages());
}

}  // namespace

int main(int argc, char** argv) {
  if (commandline::AsksForText(argc, argv)) {
    // Answered without a display.
    QCoreApplication app(argc, argv);
    Name(app);
    commandline::Files(QCoreApplication::arguments());
    return 0;
  }
  QApplication app(argc, argv);
  Name(app);
  const QStringList files = commandline::Files(QApplication::arguments());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillmark.svg")));
  // The message boxes carry the application title ("Quillmark 0.73"). It is
  // not made the display name, which Qt would append to every window title.

  std::unique_ptr<Desktop> desktop = ScreenshotTour::Requested() ? ScreenshotTour::MakeDesktop()
                                                                  : std::make_unique<Desktop>();
  AppWindows windows(ProgramFolders::ForExecutable(QApplication::applicationDirPath()), *desktop);
  windows.form1.show();
  windows.form1.AddCreateFiles(files);
  if (ScreenshotTour::Requested()) ScreenshotTour::Start(windows);
  return app.exec();
}
