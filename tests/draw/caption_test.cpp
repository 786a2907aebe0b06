// Captions: display text (stored UTF-8 bytes shown decoded), the format flags, the grey
// look, the path for systems outside the NT family, what counts as text beyond the code
// page, logical fonts made from font objects, and font copies.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "draw_fixture.h"
#include "platform/system_colors.h"
#include "platform/text/display_text.h"
#include "platform/text/logical_font.h"
#include "platform/text/text_output.h"
#include "render/draw/caption.h"
#include "render/draw/font_record.h"

namespace wayband::test {
namespace {

using platform::Rect;
using namespace platform;  // DT_ flags

const ColorRef kPaper = RGB(255, 255, 255);

TEST(CaptionFormat, CentreWinsOverRightAndWrapReplacesSingleLine) {
  const struct {
    bool centre, right, wrap;
    uint32_t extra, expected;
  } cases[] = {
      {true, false, true, 0, DT_CENTER | DT_END_ELLIPSIS | DT_WORDBREAK},
      {false, true, false, 0, DT_SINGLELINE | DT_RIGHT | DT_END_ELLIPSIS},
      {false, false, true, 0, DT_SINGLELINE | DT_END_ELLIPSIS | DT_WORDBREAK},
      {true, true, false, DT_VCENTER, DT_CENTER | DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER},
      {false, false, false, DT_VCENTER | DT_NOPREFIX,
       DT_SINGLELINE | DT_END_ELLIPSIS | DT_VCENTER | DT_NOPREFIX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(render::CaptionFormat(c.centre, c.right, c.wrap, c.extra), c.expected)
        << c.centre << c.right << c.wrap << " " << c.extra;
  }
  for (const auto& [text, nonAnsi] : {std::pair{"", false},
                                      {"Caf\u00E9 \u00FF", false},
                                      {"\u0100", true},
                                      {"a\U0001F600", true},
                                      {"\xE9", true}})  // the last is not UTF-8
    EXPECT_EQ(render::HasNonAnsiChar(text), nonAnsi) << text;
}

class Caption : public DrawTest {
 protected:
  Canvas canvas_{200, 40, kPaper};
  void SetUp() override {
    DrawTest::SetUp();
    canvas_.dc()->SetBkMode(BackgroundMode::kTransparent);
    canvas_.dc()->SetTextColor(RGB(0, 0, 0));
  }
  Rect Draw(std::string_view text, Rect rect, uint32_t extra = DT_VCENTER, bool normal = true) {
    canvas_.Fill(kPaper);
    render::DrawCaption(canvas_.dc(), text, rect.left, rect.top, rect.right, rect.bottom, normal,
                        COLOR_BTNTEXT, false, false, false, extra);
    return canvas_.InkBounds(kPaper);
  }
};

TEST_F(Caption, StoredUtf8BytesDrawAsTheirCharactersAndTheGreyLookRestoresTheColour) {
  const Rect rect{0, 0, 200, 40};
  Draw("Caf\u00E9", rect);
  const int64_t decodedInk = canvas_.CountOther(kPaper);
  Draw("Caf\u00C3\u00A9", rect);
  EXPECT_EQ(canvas_.CountOther(kPaper), decodedInk);
  EXPECT_EQ(Draw("", rect), Rect{});

  Draw("Disabled", rect, DT_VCENTER, /*normal=*/false);
  const ColorRef grey = GetSysColor(render::kGrayTextColorIndex);
  EXPECT_LT(canvas_.CountOther(grey), 200 * 40);  // some pixels are grey
  EXPECT_EQ(canvas_.dc()->TextColor(), GetSysColor(COLOR_BTNTEXT));
}

// Outside the NT family text beyond the code page is drawn as one clipped line from the
// rectangle's top-left, four pixels lower for vertically centred captions.
TEST_F(Caption, WithoutTheNtFamilyNonAnsiTextIsOneLineFromTheTopLeft) {
  SetVersion(OsVersion{PlatformId::kWindows, 4, 10, 2222});
  const Rect rect{30, 2, 120, 38};
  const std::string hebrew = "\u05D3\u05D5\u05D0\u05E8 \u05E0\u05DB\u05E0\u05E1";
  const Rect plain = Draw(hebrew, rect, 0);
  const Rect shifted = Draw(hebrew, rect, DT_VCENTER);
  EXPECT_TRUE(plain.left >= rect.left && plain.right <= rect.right && !plain.IsEmpty());
  EXPECT_EQ(shifted.top, plain.top + 4);
  EXPECT_LT(plain.top, rect.top + 6);  // not centred in the 36-pixel rectangle
  // ANSI text is formatted as on NT: centred vertically.
  EXPECT_GT(Draw("Caf\u00E9", rect, DT_VCENTER).top, rect.top + 10);
  EXPECT_EQ(Draw("", rect), Rect{});
}

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
  // 8 · 96 / 72 = 10.67 → 11; 8.5 halves to even: 8.
  for (const auto& [points, height] : {std::pair{8.25, -11}, {8.5, -11}, {12.0, -16}, {0.0, 0}}) {
    font.SetSize(points);
    EXPECT_EQ(RecordOf(font).lfHeight, height) << points;
  }
  font.SetSize(12);
  Desktop().SetLogicalDpi(120);
  Canvas canvas(2, 2);
  EXPECT_EQ(RecordOf(font, false, canvas.dc()).lfHeight, -20);
}

TEST_F(DrawTest, LogFontCarriesTheStyleTheQualityOfTheSystemAndAtMost31WholeCharacters) {
  StdFont font;
  font.SetName("Verdana");
  font.SetItalic(true);
  font.SetUnderline(true);
  font.SetStrikethrough(true);
  font.SetCharset(177);
  const LogFont r = RecordOf(font);
  EXPECT_EQ(platform::FaceName(r), "Verdana");
  // Every field is written; the quality is the system's (ClearType from version 5.1).
  EXPECT_EQ(std::tuple(r.lfWeight, r.lfItalic, r.lfUnderline, r.lfStrikeOut, r.lfCharSet,
                       r.lfEscapement, r.lfWidth, r.lfQuality),
            std::tuple(platform::FW_NORMAL, 1, 1, 1, 177, 0, 0, platform::CLEARTYPE_QUALITY));
  EXPECT_EQ(RecordOf(font, true).lfWeight, platform::FW_BOLD);
  SetVersion(platform::OsVersion{platform::PlatformId::kNT, 5, 0, 2195});
  EXPECT_EQ(RecordOf(font).lfQuality, platform::ANTIALIASED_QUALITY);
  // Without a font to copy, a copy is the fallback font.
  EXPECT_EQ(render::CloneFont(nullptr)->Name(), "Tahoma");

  // Two-byte characters: fifteen fit in 31 bytes; the sixteenth is not split.
  std::string greek;
  for (int i = 0; i < 20; ++i)
    greek += "\u03A9";
  for (const auto& [name, kept] : {std::pair{std::string(40, 'x'), std::string(31, 'x')},
                                   {greek, greek.substr(0, 30)},
                                   {std::string(), std::string()}}) {
    font.SetName(name);
    EXPECT_EQ(platform::FaceName(RecordOf(font)), kept);
  }
}

TEST(DisplayText, ShowsTheDecodedTextOnlyWhenItReEncodesExactly) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "abc"},
      {"\u00C3\u00A9", "\u00E9"},  // the bytes of é stored one per character
      {"\u00E9", "\u00E9"},
      // The bytes E2 82 AC of the euro sign: E2 is â, 82 is ‚ (U+201A), AC is ¬.
      {"\u00E2\u201A\u00AC", "\u20AC"},
      // Hebrew alef, D7 90: 90 is one of the undefined positions and stands for U+0090.
      {"\u00D7\u0090", "\u05D0"},
      {"\u00C3\u00A9\r\nx", "\u00C3\u00A9\r\nx"},  // CR LF keeps the stored text
      {"\u00C3\u00A9\nx", "\u00E9\nx"},
      {"a<br>b", "a<br>b"},
      {"\u6536\u4EF6\u7BB1", "\u6536\u4EF6\u7BB1"},
      {"\u00C3", "\u00C3"},  // a truncated sequence
      {"\xC3(", "\xC3("},    // not UTF-8 itself
  };
  for (const auto& [stored, shown] : cases)
    EXPECT_EQ(platform::DisplayText(stored), shown) << stored;
}

