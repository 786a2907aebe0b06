// The headless host's picture of a tip: a bordered info-coloured box holding the text,
// with a fading shadow when the tooltip class asks for one. Writes tooltip_tip.png (and
// tooltip_tip_x3.png) to the temporary directory for a look.
#include <gtest/gtest.h>

#include <filesystem>

#include "headless/tip_drawing.h"
#include "imaging/dib32.h"
#include "platform/system_colors.h"
#include "platform/tooltip/tool_info.h"
#include "support/png_file.h"

namespace wayband::headless {
namespace {

using platform::ColorRef;
using platform::Point;

constexpr ColorRef kDesk = platform::RGB(212, 208, 200);
constexpr Point kOrigin{20, 10};  // the screen point the surface's top-left shows

class TipDrawingTest : public ::testing::Test {
 protected:
  // Draws a tip at screen (30, 20) on a desk-coloured surface; returns its box there.
  platform::Rect Draw(platform::TipDisplay& tip, const char* text, bool dropShadow) {
    surface_.Create(200, 50);
    surface_.Clear(kDesk);
    tip.text = text;
    tip.position = {30, 20};
    tip.style = platform::TTS_ALWAYSTIP | platform::TTS_NOPREFIX;
    tip.dropShadow = dropShadow;
    DrawTip(*surface_.hDC(), tip, kOrigin);
    const platform::Rect screen = TipScreenRect(tip);
    return {screen.left - kOrigin.x, screen.top - kOrigin.y, screen.right - kOrigin.x,
            screen.bottom - kOrigin.y};
  }
  ColorRef At(int32_t x, int32_t y) const { return platform::GetPixel(*surface_.hDC(), x, y); }
  imaging::CDib32 surface_;
};

TEST_F(TipDrawingTest, ABorderedInfoBoxWithTextAndAShadowThatFadesOutwards) {
  platform::TipDisplay tip;
  const auto box = Draw(tip, "Mail & Calendar \xE2\x80\x94 \xC3\x89t\xC3\xA9", true);
  const ColorRef text = platform::GetSysColor(platform::COLOR_INFOTEXT);
  const ColorRef back = platform::GetSysColor(platform::COLOR_INFOBK);
  EXPECT_EQ((Point{box.left, box.top}), (Point{10, 10}));
  EXPECT_EQ(box.Height(), 13 + 2 * (1 + 2));  // the GUI font's cell, margins and border
  EXPECT_GT(box.Width(), 100);
  for (const Point p : {Point{box.left, box.top}, Point{box.right - 1, box.bottom - 1},
                        Point{box.left, box.bottom - 1}, Point{box.right - 1, box.top}}) {
    EXPECT_EQ(At(p.x, p.y), text) << p.x << "," << p.y;
  }
  EXPECT_EQ(At(box.left + 1, box.top + 1), back);
  EXPECT_EQ(At(box.right - 2, box.bottom - 2), back);
  int ink = 0;
  for (int32_t y = box.top + 3; y < box.bottom - 3; ++y) {
    for (int32_t x = box.left + 4; x < box.right - 4; ++x)
      ink += At(x, y) != back ? 1 : 0;
  }
  EXPECT_GT(ink, 100);
  // The shadow leaves the corners it does not reach.
  const auto red = [&](int32_t x, int32_t y) { return platform::GetRValue(At(x, y)); };
  EXPECT_LT(red(box.right, box.bottom - 2), red(box.right + 2, box.bottom - 2));
  EXPECT_LT(red(box.right + 2, box.bottom - 2), platform::GetRValue(kDesk));
  for (const Point p : {Point{box.right + 4, box.bottom - 2}, Point{box.right, box.top},
                        Point{box.left, box.bottom}}) {
    EXPECT_EQ(At(p.x, p.y), kDesk) << p.x << "," << p.y;
  }
  const std::filesystem::path dir = std::filesystem::temp_directory_path();
  EXPECT_TRUE(testing::WritePng(surface_, dir / "tooltip_tip.png"));
  EXPECT_TRUE(testing::WritePng(surface_, dir / "tooltip_tip_x3.png", 3));
}

TEST_F(TipDrawingTest, NoShadowWithoutTheClassStyleAndPrefixesFollowTheStyle) {
  platform::TipDisplay tip;
  const auto box = Draw(tip, "&Mail", false);
  EXPECT_EQ(At(box.right, box.bottom - 2), kDesk);
  EXPECT_EQ(At(box.right + 1, box.bottom), kDesk);
  tip.style = platform::TTS_ALWAYSTIP;  // "&" marks a mnemonic and is not shown
  EXPECT_LT(TipScreenRect(tip).Width(), box.Width());
}

}  // namespace
}  // namespace wayband::headless
