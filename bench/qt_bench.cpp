// A paint through the Qt host on the offscreen platform (the control's refresh, then the
// widget's paintEvent into Qt's backing store) against the same control's refresh in the
// headless host, and against that refresh plus Qt repainting one image of the frame's
// size: the Qt host's adapter should cost no more than that one blit.
#include <benchmark/benchmark.h>

#include <QApplication>

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

// The widget on a form in the headless scene's font, filled as the headless scene is.
class QtScene {
 public:
  QtScene() : widget_(new qt::WaybandWidget(&form_)) {
    form_.setFont(QFont("Tahoma", 8));
    widget_->setFollowPalette(false);
    platform::SetCurrentDesktop(platform::DefaultDesktopState());
    widget_->resize(kWidth, kHeight);
    form_.show();
    FillControl(widget_->control());
    QApplication::processEvents();
  }
  qt::WaybandWidget& Widget() { return *widget_; }

 private:
  QApplication& application_ = Application();  // before any widget
  QWidget form_;
  qt::WaybandWidget* widget_;
};

void BM_QtRefresh(benchmark::State& state) {
  QtScene scene;
  for (auto _ : state) {
    Refresh(scene.Widget().control());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_QtRefresh);

void BM_QtRefreshAndPaint(benchmark::State& state) {
  QtScene scene;
  for (auto _ : state) {
    Refresh(scene.Widget().control());
    scene.Widget().repaint();
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

// ... and followed by Qt repainting a widget of the control's size that draws one image
// (Qt's own cost of a paint: the repaint, the backing store, the blit).
void BM_HeadlessLoadedRefreshAndRepaint(benchmark::State& state) {
  Application();
  FrameScene scene(true);
  qt::ImageWidget image;
  image.resize(kWidth, kHeight);
  image.Context();
  image.show();
  QApplication::processEvents();
  for (auto _ : state) {
    scene.Refresh();
    image.repaint();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_HeadlessLoadedRefreshAndRepaint);

const bool kQtRatios = [] {
  AddRatio({"Qt refresh + paintEvent / headless refresh", "BM_QtRefreshAndPaint",
            "BM_HeadlessLoadedRefresh"});
  AddRatio({"Qt refresh alone / headless refresh", "BM_QtRefresh", "BM_HeadlessLoadedRefresh"});
  AddRatio({"Qt refresh + paintEvent / headless refresh + one image repainted",
            "BM_QtRefreshAndPaint", "BM_HeadlessLoadedRefreshAndRepaint", 1.15});
  return true;
}();

}  // namespace
}  // namespace wayband::bench
