#include "qt/qt_tooltips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QToolTip>

#include "platform/tooltip/tooltip_windows.h"
#include "qt/qt_windows.h"

namespace wayband::qt {

QtTooltips::QtTooltips() {
  platform::TooltipWindows::Instance().AddObserver(this);
  qApp->installEventFilter(this);
}

QtTooltips::~QtTooltips() {
  platform::TooltipWindows::Instance().RemoveObserver(this);
}

bool QtTooltips::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // Each mouse event reaches the window first and then its widget: relay it once, at the
  // widget.
  if (!watched->isWidgetType()) return false;
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
      type != QEvent::MouseButtonDblClick) {
    return false;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();
  // An event a widget leaves unhandled goes on to its parent: that is the same movement.
  const Relayed relayed{type, mouse->timestamp(), global};
  if (relayed == last_) return false;
  last_ = relayed;
  QtWindows& windows = QtWindows::Instance();
  // The window under the cursor, which during a drag is not the widget that has the grab.
  const host::WindowHandle under = windows.NearestWindow(QApplication::widgetAt(global));
  // The tooltip windows hear of it once the window's own handlers ran (the control may
  // only now have made its tip), when Qt's loop comes round again.
  const bool move = type == QEvent::MouseMove;
  QMetaObject::invokeMethod(
      this,
      [under, move, global] {
        auto& tips = platform::TooltipWindows::Instance();
        if (move) {
          tips.RelayMouseMove(under, {global.x(), global.y()});
        } else {
          tips.RelayMouseButton(under);
        }
      },
      Qt::QueuedConnection);
  return false;
}

void QtTooltips::TipShown(const platform::TipDisplay& tip) {
  shown_ = tip.tipWindow;
  QWidget* over = QtWindows::Instance().Widget(tip.toolWindow);
  QToolTip::showText(QPoint(tip.position.x, tip.position.y), QString::fromStdString(tip.text),
                     over);
}

void QtTooltips::TipHidden(host::WindowHandle tipWindow) {
  if (tipWindow != shown_) return;
  shown_ = host::kNoWindow;
  QToolTip::hideText();
}

}  // namespace wayband::qt
