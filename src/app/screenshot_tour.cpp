#include "app/screenshot_tour.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>

#include "app/app_windows.h"
#include "app/desktop.h"
#include "app/preview_window.h"

namespace ScreenshotTour {
namespace {

QString Folder() { return qEnvironmentVariable("QUILLMARK_SCREENSHOTS"); }
QString Book() { return qEnvironmentVariable("QUILLMARK_SCREENSHOT_BOOK"); }
// The preview's row: "FILE FIRST LAST WORKTYPE OFFSET", blank-separated (the
// file name without blanks); by default the first page of the tour's book.
QStringList PreviewRow() {
  const QStringList row = qEnvironmentVariable("QUILLMARK_SCREENSHOT_PREVIEW").split(QLatin1Char(' '), Qt::SkipEmptyParts);
  return row.size() == 5 ? row : QStringList{Book(), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")};
}

class TourDesktop : public Desktop {
 public:
  void Message(QWidget*, const QString& text) override { Print("message", text); }
  void Error(QWidget*, const QString& text) override { Print("error", text); }
  QStringList OpenFileNames(QWidget*) override { return {QDir::cleanPath(QDir::current().absoluteFilePath(Book()))}; }
  void OpenFile(QWidget*, const QString&) override {}

 private:
  static void Print(const char* kind, const QString& text) {
    std::fprintf(stderr, "quillmark: %s: %s\n", kind, text.toUtf8().constData());
  }
};

bool failed = false;

void Save(QWidget* window, const QString& name) {
  QApplication::processEvents();
  const QString path = QDir(Folder()).filePath(name);
  if (window->grab().save(path)) {
    std::fprintf(stderr, "saved %s\n", path.toUtf8().constData());
  } else {
    std::fprintf(stderr, "quillmark: cannot save %s\n", path.toUtf8().constData());
    failed = true;
  }
}

void Tour(AppWindows& w) {
  TForm1& main = w.form1;
  main.Button2Click();  // the fix list
  main.Button4Click();  // the create list, with the tab's settings
  auto* tabs = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  tabs->setCurrentIndex(0);
  main.ListView1()->selectRow(0);
  Save(&main, QStringLiteral("main-fix.png"));
  tabs->setCurrentIndex(1);
  main.ListView2()->selectRow(0);
  Save(&main, QStringLiteral("main-create.png"));

  main.Button3Click();
  Save(&w.form2, QStringLiteral("log.png"));

  main.ListView2()->selectRow(0);
  QTimer::singleShot(300, &w.form4, [&w] {
    Save(&w.form4, QStringLiteral("settings-dialog.png"));
    w.form4.reject();
  });
  main.ListView2DblClick();

  // The preview of a contents page, with the bookmarks beside it.
  const QStringList row = PreviewRow();
  main.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(row[1]);
  main.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(row[2]);
  main.findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setCurrentIndex(row[3].toInt());
  main.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(row[4]);
  main.findChild<QCheckBox*>(QStringLiteral("CheckBoxOutline"))->setChecked(true);
  main.AddCreateFiles({QDir::cleanPath(QDir::current().absoluteFilePath(row[0]))});
  main.ListView2()->selectRow(main.ListView2()->rowCount() - 1);
  PreviewWindow* preview = main.Preview();
  preview->resize(1000, 700);
  main.PreviewCreateClick();
  QEventLoop wait;
  QObject::connect(preview, &PreviewWindow::PictureShown, &wait, &QEventLoop::quit);
  QTimer::singleShot(10000, &wait, &QEventLoop::quit);  // a picture that never comes is saved as it is
  if (preview->Picture().isNull()) wait.exec();
  preview->SelectArea(2);
  Save(preview, QStringLiteral("preview.png"));

  main.close();
  QCoreApplication::exit(failed ? 1 : 0);
}

}  // namespace

bool Requested() { return !Folder().isEmpty() && !Book().isEmpty(); }

std::unique_ptr<Desktop> MakeDesktop() { return std::make_unique<TourDesktop>(); }

void Start(AppWindows& windows) {
  QTimer::singleShot(500, &windows.form1, [&windows] { Tour(windows); });
}

}  // namespace ScreenshotTour
