// The frame pass, pixel by pixel: what each step paints, on which target, in which colours,
// and what reaches the windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "frame_fixture.h"
#include "platform/round_half_even.h"
#include "platform/system_colors.h"
#include "render/paint/header_painter.h"
#include "render/paint/text_height.h"

namespace wayband::testing {
namespace {

using platform::ColorRef;
using platform::RGB;
using render::Slot;

// Geometry of the 200 x 400 control at 15 twips per pixel: the 33-pixel toolbar strip
// starts at twips 5504 (pixel row 366), which is also where the bar area ends, unconverted.
constexpr int32_t kToolbarTop = 366;
constexpr int32_t kToolbarHeight = 33;
constexpr int32_t kBarAreaBottom = 5504;
constexpr int32_t kHeaderHeight = 28;
constexpr ColorRef kBack = RGB(40, 120, 200);

// The 32-bit words of a surface, or of the image the host shows in a window.
std::vector<uint32_t> Words(int32_t width, int32_t height, const auto& pixelAt) {
  std::vector<uint32_t> words;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x)
      words.push_back(pixelAt(x, y));
  }
  return words;
}
std::vector<uint32_t> Words(const imaging::CDib32& s) {
  return Words(s.Width(), s.Height(), [&](int32_t x, int32_t y) { return s.PixelAt(x, y); });
}

class FramePass : public FrameFixture {
 protected:
  std::vector<uint32_t> Shown(host::WindowHandle window) {
    const platform::Bitmap& b = *WindowImage(window);
    return Words(b.width(), b.height(), [&](int32_t x, int32_t y) { return b.PixelAt(x, y); });
  }
};

class EmptyControl : public FramePass, public ::testing::WithParamInterface<bool> {};

TEST_P(EmptyControl, ShowsTheBackgroundGradientAndItsCaptionOneThirdDown) {
  host.SetUserMode(GetParam());
  Refresh();
  const ColorRef top = Slot(Slot::StyledBarTop);
  const ColorRef bottom = Slot(Slot::HeaderTop);
  for (int32_t y : {1, 49, 51, 200, kToolbarTop, 398}) {
    for (int32_t x : {1, 198})
      EXPECT_EQ(ColorAt(Surface(), x, y), GradientRow(top, bottom, y, kBarAreaBottom)) << y;
  }
  // The bar area's top edge and the control's outline.
  for (const auto& [x, y] : {std::pair{100, 50}, {100, 0}, {100, 399}, {0, 200}, {199, 200}})
    EXPECT_EQ(ColorAt(Surface(), x, y), Slot(Slot::Border)) << x << "," << y;
  // One third of the way from the bar area's top (50) to the empty stack's top (367); the
  // design-time caption is the control's name, longer than the run-time one.
  // A text colour is told from the background by more than 24 in some channel.
  const auto ink =
      InkBounds([this](int32_t x, int32_t y) { return ColorAt(Surface(), x, y); },
                [&](int32_t, int32_t y) { return GradientRow(top, bottom, y, kBarAreaBottom); },
                {5, 51, 195, kToolbarTop}, 24);
  ASSERT_TRUE(ink.has_value());
  EXPECT_GE(ink->top, 106);
  EXPECT_LE(ink->bottom, 106 + 13);
  EXPECT_LE(std::abs(ink->left + ink->right - kControlWidth), 2);
  EXPECT_EQ(ink->Width() > 60, GetParam());  // "No data loaded." against "Wayband1"
  // No splitter, header or chevron: the toolbar shows its gradient where the glyph goes.
  EXPECT_FALSE(host.Windows().IsWindowVisible(SplitterWindow()));
  EXPECT_EQ(ColorAt(ToolbarSurface(), 193, 13),
            GradientRow(top, Slot(Slot::StyledBarBottom), 13, kToolbarHeight));
  // BackColor tints it as it tints the panel area.
  bar->SetBackColor(kBack);
  EXPECT_EQ(ColorAt(Surface(), 1, 200),
            GradientRow(RGB(234, 242, 249), RGB(138, 178, 218), 200, kBarAreaBottom));
}

INSTANTIATE_TEST_SUITE_P(RunTimeAndDesignTime, EmptyControl, ::testing::Bool());

