// A program outside the project: it embeds a Wayband control in the installed headless
// host, adds panels, refreshes it and reads a pixel back. Exit code 0 when the bar area
// shows painted pixels of the right size.
#include <cstdio>
#include <memory>

#include "headless/headless_host.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "wayband/wayband.h"

int main() {
  using namespace wayband;
  constexpr int kWidth = 160;
  constexpr int kHeight = 300;
  constexpr double kTwipsPerPixel = 15.0;
  platform::EventLoop loop(std::make_unique<platform::ManualClock>());
  headless::HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, kWidth, kHeight});
  auto* site =
      host.AddSite(form, "Wayband1", 0, 0, kWidth * kTwipsPerPixel, kHeight * kTwipsPerPixel);
  Wayband bar(*site);
  bar.InitProperties();
  site->Show();
  bar.SetRedraw(false);
  for (const char* caption : {"Mail", "Calendar", "Contacts"})
    bar.WaybandPanels().Add(Variant(), Variant(), caption);
  bar.SetRedraw(true);  // refreshes once

  const SurfaceView surface = bar.InspectSurface(InspectedSurface::kControl);
  const uint32_t pixel = surface.Pixel(kWidth / 2, kHeight - 10);
  std::printf("surface %dx%d, pixel 0x%08X, panels %d\n", surface.Width(), surface.Height(),
              static_cast<unsigned>(pixel), static_cast<int>(bar.WaybandPanels().Count()));
  const bool painted = surface.Width() == kWidth && surface.Height() == kHeight &&
                       (pixel & 0x00FFFFFFu) != 0 && bar.WaybandPanels().Count() == 3;
  return painted ? 0 : 1;
}
