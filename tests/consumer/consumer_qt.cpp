// A Qt program outside the project: it shows a WaybandWidget from the installed package's
// component "qt", adds panels and checks that the widget shows the control's pixels.
#include <QApplication>
#include <QImage>
#include <cstdio>

#include "qt/wayband_widget.h"
#include "wayband/wayband.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  wayband::qt::WaybandWidget bar;
  bar.resize(160, 300);
  for (const char* caption : {"Mail", "Calendar", "Contacts"})
    bar.control().WaybandPanels().Add(wayband::Variant(), wayband::Variant(), caption);
  bar.show();
  QApplication::processEvents();
  const QImage shown = bar.grab().toImage();
  const wayband::SurfaceView surface =
      bar.control().InspectSurface(wayband::InspectedSurface::kControl);
  // A point of the last large bar, which the control's own window shows.
  constexpr int kX = 80;
  constexpr int kY = 250;
  const uint32_t pixel = shown.pixel(kX, kY) & 0xFFFFFFu;
  std::printf("widget %dx%d, pixel 0x%06X, surface 0x%06X\n", shown.width(), shown.height(),
              static_cast<unsigned>(pixel), static_cast<unsigned>(surface.Rgb(kX, kY)));
  return shown.width() == 160 && pixel == surface.Rgb(kX, kY) && pixel != 0 ? 0 : 1;
}
