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
  const uint32_t pixel = shown.pixel(80, 290) & 0xFFFFFFu;
  std::printf("widget %dx%d, pixel 0x%06X, surface 0x%06X\n", shown.width(), shown.height(),
              static_cast<unsigned>(pixel), static_cast<unsigned>(surface.Rgb(80, 290)));
  return shown.width() == 160 && pixel == surface.Rgb(80, 290) && pixel != 0 ? 0 : 1;
}
