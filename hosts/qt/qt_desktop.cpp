#include "qt/qt_desktop.h"

#include <QApplication>
#include <QScreen>

#include "platform/desktop_settings.h"
#include "qt/palette_colors.h"
#include "qt/qt_windows.h"

namespace wayband::qt {

namespace {

bool ChangesTheDesktop(QEvent::Type type) {
  switch (type) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
      return true;
    default:
      return false;
  }
}

int LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(screen->logicalDotsPerInch()) : platform::kDefaultLogicalDpi;
}

}  // namespace

QtDesktop::QtDesktop() : broadcast_(QtWindows::Instance()) {
  qApp->installEventFilter(this);
  ApplyPalette();
}

QtDesktop::~QtDesktop() {
  // Gone with the application object, which may be going already.
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeEventFilter(this);
  }
}

void QtDesktop::SetFollowPalette(bool follow) {
  follow_ = follow;
  ApplyPalette();
}

void QtDesktop::ApplyPalette() {
  queued_ = false;
  // Assigning broadcasts what differs; nothing when the palette gives the same desktop.
  if (follow_)
    platform::CurrentDesktop().Assign(DesktopFromPalette(QApplication::palette(), LogicalDpi()));
}

bool QtDesktop::eventFilter(QObject* watched, QEvent* event) {
  // Qt tells the application, its windows and its widgets, each in its own way: any of
  // them will do. A change of one widget's own palette gives the same desktop, and so
  // broadcasts nothing.
  if (!queued_ && watched && ChangesTheDesktop(event->type())) {
    queued_ = true;
    QMetaObject::invokeMethod(this, &QtDesktop::ApplyPalette, Qt::QueuedConnection);
  }
  return false;
}

}  // namespace wayband::qt
