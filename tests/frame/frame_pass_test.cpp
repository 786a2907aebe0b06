// The frame pass, pixel by pixel: what each step paints, on which target, in which colours,
// and what reaches the windows.
#include <gtest/gtest.h>

#include <vector>

#include "frame_fixture.h"
#include "platform/round_half_even.h"
#include "platform/system_colors.h"
#include "platform/text/text_output.h"
#include "render/draw/font_record.h"
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
// A text colour is told from the background by more than this in some channel.
constexpr int kInkTolerance = 24;

std::vector<uint32_t> Words(const platform::Bitmap& bitmap) {
  std::vector<uint32_t> words;
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    for (int32_t x = 0; x < bitmap.width(); ++x)
      words.push_back(bitmap.PixelAt(x, y));
  }
  return words;
}

std::vector<uint32_t> Words(const imaging::CDib32& surface) {
  std::vector<uint32_t> words;
  for (int32_t y = 0; y < surface.Height(); ++y) {
    for (int32_t x = 0; x < surface.Width(); ++x)
      words.push_back(surface.PixelAt(x, y));
  }
  return words;
}

platform::LogFont LogFontOf(const char* name, double size, bool bold) {
  StdFont font;
  font.SetName(name);
  font.SetSize(size);
  font.SetBold(bold);
  platform::LogFont record;
  render::FontToLogFont(font, nullptr, &record, false);
  return record;
}

int32_t TextWidth(const platform::LogFont& font, std::string_view text) {
  const auto dc = platform::DrawingContext::CreateCompatible(nullptr);
  dc->SelectFont(platform::CreateFontIndirect(font));
  platform::Size size;
  platform::GetTextExtentPoint32W(dc.get(), text, &size);
  return size.cx;
}

// The first column with ink when the caption is drawn at x 0 the way the header draws it:
// white, single line, from row `top`, over the header's gradient.
int32_t LeadingBlank(const platform::LogFont& font, std::string_view text, ColorRef top,
                     ColorRef bottom, int32_t captionTop) {
  imaging::CDib32 scratch;
  scratch.Create(200, 28);
  const auto header = [&](int32_t, int32_t y) { return GradientRow(top, bottom, y, 28); };
  for (int32_t y = 0; y < 28; ++y) {
    for (int32_t x = 0; x < 200; ++x)
      scratch.SetPixelAt(x, y, platform::PixelFromColor(header(x, y)));
  }
  scratch.hDC()->SelectFont(platform::CreateFontIndirect(font));
  scratch.hDC()->SetBkMode(platform::BackgroundMode::kTransparent);
  scratch.hDC()->SetTextColor(RGB(255, 255, 255));
  platform::Rect rect{0, captionTop, 200, 28};
  platform::DrawTextW(scratch.hDC(), text, &rect, platform::DT_SINGLELINE);
  const auto ink = InkBounds([&](int32_t x, int32_t y) { return ColorAt(scratch, x, y); }, header,
                             {0, 0, 200, 28}, kInkTolerance);
  return ink ? ink->left : -1;
}

class FramePass : public FrameFixture {
 protected:
  ColorSource SurfaceColors() {
    return [this](int32_t x, int32_t y) { return ColorAt(Surface(), x, y); };
  }
};

TEST_F(FramePass, RedrawFalsePaintsAndMovesNothingAndRedrawTrueRepaintsOnce) {
  AddPanels(3, 2);
  bar->SetRedraw(false);
  const size_t frames = host.Record().presentedFrames.size();
  const std::vector<uint32_t> screen = Words(*WindowImage(site->hWnd()));
  const std::vector<uint32_t> surface = Words(Surface());
  const double splitterTop = Core().ctlSplitBar()->Top();
  bar->SetBackColor(RGB(40, 120, 200));
  bar->SetBarsToShow(1);
  bar->SetToolbarOnTop(false);
  EXPECT_EQ(host.Record().presentedFrames.size(), frames);
  EXPECT_EQ(Words(*WindowImage(site->hWnd())), screen);
  EXPECT_EQ(Words(Surface()), surface);
  EXPECT_EQ(Core().ctlSplitBar()->Top(), splitterTop);

  bar->SetRedraw(true);
  const auto& presented = host.Record().presentedFrames;
  ASSERT_EQ(presented.size(), frames + 3);
  EXPECT_EQ(presented[frames].window, site->hWnd());
  EXPECT_EQ(presented[frames + 1].window, ToolbarWindow());
  EXPECT_EQ(presented[frames + 2].window, SplitterWindow());
  EXPECT_NE(Words(*WindowImage(site->hWnd())), screen);
  EXPECT_NE(Core().ctlSplitBar()->Top(), splitterTop);
}

