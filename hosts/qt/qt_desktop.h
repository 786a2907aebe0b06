// The desktop in the Qt host: while the application follows its palette, the desktop
// settings are made from QApplication::palette(), set again after every palette, style or
// theme change Qt reports (one update for a burst of them, queued so that it runs once Qt
// has delivered the change). Every change of the desktop settings,
// from the palette or chosen by the application, reaches the top-level windows as the
// system's broadcast, so hooked controls follow it at once.
#pragma once

#include <QObject>

#include "platform/hook/desktop_broadcast.h"

namespace wayband::qt {

class QtDesktop final : public QObject {
 public:
  QtDesktop();
  ~QtDesktop() override;
  QtDesktop(const QtDesktop&) = delete;
  QtDesktop& operator=(const QtDesktop&) = delete;

  // The desktop settings are the process's: this chooses for every control of the
  // application. Following sets them from the palette now.
  void SetFollowPalette(bool follow);
  bool FollowsPalette() const { return follow_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyPalette();

  platform::DesktopBroadcast broadcast_;
  bool follow_ = true;
  bool queued_ = false;
};

}  // namespace wayband::qt
