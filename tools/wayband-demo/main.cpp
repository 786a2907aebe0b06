// wayband-demo: a mail-client-like main window with the Wayband navigation bar.
//
//   wayband-demo               opens the window
//   wayband-demo --tour DIR    runs the scripted tour and saves its screenshots into DIR
//                              (set QT_QPA_PLATFORM=offscreen to run it without a display)
#include <QApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

#include "demo_window.h"
#include "tour.h"

namespace {

// The icons beside the executable when installed, else those of the source tree.
QString IconFolder() {
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("icons");
  return QDir(beside).exists() ? beside : QString(WAYBAND_DEMO_ICONS);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("wayband-demo");
  const QStringList args = QApplication::arguments();
  const qsizetype tour = args.indexOf("--tour");
  if (tour >= 0 && tour + 1 >= args.size()) {
    std::fprintf(stderr, "usage: wayband-demo [--tour DIR]\n");
    return 2;
  }
  wayband_demo::DemoWindow window(IconFolder());
  window.show();
  if (tour >= 0) return wayband_demo::RunTour(window, args[tour + 1]);
  return QApplication::exec();
}