struct EmptyCaptionCase {
  bool userMode;
  const char* text;
};

class EmptyControl : public FramePass, public ::testing::WithParamInterface<EmptyCaptionCase> {};

TEST_P(EmptyControl, ShowsTheBackgroundGradientAndItsCaptionOneThirdDown) {
  ASSERT_TRUE(render::CurrentDrawingFlags().GradientFillAvailable);
  host.SetUserMode(GetParam().userMode);
  Refresh();
  const ColorRef top = Slot(Slot::StyledBarTop);
  const ColorRef bottom = Slot(Slot::HeaderTop);
  const auto background = [&](int32_t, int32_t y) {
    return GradientRow(top, bottom, y, kBarAreaBottom);
  };
  for (int32_t y : {1, 49, 51, 200, kToolbarTop, 398}) {
    for (int32_t x : {1, 100, 198}) {
      if (x == 100 && y > 80 && y < 140) continue;  // the caption
      EXPECT_EQ(ColorAt(Surface(), x, y), background(x, y)) << x << "," << y;
    }
  }
  const ColorRef border = Slot(Slot::Border);
  EXPECT_EQ(ColorAt(Surface(), 100, 50), border);  // the bar area's top edge
  EXPECT_EQ(ColorAt(Surface(), 100, 0), border);   // the control's outline
  EXPECT_EQ(ColorAt(Surface(), 100, 399), border);
  EXPECT_EQ(ColorAt(Surface(), 0, 200), border);
  EXPECT_EQ(ColorAt(Surface(), 199, 200), border);

  // One third of the way from the bar area's top (50) to the empty stack's top (367).
  const auto ink = InkBounds(SurfaceColors(), background, {5, 51, 195, kToolbarTop}, kInkTolerance);
  ASSERT_TRUE(ink.has_value());
  EXPECT_GE(ink->top, 106);
  EXPECT_LE(ink->bottom, 106 + 13);
  EXPECT_LE(std::abs(ink->left + ink->right - kControlWidth), 2);
  const int32_t width = TextWidth(LogFontOf("Tahoma", 8, false), GetParam().text);
  EXPECT_LE(ink->Width(), width);
  EXPECT_GE(ink->Width(), width - 3);

  // No splitter, header or chevron: the toolbar shows its gradient where the glyph goes.
  EXPECT_FALSE(host.Windows().IsWindowVisible(SplitterWindow()));
  EXPECT_EQ(ColorAt(ToolbarSurface(), 193, 13),
            GradientRow(top, Slot(Slot::StyledBarBottom), 13, kToolbarHeight));
}

INSTANTIATE_TEST_SUITE_P(RunTimeAndDesignTime, EmptyControl,
                         ::testing::Values(EmptyCaptionCase{true, "No data loaded."},
                                           EmptyCaptionCase{false, "Wayband1"}));

TEST_F(FramePass, BackColorTintsThePanelAreaHeaderAndToolbar) {
  AddPanels(2, 1);
  Select(1);
  bar->SetBackColor(RGB(40, 120, 200));
  // Panel area: the 24/255 mix with white at the top, the even mix with EEEEEE at the end.
  const ColorRef areaTop = RGB(234, 242, 249);
  const ColorRef areaBottom = RGB(138, 178, 218);
  for (int32_t y : {30, 49, 80}) {
    EXPECT_EQ(ColorAt(Surface(), 198, y), GradientRow(areaTop, areaBottom, y, kBarAreaBottom)) << y;
  }
  // Header: the 213/255 and 143/255 mixes with black; framed in a darker shade of its bottom.
  const ColorRef headerTop = RGB(33, 100, 167);
  const ColorRef headerBottom = RGB(22, 67, 112);
  for (int32_t y : {1, 14, 26}) {
    EXPECT_EQ(ColorAt(Surface(), 190, y), GradientRow(headerTop, headerBottom, y, kHeaderHeight))
        << y;
  }
  EXPECT_EQ(ColorAt(Surface(), 100, kHeaderHeight - 1), RGB(17, 52, 87));
  // Toolbar: 128/255 with white to 200/255 with black, outlined in the 64/255 mix with black.
  EXPECT_EQ(ColorAt(ToolbarSurface(), 100, 16),
            GradientRow(RGB(147, 187, 227), RGB(31, 94, 156), 16, kToolbarHeight));
  for (auto [x, y] : {std::pair{100, 0}, std::pair{0, 16}, std::pair{100, kToolbarHeight - 1}}) {
    EXPECT_EQ(ColorAt(ToolbarSurface(), x, y), RGB(10, 30, 50)) << x << "," << y;
  }
}

