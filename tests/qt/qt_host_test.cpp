// The Qt host on the offscreen platform: mouse input through the window, the child
// widgets, the splitter, tooltips, the palette, the window images, the dialog, the event
// loop, and a widget destroyed by its own event's handler.
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <cstdlib>
#include <string>

#include "platform/event_loop.h"
#include "qt/qt_dialog.h"
#include "qt/qt_environment.h"
#include "qt_bar.h"

namespace wayband::qt::testing {
namespace {

using ::testing::Range;
using ::testing::Values;
using ::testing::WithParamInterface;

// A control pixel as 0xRRGGBB.
uint32_t Rgb(const QImage& image, QPoint at) {
  return image.pixel(at) & 0xFFFFFFu;
}

class ClickTest : public QtBarTest, public WithParamInterface<int> {};

TEST_P(ClickTest, SelectsThePanelAndShowsOnlyItsWidget) {
  const int index = GetParam();
  const auto [widget, spot] = PanelSpot(index);
  Click(widget, spot);
  EXPECT_EQ(State().SelectedIndex, index + 1);
  for (int i = 0; i < kPanels; ++i)
    EXPECT_EQ(views[static_cast<size_t>(i)]->isVisible(), i == index) << "view " << i;
}

// The first three are large bars, the next two toolbar buttons; the last sits where the
// chevron reaches it only.
INSTANTIATE_TEST_SUITE_P(Panels, ClickTest, Range(0, 5));

class SplitterTest : public QtBarTest, public WithParamInterface<int> {};

TEST_P(SplitterTest, DragShowsMoreOrFewerBars) {
  const int bars = GetParam();
  QWidget* splitter = Strip(State().ctlSplitBar);
  const int barHeight = Toolbar()->height();
  const QPoint from(splitter->width() / 2, splitter->height() / 2);
  const QPoint to = from - QPoint(0, bars * barHeight);
  Press(splitter, from);
  for (int step = 1; step <= 4; ++step)
    Move(splitter, from + (to - from) * step / 4);
  Release(splitter, to);
  EXPECT_EQ(Control().BarsToShow(), 3 + bars);
}

INSTANTIATE_TEST_SUITE_P(Bars, SplitterTest, Values(1, 2, -1, -2), [](const auto& info) {
  return (info.param > 0 ? "Up" : "Down") + std::to_string(std::abs(info.param));
});

TEST_F(QtBarTest, HoverOnAToolbarButtonShowsItsTip) {
  for (const int index : {3, 4}) {
    const auto [widget, spot] = PanelSpot(index);
    ASSERT_EQ(widget, Toolbar());
    Move(widget, spot);
    const QString expected = QString::fromStdString(
        Control().WaybandPanels().Item(Variant(int32_t{index + 1}))->ToolTipText());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), expected);
  }
}

// The toolbar's background takes the button face colour at once: the control hooked its
// form, which hears of the change once Qt delivered it, and polls nothing.
TEST_F(QtBarTest, PaletteChangeRepaintsThroughTheHook) {
  ASSERT_FALSE(State().PollingNeeded);
  const QPalette original = QApplication::palette();
  const auto reddish = [&] {
    const uint32_t rgb = Rgb(Toolbar()->grab().toImage(), {6, Toolbar()->height() / 2});
    const int r = static_cast<int>(rgb >> 16), g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r > g + 60 && r > b + 60;
  };
  ASSERT_FALSE(reddish());
  QPalette red = original;
  red.setColor(QPalette::Button, QColor(0xC8, 0x28, 0x28));
  QApplication::setPalette(red);
  QCoreApplication::processEvents();
  EXPECT_TRUE(reddish());
  QApplication::setPalette(original);
  QCoreApplication::processEvents();
  EXPECT_FALSE(reddish());
}

class ImageTest : public QtBarTest, public WithParamInterface<InspectedSurface> {};

