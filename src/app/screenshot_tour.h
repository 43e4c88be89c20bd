#pragma once
// A scripted walk through the windows that saves screenshots of them, for the
// documentation (scripts/screenshots.sh). It runs only when the environment
// names a folder for the pictures (QUILLMARK_SCREENSHOTS) and a DjVu document
// to work on (QUILLMARK_SCREENSHOT_BOOK); the file dialog then answers with
// that document and message boxes go to the terminal instead of waiting.
#include <memory>

class Desktop;
struct AppWindows;

namespace ScreenshotTour {

bool Requested();
std::unique_ptr<Desktop> MakeDesktop();
// Adds the document to both lists, saves the main window on each tab, runs
// "Создать" and saves the log window, opens the settings dialog and saves it,
// shows the preview of a contents row (QUILLMARK_SCREENSHOT_PREVIEW) and saves
// it, then closes the program (exit status 1 when a picture could not be saved).
void Start(AppWindows& windows);

}  // namespace ScreenshotTour
