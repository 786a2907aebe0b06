// What every control widget of the application shares, set up with the first one and
// gone with the application object: the platform event loop driven by Qt's, the
// tooltip relay and display, the message boxes shown as QMessageBox, and the desktop's
// logical DPI taken from the primary screen.
#pragma once

#include <QObject>
#include <memory>

#include "platform/host/message_box.h"

namespace wayband::qt {

class QtEventLoopDriver;
class QtTooltips;

class QtEnvironment final : public QObject {
 public:
  // The application's environment; made on first use (a QApplication must exist).
  static QtEnvironment& Instance();
  ~QtEnvironment() override;

 private:
  QtEnvironment();

  std::unique_ptr<QtEventLoopDriver> loop_;
  std::unique_ptr<QtTooltips> tooltips_;
  host::MessageBoxHandler previousMessageBoxes_;
};

// The message box of the service: the text, the title, and the exclamation icon when the
// flags ask for it; answered with OK.
int32_t ShowMessageBox(std::string_view text, std::string_view title, uint32_t flags);

}  // namespace wayband::qt