TEST_P(ImageTest, WidgetShowsTheControlsSurface) {
  const InspectedSurface which = GetParam();
  QWidget* widget = which == InspectedSurface::kControl ? bar.data() : Toolbar();
  const SurfaceView surface = Control().InspectSurface(which);
  QImage shown(widget->size(), QImage::Format_RGB32);
  // The widget's own painting, without the widgets inside it.
  widget->render(&shown, {}, {}, QWidget::DrawWindowBackground);
  ASSERT_EQ(shown.width(), surface.Width());
  ASSERT_EQ(shown.height(), surface.Height());
  int differing = 0;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x)
      differing += Rgb(shown, {x, y}) != surface.Rgb(x, y) ? 1 : 0;
  }
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, ImageTest,
                         Values(InspectedSurface::kControl, InspectedSurface::kToolbar),
                         [](const auto& info) {
                           return info.param == InspectedSurface::kControl ? "Control" : "Toolbar";
                         });

struct DialogCase {
  const char* button;
  const char* firstCaption;
};

class DialogTest : public QtBarTest, public WithParamInterface<DialogCase> {};

TEST_P(DialogTest, MoveDownThenCloseWithAButton) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = dynamic_cast<ModelDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    shown = true;
    qobject_cast<QListWidget*>(dialog->ItemWidget("lstBars"))->setCurrentRow(0);
    qobject_cast<QPushButton*>(dialog->ItemWidget("cmdDown"))->click();
    qobject_cast<QPushButton*>(dialog->ItemWidget(GetParam().button))->click();
  });
  Control().ShowNavigationOptions();
  EXPECT_TRUE(shown);
  EXPECT_EQ(Control().WaybandPanels().Item(Variant(int32_t{1}))->Caption(),
            GetParam().firstCaption);
}

INSTANTIATE_TEST_SUITE_P(Buttons, DialogTest,
                         Values(DialogCase{"cmdOK", "Calendar"}, DialogCase{"cmdCancel", "Mail"}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST(QtEventLoop, TasksAndTimersRunFromQtsLoop) {
  App();
  QtEnvironment::Instance();
  auto& loop = platform::EventLoop::Current();
  bool ran = false;
  int ticks = 0;
  loop.PostTask([&] { ran = true; });
  const auto timer = loop.StartTimer(std::chrono::milliseconds(10), [&](auto) { ++ticks; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return ran && ticks >= 3; }, 1000));
  loop.StopTimer(timer);
}

// Each of the control's events, raised by the user, with a handler that deletes the widget.
enum class Deadly { kClick, kHover, kSplitter };

class DestroyTest : public QtBarTest, public WithParamInterface<Deadly> {};

TEST_P(DestroyTest, HandlerMayDeleteTheWidget) {
  const auto kill = [this](auto&&...) { delete bar.data(); };
  const auto [widget, spot] = PanelSpot(1);
  QWidget* splitter = Strip(State().ctlSplitBar);
  switch (GetParam()) {
    case Deadly::kClick:
      QObject::connect(bar, &WaybandWidget::barClick, kill);
      Click(widget, spot);
      break;
    case Deadly::kHover:
      QObject::connect(bar, &WaybandWidget::barHover, kill);
      Move(widget, spot);
      break;
    case Deadly::kSplitter: {
      // Points of the form: the splitter goes with the widget.
      const QPoint from = splitter->mapTo(form.get(), QPoint(10, 2));
      const QPoint to = from - QPoint(0, 40);
      QObject::connect(bar, &WaybandWidget::panelResize, kill);
      Press(form.get(), from);
      Move(form.get(), to);
      Release(form.get(), to);
      break;
    }
  }
  EXPECT_TRUE(bar.isNull());
  // The timers and tips the control had started find it gone.
  QTest::qWait(700);
  Move(form.get(), {5, 5});
}

std::string DeadlyName(const ::testing::TestParamInfo<Deadly>& info) {
  constexpr const char* kNames[] = {"Click", "Hover", "Splitter"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Events, DestroyTest,
                         Values(Deadly::kClick, Deadly::kHover, Deadly::kSplitter), DeadlyName);

}  // namespace
}  // namespace wayband::qt::testing