TEST_F(FramePass, BackColorTintsThePanelAreaHeaderAndToolbarAndNoSelectionMeansNoHeader) {
  AddPanels(2, 1);
  bar->SetBackColor(kBack);
  // Panel area: the 24/255 mix with white at the top, the even mix with EEEEEE at the end;
  // without a selection it starts at the top.
  const ColorRef areaTop = RGB(234, 242, 249);
  const ColorRef areaBottom = RGB(138, 178, 218);
  Core().MutableState().panels.SetSelectedIndex(0);
  Refresh();
  for (int32_t y : {14, 49, 80})
    EXPECT_EQ(ColorAt(Surface(), 198, y), GradientRow(areaTop, areaBottom, y, kBarAreaBottom)) << y;
  // Header: the 213/255 and 143/255 mixes with black; framed in a darker shade of its bottom.
  Select(1);
  for (int32_t y : {1, 14, 26}) {
    EXPECT_EQ(ColorAt(Surface(), 190, y),
              GradientRow(RGB(33, 100, 167), RGB(22, 67, 112), y, kHeaderHeight))
        << y;
  }
  EXPECT_EQ(ColorAt(Surface(), 100, kHeaderHeight - 1), RGB(17, 52, 87));
  // Toolbar: 128/255 with white to 200/255 with black, outlined in the 64/255 mix with black.
  EXPECT_EQ(ColorAt(ToolbarSurface(), 100, 16),
            GradientRow(RGB(147, 187, 227), RGB(31, 94, 156), 16, kToolbarHeight));
  for (const auto& [x, y] : {std::pair{100, 0}, {0, 16}, {100, kToolbarHeight - 1}})
    EXPECT_EQ(ColorAt(ToolbarSurface(), x, y), RGB(10, 30, 50)) << x << "," << y;
}

struct ChevronCase {
  bool hot;
  bool pressed;
  std::optional<Slot> fill;
};

class PlainChevron : public FrameFixture, public ::testing::WithParamInterface<ChevronCase> {
 protected:
  PlainChevron() : FrameFixture("Windows Standard") {}
};

