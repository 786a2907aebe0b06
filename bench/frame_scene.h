// The control the frame benchmarks refresh: a 250 x 700 Wayband in the styled look with ten
// panels (six large bars, the rest in the toolbar), an icon on every bar, a selection and
// the mouse over a bar, in the headless host.
#pragma once

#include <memory>

#include "headless/headless_host.h"
#include "platform/event_loop.h"
#include "wayband/wayband_control.h"

namespace wayband::bench {

inline constexpr int kWidth = 250;
inline constexpr int kHeight = 700;
inline constexpr int kFrameBytes = kWidth * kHeight * 4;
inline constexpr int kLargeBars = 6;
inline constexpr int kHoveredBar = 3;

// The panels, icons, bar count, selection and hovered bar of the benchmarks' control.
void FillControl(Wayband& bar);
void Refresh(Wayband& bar);

class FrameScene {
 public:
  // `loaded`: the control loads stored defaults, as a running application's control does
  // (and so re-reads the scheme on every refresh), instead of starting as a new one.
  explicit FrameScene(bool loaded = false);

  void Refresh() { bench::Refresh(*bar_); }
  // The screen point `dy` pixels below the top of large bar k, `dx` from its left.
  platform::Point OnBar(int32_t k, int32_t dx = 40, int32_t dy = 10);
  headless::HeadlessHost& Host() { return host_; }
  int32_t& HoverIndex();
  int32_t LargeBars() const;

 private:
  static headless::HostSettings Settings();

  platform::EventLoop loop_;
  headless::HeadlessHost host_;
  headless::HeadlessSite* site_ = nullptr;
  std::unique_ptr<Wayband> bar_;
};

}  // namespace wayband::bench
