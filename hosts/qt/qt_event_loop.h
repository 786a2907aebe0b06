// Drives the platform's event loop of the user-interface thread from Qt's: a single-shot
// timer is armed for the moment the earliest platform timer is due, and a posted task
// wakes the loop through an event posted to the application. Both then let the platform
// loop run what is pending, and the timer is armed again. Nothing spins or polls: between
// wake-ups Qt sleeps.
#pragma once

#include <QObject>
#include <QTimer>

namespace wayband::platform {
class EventLoop;
}

namespace wayband::qt {

class QtEventLoopDriver final : public QObject {
 public:
  explicit QtEventLoopDriver(platform::EventLoop& loop);
  ~QtEventLoopDriver() override;
  QtEventLoopDriver(const QtEventLoopDriver&) = delete;
  QtEventLoopDriver& operator=(const QtEventLoopDriver&) = delete;

 protected:
  void customEvent(QEvent* event) override;

 private:
  // Runs what is pending in the platform loop, then arms the timer for what comes next.
  void RunPending();
  // Wakes up when the platform loop has new work.
  void Wake();
  void ArmTimer();

  platform::EventLoop& loop_;
  QTimer timer_;
  bool wakePosted_ = false;
};

}  // namespace wayband::qt