TEST_F(FramePass, NoHeaderWithoutASelection) {
  AddPanels(2, 1);
  bar->SetBackColor(RGB(40, 120, 200));  // the panel area then starts at the top
  Core().MutableState().panels.SetSelectedIndex(0);
  Refresh();
  EXPECT_EQ(ColorAt(Surface(), 190, 14),
            GradientRow(RGB(234, 242, 249), RGB(138, 178, 218), 14, kBarAreaBottom));
  Select(1);
  EXPECT_EQ(ColorAt(Surface(), 190, 14),
            GradientRow(RGB(33, 100, 167), RGB(22, 67, 112), 14, kHeaderHeight));
}

struct HeaderCaptionCase {
  bool showIcon;
  bool hasIcon;
  int32_t captionLeft;
};

class HeaderCaption : public FramePass, public ::testing::WithParamInterface<HeaderCaptionCase> {};

TEST_P(HeaderCaption, StartsWhereTheIconLeavesRoom) {
  Core().MutableState().Icons.Add(MakeDiscIcon("Disc", RGB(200, 40, 40)));
  AddPanels(2, 1);
  if (GetParam().hasIcon) bar->WaybandPanels().Item(1)->SetIconKey("Disc");
  bar->SetShowHeaderIcon(GetParam().showIcon);
  Select(1);
  const bool iconDrawn = GetParam().showIcon && GetParam().hasIcon;
  const ColorRef top = Slot(Slot::HeaderTop);
  const ColorRef bottom = Slot(Slot::HeaderBottom);
  const auto ink = InkBounds(
      SurfaceColors(),
      [&](int32_t, int32_t y) { return GradientRow(top, bottom, y, kHeaderHeight); },
      {iconDrawn ? 36 : 1, 1, 199, kHeaderHeight - 1}, kInkTolerance);
  ASSERT_TRUE(ink.has_value());
  // The caption is the control's font made bold at the header font's 12 points.
  const platform::LogFont font = LogFontOf("Tahoma", 12, true);
  const int32_t captionTop = (kHeaderHeight - render::TextHeightPixels(font, "A")) / 2 - 4;
  EXPECT_EQ(ink->left,
            GetParam().captionLeft + LeadingBlank(font, "Panel 1", top, bottom, captionTop));
  // The icon is there exactly when it is shown and stored: its centre is opaque red.
  const ColorRef centre = ColorAt(Surface(), 20, 14);
  EXPECT_EQ(platform::GetRValue(centre) > 150 && platform::GetGValue(centre) < 100, iconDrawn);
}

INSTANTIATE_TEST_SUITE_P(IconChoices, HeaderCaption,
                         ::testing::Values(HeaderCaptionCase{false, false, 5},
                                           HeaderCaptionCase{false, true, 5},
                                           HeaderCaptionCase{true, false, 7},
                                           HeaderCaptionCase{true, true, 41}));

class SplitterStrip : public FramePass, public ::testing::WithParamInterface<bool> {};

