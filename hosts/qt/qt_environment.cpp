#include "qt/qt_environment.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "platform/desktop_settings.h"
#include "platform/event_loop.h"
#include "qt/qt_desktop.h"
#include "qt/qt_event_loop.h"
#include "qt/qt_file_dialog.h"
#include "qt/qt_tooltips.h"

namespace wayband::qt {

namespace {
QtEnvironment* g_environment = nullptr;
}  // namespace

QtEnvironment& QtEnvironment::Instance() {
  if (!g_environment) g_environment = new QtEnvironment;
  return *g_environment;
}

QtEnvironment::QtEnvironment()
    : QObject(qApp),
      loop_(std::make_unique<QtEventLoopDriver>(platform::EventLoop::Current())),
      tooltips_(std::make_unique<QtTooltips>()),
      previousMessageBoxes_(host::SetMessageBoxHandler(ShowMessageBox)),
      previousOpenFile_(host::SetOpenFileHandler(ChooseFileToOpen)) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    platform::CurrentDesktop().SetLogicalDpi(static_cast<int>(screen->logicalDotsPerInch()));
  }
  desktop_ = std::make_unique<QtDesktop>();
}

QtEnvironment::~QtEnvironment() {
  desktop_.reset();
  host::SetOpenFileHandler(std::move(previousOpenFile_));
  host::SetMessageBoxHandler(std::move(previousMessageBoxes_));
  g_environment = nullptr;
}

int32_t ShowMessageBox(std::string_view text, std::string_view title, uint32_t flags) {
  const bool exclamation = (flags & host::MB_ICONEXCLAMATION) == host::MB_ICONEXCLAMATION;
  QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
  return host::IDOK;
}

}  // namespace wayband::qt
