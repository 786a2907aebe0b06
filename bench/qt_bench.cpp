// A paint through the Qt host on the offscreen platform (the control's refresh, then the
// widget's paintEvent into Qt's backing store) against the same control's refresh in the
// headless host, and against that refresh plus one blit of the frame with Qt's raster
// engine: the Qt host's adapter should cost no more than that one blit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "bench_ratios.h"
#include "frame_scene.h"
#include "platform/desktop_presets.h"
#include "qt/wayband_widget.h"

namespace wayband::bench {
namespace {

QApplication& Application() {
  // Offscreen unless the caller chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "wayband_bench";
  static char* argv[] = {name, nullptr};
  static auto* app = new QApplication(argc, argv);
  return *app;
}

void BM_QtRefreshAndPaint(benchmark::State& state) {
  Application();
  // The form's font is the headless scene's, so that both draw the same text.
  QWidget form;
  form.setFont(QFont("Tahoma", 8));
  auto* widget = new qt::WaybandWidget(&form);
  widget->setFollowPalette(false);
  platform::SetCurrentDesktop(platform::DefaultDesktopState());
  widget->resize(kWidth, kHeight);
  form.show();
  FillControl(widget->control());
  QApplication::processEvents();
  for (auto _ : state) {
    Refresh(widget->control());
    widget->repaint();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_QtRefreshAndPaint);

// The same control in the headless host, loaded as the widget's control is.
void BM_HeadlessLoadedRefresh(benchmark::State& state) {
  FrameScene scene(true);
  for (auto _ : state) {
    scene.Refresh();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_HeadlessLoadedRefresh);

void BM_HeadlessLoadedRefreshAndBlit(benchmark::State& state) {
  Application();
  FrameScene scene(true);
  QImage frame(kWidth, kHeight, QImage::Format_RGB32);
  QImage target(kWidth, kHeight, QImage::Format_RGB32);
  frame.fill(Qt::gray);
  for (auto _ : state) {
    scene.Refresh();
    QPainter(&target).drawImage(0, 0, frame);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_HeadlessLoadedRefreshAndBlit);

const bool kQtRatios = [] {
  AddRatio({"Qt refresh + paintEvent / headless refresh", "BM_QtRefreshAndPaint",
            "BM_HeadlessLoadedRefresh"});
  AddRatio({"Qt refresh + paintEvent / headless refresh + one blit", "BM_QtRefreshAndPaint",
            "BM_HeadlessLoadedRefreshAndBlit", 1.25});
  return true;
}();

}  // namespace
}  // namespace wayband::bench