TEST_P(SplitterStrip, IsAGradientWithGripDotsUnlessLocked) {
  AddPanels(3, 2);
  bar->SetLockSplitter(GetParam());
  const platform::Bitmap& image = *WindowImage(SplitterWindow());
  const int32_t width = image.width();
  ASSERT_EQ(image.height(), 7);
  const ColorRef top = Slot(Slot::SplitterTop);
  const ColorRef bottom = Slot(Slot::SplitterBottom);
  for (int32_t y = 0; y < 7; ++y)
    EXPECT_EQ(ColorAt(image, 2, y), GradientRow(top, bottom, y, 8));
  const auto x0 = static_cast<int32_t>(platform::RoundHalfEven(width / 2.0 - 22.5));
  const int32_t y0 = 2;  // round(7 / 2 - 2), half to even
  for (int32_t k = 0; k < 9; ++k) {
    const int32_t x = x0 + 5 * k;
    if (GetParam()) {
      EXPECT_EQ(ColorAt(image, x, y0), ColorAt(image, 2, y0)) << k;
      EXPECT_EQ(ColorAt(image, x + 2, y0 + 2), ColorAt(image, 2, y0 + 2)) << k;
    } else {
      EXPECT_EQ(ColorAt(image, x, y0), platform::ColorFromRrggbb(0x293042)) << k;
      EXPECT_EQ(ColorAt(image, x + 1, y0 + 1), platform::ColorFromRrggbb(0x63759C)) << k;
      EXPECT_EQ(ColorAt(image, x + 2, y0 + 2), platform::ColorFromRrggbb(0xFFFFFF)) << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Locked, SplitterStrip, ::testing::Bool());

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
  for (int32_t y : {3, 16, 30}) {
    for (int32_t x : {186, 196, 198}) {
      EXPECT_EQ(at(x, y), GetParam().fill ? Slot(*GetParam().fill) : strip(y)) << x << "," << y;
    }
    EXPECT_EQ(at(185, y), strip(y));
    EXPECT_EQ(at(199, y), Slot(Slot::Border));
  }
  EXPECT_EQ(at(190, 2), strip(2));
  EXPECT_EQ(at(190, 31), strip(31));
  // Full-weight glyph pixels take the ink: near black.
  for (auto [x, y] : {std::pair{193, 13}, std::pair{189, 14}}) {
    const ColorRef ink = at(x, y);
    EXPECT_LE(platform::GetRValue(ink), 16);
    EXPECT_LE(platform::GetGValue(ink), 16);
    EXPECT_LE(platform::GetBValue(ink), 29);
  }
}

INSTANTIATE_TEST_SUITE_P(States, PlainChevron,
                         ::testing::Values(ChevronCase{false, false, std::nullopt},
                                           ChevronCase{true, false, Slot::HotFill},
                                           ChevronCase{true, true, Slot::PressedFill}));

TEST_F(FramePass, ButtonFaceBandCoversTheBottomTenth) {
  AddPanels(2, 0);
  const ColorRef face = platform::GetSysColor(platform::COLOR_BTNFACE);
  // From (400 div 10) x 9 = 360, 400 div 8 = 50 high (clipped at the bottom edge).
  for (int32_t y : {360, 366, 380, 398})
    EXPECT_EQ(ColorAt(Surface(), 100, y), face) << y;
  EXPECT_NE(ColorAt(Surface(), 100, 359), face);
}

TEST_F(FramePass, OutlinesTheWholeControlLast) {
  AddPanels(4, 2);
  Select(2);
  const ColorRef border = Slot(Slot::Border);
  for (int32_t y = 0; y < kControlHeight; ++y) {
    ASSERT_EQ(ColorAt(Surface(), 0, y), border) << y;
    ASSERT_EQ(ColorAt(Surface(), kControlWidth - 1, y), border) << y;
  }
  for (int32_t x = 0; x < kControlWidth; ++x) {
    ASSERT_EQ(ColorAt(Surface(), x, 0), border) << x;
    ASSERT_EQ(ColorAt(Surface(), x, kControlHeight - 1), border) << x;
  }
}

TEST_F(FramePass, PresentsTheSurfacesToTheirWindows) {
  AddPanels(3, 2);
  Select(1);
  host.Record().Clear();
  Refresh();
  const auto& frames = host.Record().presentedFrames;
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames[0].window, site->hWnd());
  EXPECT_EQ(std::pair(frames[0].width, frames[0].height), std::pair(kControlWidth, kControlHeight));
  EXPECT_EQ(frames[1].window, ToolbarWindow());
  EXPECT_EQ(std::pair(frames[1].width, frames[1].height), std::pair(kControlWidth, kToolbarHeight));
  EXPECT_EQ(frames[2].window, SplitterWindow());
  EXPECT_EQ(Words(*WindowImage(site->hWnd())), Words(Surface()));
  EXPECT_EQ(Words(*WindowImage(ToolbarWindow())), Words(ToolbarSurface()));
  EXPECT_EQ(frames[0].pixels, Words(Surface()));
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
  bar->SetBackColor(RGB(40, 120, 200));
  EXPECT_EQ(Words(Surface()), surface);
  const std::vector<uint32_t> direct = Words(*WindowImage(site->hWnd()));
  const std::vector<uint32_t> directToolbar = Words(*WindowImage(ToolbarWindow()));
  EXPECT_EQ(host.Record().presentedFrames.back().window, SplitterWindow());

  platform::CurrentDesktop().SetVersion({platform::PlatformId::kNT, 5, 1, 2600});
  DesktopChoice::Reread();
  Refresh();
  EXPECT_EQ(Words(*WindowImage(site->hWnd())), direct);
  EXPECT_EQ(Words(*WindowImage(ToolbarWindow())), directToolbar);
}

