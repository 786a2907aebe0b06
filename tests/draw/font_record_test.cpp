// Logical fonts from font objects, and font copies.
#include <gtest/gtest.h>

#include <string>

#include "draw_fixture.h"
#include "platform/drawing_context.h"
#include "platform/text/logical_font.h"
#include "render/draw/font_record.h"

namespace wayband::test {
namespace {

using platform::LogFont;

LogFont RecordOf(const StdFont& font, bool forceBold = false,
                 const platform::DrawingContext* context = nullptr) {
  LogFont record;
  record.lfEscapement = 77;  // every field is written
  render::FontToLogFont(font, context, &record, forceBold);
  return record;
}

TEST_F(DrawTest, LogFontHeightRoundsThePointSizeThenScalesByTheDisplayDensity) {
  StdFont font;
  font.SetSize(8.25);
  EXPECT_EQ(RecordOf(font).lfHeight, -11);  // 8 · 96 / 72 = 10.67 → 11
  font.SetSize(8.5);                        // halves to even: 8
  EXPECT_EQ(RecordOf(font).lfHeight, -11);
  font.SetSize(12);
  EXPECT_EQ(RecordOf(font).lfHeight, -16);
  Desktop().SetLogicalDpi(120);
  Canvas canvas(2, 2);
  EXPECT_EQ(RecordOf(font, false, canvas.dc()).lfHeight, -20);
  font.SetSize(0);
  EXPECT_EQ(RecordOf(font).lfHeight, 0);
}

TEST_F(DrawTest, LogFontCarriesTheStyleAndTheQualityOfTheSystem) {
  StdFont font;
  font.SetName("Verdana");
  font.SetItalic(true);
  font.SetUnderline(true);
  font.SetStrikethrough(true);
  font.SetCharset(177);
  LogFont record = RecordOf(font);
  EXPECT_EQ(platform::FaceName(record), "Verdana");
  EXPECT_EQ(record.lfWeight, platform::FW_NORMAL);
  EXPECT_EQ(RecordOf(font, true).lfWeight, platform::FW_BOLD);
  EXPECT_EQ(record.lfItalic, 1);
  EXPECT_EQ(record.lfUnderline, 1);
  EXPECT_EQ(record.lfStrikeOut, 1);
  EXPECT_EQ(record.lfCharSet, 177);
  EXPECT_EQ(record.lfEscapement, 0);
  EXPECT_EQ(record.lfWidth, 0);
  EXPECT_EQ(record.lfQuality, platform::CLEARTYPE_QUALITY);  // version 5.1

  SetVersion(platform::OsVersion{platform::PlatformId::kNT, 5, 0, 2195});
  EXPECT_EQ(RecordOf(font).lfQuality, platform::ANTIALIASED_QUALITY);
  font.SetWeight(600);
  EXPECT_EQ(RecordOf(font).lfWeight, platform::FW_BOLD);
}

TEST_F(DrawTest, LogFontFaceNameKeepsAtMost31WholeCharacters) {
  StdFont font;
  font.SetName(std::string(40, 'x'));
  EXPECT_EQ(platform::FaceName(RecordOf(font)), std::string(31, 'x'));
  // Two-byte characters: fifteen fit in 31 bytes; the sixteenth is not split.
  std::string greek;
  for (int i = 0; i < 20; ++i)
    greek += "\u03A9";
  font.SetName(greek);
  EXPECT_EQ(platform::FaceName(RecordOf(font)), greek.substr(0, 30));
  font.SetName("");
  EXPECT_EQ(platform::FaceName(RecordOf(font)), "");
}

TEST(FontClone, CopiesEveryPropertyOrMakesTheFallbackFont) {
  const auto fallback = render::CloneFont(nullptr);
  EXPECT_EQ(fallback->Name(), "Tahoma");
  EXPECT_EQ(fallback->Size(), 8.0);
  EXPECT_FALSE(fallback->Bold());

  auto source = std::make_shared<StdFont>();
  source->SetName("Verdana");
  source->SetSize(9.75);
  source->SetWeight(800);
  source->SetItalic(true);
  source->SetUnderline(true);
  source->SetStrikethrough(true);
  source->SetCharset(238);
  const auto copy = render::CloneFont(source);
  EXPECT_NE(copy, source);
  EXPECT_EQ(*copy, *source);  // the weight, set last, survives the bold flag
  copy->SetName("Changed");
  EXPECT_EQ(source->Name(), "Verdana");
}

}  // namespace
}  // namespace wayband::test
