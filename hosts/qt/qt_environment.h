// What every control widget of the application shares, set up with the first one and
// gone with the application object: the platform event loop driven by Qt's, the
// tooltip relay and display, the message boxes shown as QMessageBox, the open-file
// dialogs shown as QFileDialog, the desktop's logical DPI taken from the primary screen,
// and the desktop following the palette and broadcast to the top-level windows.
#pragma once

#include <QObject>
#include <memory>

#include "platform/host/message_box.h"
#include "platform/host/open_file_dialog.h"

namespace wayband::qt {

class QtDesktop;
class QtEventLoopDriver;
class QtTooltips;

class QtEnvironment final : public QObject {
 public:
  // The application's environment; made on first use (a QApplication must exist).
  static QtEnvironment& Instance();
  ~QtEnvironment() override;
  QtDesktop& Desktop() { return *desktop_; }

 private:
  QtEnvironment();

  std::unique_ptr<QtEventLoopDriver> loop_;
  std::unique_ptr<QtTooltips> tooltips_;
  host::MessageBoxHandler previousMessageBoxes_;
  host::OpenFileHandler previousOpenFile_;
  std::unique_ptr<QtDesktop> desktop_;
};

// The message box of the service: the text, the title, and the exclamation icon when the
// flags ask for it; answered with OK.
int32_t ShowMessageBox(std::string_view text, std::string_view title, uint32_t flags);

}  // namespace wayband::qt