TEST_F(FramePass, ResizedSurfaceStartsAsTheWindowImageInTheControlFont) {
  AddPanels(2, 1);
  const platform::Bitmap& window = *WindowImage(site->hWnd());
  const std::vector<uint32_t> shown = Words(window);
  bar->SetRedraw(false);
  site->Resize(220 * 15.0, 420 * 15.0);
  ASSERT_EQ(Surface().Width(), 220);
  for (int32_t y : {0, 100, 399}) {
    for (int32_t x : {0, 150, 199}) {
      EXPECT_EQ(Surface().PixelAt(x, y), shown[static_cast<size_t>(y * kControlWidth + x)]);
    }
  }
  EXPECT_EQ(Surface().PixelAt(210, 410), 0u);
  const platform::LogFont& font = *Surface().hDC()->font().logFont;
  EXPECT_EQ(platform::FaceName(font), "Tahoma");
  EXPECT_EQ(font.lfHeight, -11);
}

TEST_F(FramePass, TextHeightOfAIsTheCellHeightInTwips) {
  EXPECT_EQ(Core().TextHeight("A"), 195.0);
  // Back to pixels, halves to even.
  EXPECT_EQ(render::CaptionHeightPixels(195.0, 15.0), 13);
  EXPECT_EQ(render::CaptionHeightPixels(45.0, 2.0), 22);
  EXPECT_EQ(render::CaptionHeightPixels(47.0, 2.0), 24);
  EXPECT_EQ(render::CaptionHeightPixels(195.0, 0.0), 0);
}

struct HeaderLayoutCase {
  bool toolbarOnTop;
  bool showIcon;
  bool hasIcon;
  bool rightToLeft;
  platform::Point icon;
  platform::Rect caption;  // as handed to DrawCaption
};

class HeaderLayout : public ::testing::TestWithParam<HeaderLayoutCase> {};

TEST_P(HeaderLayout, PlacesIconAndCaption) {
  render::HeaderPlacement p;
  p.controlWidth = 200;
  p.controlWidthTwips = 3000;
  p.toolbarHeight = 33;
  p.toolbarOnTop = GetParam().toolbarOnTop;
  p.showIcon = GetParam().showIcon;
  p.hasIcon = GetParam().hasIcon;
  p.rightToLeft = GetParam().rightToLeft;
  p.captionTextHeight = 16;
  const render::HeaderLayout layout = render::HeaderLayoutFor(p);
  EXPECT_EQ(layout.header,
            (platform::Rect{0, p.toolbarOnTop ? 33 : 0, 200, p.toolbarOnTop ? 61 : 28}));
  EXPECT_EQ(layout.icon, GetParam().icon);
  EXPECT_EQ(layout.caption, GetParam().caption);
}

// Toolbar at the bottom: caption top (28 - 16) div 2 - 4 = 2, bottom edge 28 - 2 = 26.
INSTANTIATE_TEST_SUITE_P(
    Placements, HeaderLayout,
    ::testing::Values(HeaderLayoutCase{false, true, true, false, {8, 2}, {41, 2, 2959, 26}},
                      HeaderLayoutCase{false, true, false, false, {8, 2}, {7, 2, 2993, 26}},
                      HeaderLayoutCase{false, false, false, false, {8, 2}, {5, 2, 2995, 26}},
                      HeaderLayoutCase{false, true, true, true, {166, 2}, {0, 2, 159, 26}},
                      HeaderLayoutCase{false, true, false, true, {166, 2}, {-34, 2, 193, 26}},
                      HeaderLayoutCase{true, true, true, false, {8, 35}, {41, 33, 2959, 100}}));

}  // namespace
}  // namespace wayband::testing
