// Tooltips in the Qt host: an application-wide event filter tells the process's tooltip
// windows where the mouse moves and where it presses (with the registered window under
// it), after the window's handlers ran, and the tips they show appear through QToolTip at
// the tip's position.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPoint>

#include "platform/tooltip/tip_display.h"

namespace wayband::qt {

class QtTooltips final : public QObject, public platform::TooltipObserver {
 public:
  QtTooltips();
  ~QtTooltips() override;
  QtTooltips(const QtTooltips&) = delete;
  QtTooltips& operator=(const QtTooltips&) = delete;

  void TipShown(const platform::TipDisplay& tip) override;
  void TipHidden(host::WindowHandle tipWindow) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Relayed {
    QEvent::Type type = QEvent::None;
    quint64 timestamp = 0;
    QPoint global;
    bool operator==(const Relayed&) const = default;
  };

  Relayed last_;
  host::WindowHandle shown_ = host::kNoWindow;  // the tooltip window QToolTip shows now
};

}  // namespace wayband::qt
