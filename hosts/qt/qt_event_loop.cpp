#include "qt/qt_event_loop.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <chrono>

#include "platform/event_loop.h"

namespace wayband::qt {

namespace {

// The event that tells the driver that tasks were posted.
const QEvent::Type kWakeEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

QtEventLoopDriver::QtEventLoopDriver(platform::EventLoop& loop) : loop_(loop) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { RunPending(); });
  loop_.SetWakeHandler([this] { Wake(); });
  Wake();
}

QtEventLoopDriver::~QtEventLoopDriver() {
  loop_.SetWakeHandler(nullptr);
}

void QtEventLoopDriver::Wake() {
  if (loop_.PendingTaskCount() > 0 && !wakePosted_) {
    wakePosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kWakeEvent));
  }
  ArmTimer();
}

void QtEventLoopDriver::customEvent(QEvent* event) {
  if (event->type() != kWakeEvent) return;
  wakePosted_ = false;
  RunPending();
}

void QtEventLoopDriver::RunPending() {
  loop_.ProcessPendingEvents();
  // Tasks that the tasks just run posted wait for the next wake-up, as they would in the
  // platform loop.
  Wake();
}

void QtEventLoopDriver::ArmTimer() {
  const std::optional<platform::TimePoint> due = loop_.NextDueTime();
  if (!due) {
    timer_.stop();
    return;
  }
  using std::chrono::milliseconds;
  // Whole milliseconds, rounded up: a timer that fires before the due time finds nothing
  // due and is armed again.
  const auto wait = std::chrono::ceil<milliseconds>(*due - loop_.Now());
  // A timer due past a day is armed for a day (QTimer counts in int milliseconds).
  timer_.start(std::clamp(wait, milliseconds(0), milliseconds(std::chrono::hours(24))));
}

}  // namespace wayband::qt
