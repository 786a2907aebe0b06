#include "render/draw/font_record.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/device_caps.h"
#include "platform/mul_div.h"
#include "platform/round_half_even.h"
#include "platform/text/utf8_decode.h"
#include "render/draw/drawing_flags.h"

namespace wayband::render {
namespace {

constexpr int32_t kPointsPerInch = 72;
constexpr size_t kMaxFaceCharacters = platform::LF_FACESIZE - 1;

// The face name: at most 31 characters. The characters keep their Unicode values (the
// field holds UTF-8) rather than narrowing to a code page, so faces with names outside
// Latin script still resolve; the name is cut between characters where its bytes would
// overrun the field. A name that is not UTF-8 is copied byte by byte.
void SetFaceNameFromFont(platform::LogFont& record, const std::string& name) {
  if (!platform::text::IsUtf8(name)) {
    platform::SetFaceName(record, name);
    return;
  }
  // Well-formed UTF-8: each lead byte gives its sequence's length.
  size_t bytes = 0;
  size_t count = 0;
  while (bytes < name.size() && count < kMaxFaceCharacters) {
    const auto lead = static_cast<unsigned char>(name[bytes]);
    const size_t length = static_cast<size_t>(lead >= 0xC0) + static_cast<size_t>(lead >= 0xE0) +
                          static_cast<size_t>(lead >= 0xF0) + 1;
    if (bytes + length > kMaxFaceCharacters) break;
    bytes += length;
    ++count;
  }
  platform::SetFaceName(record, std::string_view(name).substr(0, bytes));
}

int32_t WholePoints(double size) {
  const int64_t points = platform::RoundHalfEven(size);
  return static_cast<int32_t>(std::clamp<int64_t>(points, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

void FontToLogFont(const StdFont& font, const platform::DrawingContext* context,
                   platform::LogFont* record, bool forceBold) {
  if (record == nullptr) return;
  const platform::DrawingContext& dc =
      context != nullptr ? *context : platform::DrawingContext::Screen();
  const int32_t pixelsPerInch = platform::GetDeviceCaps(dc, platform::LOGPIXELSY);

  *record = platform::LogFont{};
  SetFaceNameFromFont(*record, font.Name());
  record->lfHeight = -platform::MulDiv(WholePoints(font.Size()), pixelsPerInch, kPointsPerInch);
  record->lfWidth = 0;
  record->lfItalic = font.Italic() ? 1 : 0;
  record->lfWeight = font.Bold() || forceBold ? platform::FW_BOLD : platform::FW_NORMAL;
  record->lfUnderline = font.Underline() ? 1 : 0;
  record->lfStrikeOut = font.Strikethrough() ? 1 : 0;
  record->lfCharSet = static_cast<uint8_t>(font.Charset());
  record->lfQuality = CurrentDrawingFlags().ClearTypeQuality ? platform::CLEARTYPE_QUALITY
                                                             : platform::ANTIALIASED_QUALITY;
}

std::shared_ptr<StdFont> CloneFont(const std::shared_ptr<StdFont>& source) {
  auto copy = std::make_shared<StdFont>();
  if (!source) {
    copy->SetName(kFallbackFontName);
    copy->SetSize(kFallbackFontSize);
    return copy;
  }
  copy->SetBold(source->Bold());
  copy->SetCharset(source->Charset());
  copy->SetItalic(source->Italic());
  copy->SetName(source->Name());
  copy->SetSize(source->Size());
  copy->SetStrikethrough(source->Strikethrough());
  copy->SetUnderline(source->Underline());
  copy->SetWeight(source->Weight());
  return copy;
}

}  // namespace wayband::render
