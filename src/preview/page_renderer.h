#pragma once
// Renders one page of a document to a picture with DjVuLibre's ddjvu, in the
// background: ddjvu runs as a child process and the result arrives as a
// signal, so the window that asked stays responsive. A new request stops the
// one still running; only the latest page is ever delivered.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QSize>
#include <QString>

class PageRenderer : public QObject {
  Q_OBJECT
 public:
  // programFolder: searched first for ddjvu, before the PATH.
  explicit PageRenderer(const QString& programFolder, QObject* parent = nullptr);
  ~PageRenderer() override;

  // Starts rendering page `page` (from 1) of `path`, fitted into `box` pixels
  // (the page keeps its proportions).
  void Render(const QString& path, int page, QSize box);
  bool Busy() const { return !process_.isNull(); }

 signals:
  // The picture as a PPM (or PGM/PBM) image.
  void Rendered(int page, const QByteArray& picture);
  // Why the page could not be rendered, in Russian.
  void Failed(int page, const QString& message);

 private:
  void Stop();
  QString program_;
  QPointer<QProcess> process_;
};