TEST(DisplayText, EncodeAndDecodeMapEveryByteThroughWindows1252) {
  const struct {
    std::string text;
    bool breaks;
    std::string stored;
  } encodings[] = {
      {"\u00E9", false, "\u00C3\u00A9"}, {"\u20AC", false, "\u00E2\u201A\u00AC"},
      {"\u05D0", false, "\u00D7\u0090"}, {"a\r\nb\r\n", true, "a<br>b<br>"},
      {"a\r\nb", false, "a\r\nb"},       {"", true, ""},
  };
  for (const auto& c : encodings)
    EXPECT_EQ(platform::Utf8Encode(c.text, c.breaks), c.stored) << c.text;
  // What is not UTF-8 reads as U+FFFD, which, like CJK, is outside the code page.
  EXPECT_EQ(platform::Utf8Decode("\u00E9"), "\uFFFD");  // a lone byte E9
  EXPECT_EQ(platform::Utf8Decode("\u6536"), "?");
  EXPECT_EQ(platform::Utf8Decode(std::string("\xFF") + "a"), "?a");
  // Texts of every UTF-8 sequence length round-trip through the byte-per-character form.
  for (const std::string& text :
       {std::string("Caf\u00E9 \u0627\u6536 \U0001F600"), std::string("nul\0in", 6)}) {
    const std::string stored = platform::Utf8Encode(text, false);
    EXPECT_EQ(platform::Utf8Decode(stored), text);
    EXPECT_EQ(platform::DisplayText(stored), text);
  }
}

}  // namespace
}  // namespace wayband::test