TEST_P(PlainChevron, FillsThirteenPixelsAndAlwaysDrawsTheGlyph) {
  AddPanels(3, 1);
  Core().MutableState().HoverIndex = GetParam().hot ? core::kChevronIndex : 0;
  Core().MutableState().PressedIndex = GetParam().pressed ? core::kChevronIndex : 0;
  Refresh();
  // The button: x (3000 - 200) div 15 = 186, 195 div 15 = 13 wide, rows 3 to 30.
  const auto at = [&](int32_t x, int32_t y) { return ColorAt(ToolbarSurface(), x, y); };
  const auto strip = [&](int32_t y) {
    return GradientRow(Slot(Slot::BarTop), Slot(Slot::BarBottom), y, kToolbarHeight);
  };
  for (int32_t y : {3, 30}) {
    for (int32_t x : {186, 198})
      EXPECT_EQ(at(x, y), GetParam().fill ? Slot(*GetParam().fill) : strip(y)) << x << "," << y;
    EXPECT_EQ(at(185, y), strip(y));
    EXPECT_EQ(at(199, y), Slot(Slot::Border));
  }
  EXPECT_EQ(at(190, 2), strip(2));
  EXPECT_EQ(at(190, 31), strip(31));
  // Full-weight glyph pixels take the ink: near black.
  for (const auto& [x, y] : {std::pair{193, 13}, {189, 14}})
    EXPECT_LE(ChannelDistance(at(x, y), RGB(0, 0, 0)), 29) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(States, PlainChevron,
                         ::testing::Values(ChevronCase{false, false, std::nullopt},
                                           ChevronCase{true, false, Slot::HotFill},
                                           ChevronCase{true, true, Slot::PressedFill}));

TEST_F(FramePass, ButtonFaceBandCoversTheBottomTenthAndTheOutlineComesLast) {
  AddPanels(2, 0);
  const ColorRef face = platform::GetSysColor(platform::COLOR_BTNFACE);
  // From (400 div 10) x 9 = 360, 400 div 8 = 50 high (clipped at the bottom edge).
  for (int32_t y : {360, 380, 398})
    EXPECT_EQ(ColorAt(Surface(), 100, y), face) << y;
  EXPECT_NE(ColorAt(Surface(), 100, 359), face);
  AddPanels(2, 2);
  Select(2);
  const ColorRef border = Slot(Slot::Border);
  for (int32_t i = 0; i < kControlHeight; ++i) {
    const int32_t x = std::min(i, kControlWidth - 1);
    ASSERT_EQ(ColorAt(Surface(), 0, i), border) << i;
    ASSERT_EQ(ColorAt(Surface(), kControlWidth - 1, i), border) << i;
    ASSERT_EQ(ColorAt(Surface(), x, 0), border) << x;
    ASSERT_EQ(ColorAt(Surface(), x, kControlHeight - 1), border) << x;
  }
}

TEST_F(FramePass, ALockedSplitterHasNoGripAndTheToolbarOnTopMovesTheBarArea) {
  AddPanels(3, 2);
  Select(1);
  for (const bool locked : {false, true}) {
    bar->SetLockSplitter(locked);
    const platform::Bitmap& image = *WindowImage(SplitterWindow());
    ASSERT_EQ(image.height(), 7);
    EXPECT_EQ(ColorAt(image, 2, 3),
              GradientRow(Slot(Slot::SplitterTop), Slot(Slot::SplitterBottom), 3, 8));
    // The first dot's dark corner: round(width / 2 - 22.5), row round(7 / 2 - 2) = 2.
    const auto x0 = static_cast<int32_t>(platform::RoundHalfEven(image.width() / 2.0 - 22.5));
    EXPECT_EQ(ColorAt(image, x0, 2) == platform::ColorFromRrggbb(0x293042), !locked);
  }
  // On top, the toolbar pushes the header down by its height and the bar area's top edge
  // out of the control.
  bar->SetShowHeaderIcon(false);
  bar->SetToolbarOnTop(true);
  EXPECT_EQ(ColorAt(Surface(), 190, kToolbarHeight + 14),
            GradientRow(Slot(Slot::HeaderTop), Slot(Slot::HeaderBottom), 14, kHeaderHeight));
  EXPECT_NE(ColorAt(Surface(), 100, 50), Slot(Slot::Border));
}

TEST_F(FramePass, OutsideTheNtFamilyPaintsStraightIntoTheWindows) {
  AddPanels(3, 2);
  Select(1);
  // Without text: fonts are smoothed differently on the two families.
  for (int i = 1; i <= 3; ++i)
    bar->WaybandPanels().Item(i)->SetCaption("");
  bar->SetEmptyPanelCaption("");
  const std::vector<uint32_t> surface = Words(Surface());
  platform::CurrentDesktop().SetVersion({platform::PlatformId::kWindows, 4, 10, 2222});
  DesktopChoice::Reread();
  bar->SetBackColor(kBack);
  EXPECT_EQ(Words(Surface()), surface);  // the surfaces are left alone
  const std::vector<uint32_t> direct = Shown(site->hWnd());
  const std::vector<uint32_t> directToolbar = Shown(ToolbarWindow());
  platform::CurrentDesktop().SetVersion({platform::PlatformId::kNT, 5, 1, 2600});
  DesktopChoice::Reread();
  Refresh();
  EXPECT_EQ(Shown(site->hWnd()), direct);
  EXPECT_EQ(Shown(ToolbarWindow()), directToolbar);
}

TEST_F(FramePass, ResizedSurfaceStartsAsTheWindowImageInTheControlFont) {
  AddPanels(2, 1);
  const std::vector<uint32_t> shown = Shown(site->hWnd());
  bar->SetRedraw(false);
  site->Resize(220 * 15.0, 420 * 15.0);
  ASSERT_EQ(Surface().Width(), 220);
  for (const auto& [x, y] : {std::pair{0, 0}, {150, 100}, {199, 399}})
    EXPECT_EQ(Surface().PixelAt(x, y), shown[static_cast<size_t>(y * kControlWidth + x)]);
  EXPECT_EQ(Surface().PixelAt(210, 410), 0u);
  const platform::LogFont& font = *Surface().hDC()->font().logFont;
  EXPECT_EQ(platform::FaceName(font), "Tahoma");
  EXPECT_EQ(font.lfHeight, -11);
  // TextHeight of "A" is the cell height in twips; back to pixels, halves to even.
  EXPECT_EQ(Core().TextHeight("A"), 195.0);
  for (const auto& [twips, perPixel, pixels] :
       {std::tuple{195.0, 15.0, 13}, {45.0, 2.0, 22}, {47.0, 2.0, 24}, {195.0, 0.0, 0}})
    EXPECT_EQ(render::CaptionHeightPixels(twips, perPixel), pixels) << twips << "/" << perPixel;
}

struct HeaderLayoutCase {
  bool toolbarOnTop;
  bool showIcon;
  bool hasIcon;
  bool rightToLeft;
  platform::Point icon;
  platform::Rect caption;  // as handed to DrawCaption
};

TEST(HeaderLayout, PlacesIconAndCaption) {
  // Toolbar at the bottom: caption top (28 - 16) div 2 - 4 = 2, bottom edge 28 - 2 = 26.
  const HeaderLayoutCase cases[] = {
      {false, true, true, false, {8, 2}, {41, 2, 2959, 26}},
      {false, true, false, false, {8, 2}, {7, 2, 2993, 26}},
      {false, false, false, false, {8, 2}, {5, 2, 2995, 26}},
      {false, true, true, true, {166, 2}, {0, 2, 159, 26}},
      {false, true, false, true, {166, 2}, {-34, 2, 193, 26}},
      {true, true, true, false, {8, 35}, {41, 33, 2959, 100}},
  };
  for (const HeaderLayoutCase& c : cases) {
    render::HeaderPlacement p;
    p.controlWidth = 200;
    p.controlWidthTwips = 3000;
    p.toolbarHeight = 33;
    p.toolbarOnTop = c.toolbarOnTop;
    p.showIcon = c.showIcon;
    p.hasIcon = c.hasIcon;
    p.rightToLeft = c.rightToLeft;
    p.captionTextHeight = 16;
    const render::HeaderLayout layout = render::HeaderLayoutFor(p);
    SCOPED_TRACE(::testing::Message()
                 << c.toolbarOnTop << c.showIcon << c.hasIcon << c.rightToLeft);
    EXPECT_EQ(layout.header,
              (platform::Rect{0, c.toolbarOnTop ? 33 : 0, 200, c.toolbarOnTop ? 61 : 28}));
    EXPECT_EQ(layout.icon, c.icon);
    EXPECT_EQ(layout.caption, c.caption);
  }
}

}  // namespace
}  // namespace wayband::testing
