#include "platform/text/context_font.h"

#include "platform/text/text_output.h"
#include "platform/text/utf8_decode.h"

namespace wayband::platform::text {

const LogFont& SelectedLogFont(const DrawingContext& dc) {
  return dc.font().IsNull() ? DefaultGuiLogFont() : *dc.font().logFont;
}

std::shared_ptr<RealizedFont> SelectedFont(const DrawingContext& dc) {
  return RealizedFont::For(SelectedLogFont(dc));
}

std::optional<std::u32string> DecodeText(std::string_view utf8) {
  std::optional<std::u32string> text = DecodeUtf8(UpToNul(utf8));
  if (text && text->size() > kMaxTextCharacters) text->resize(kMaxTextCharacters);
  return text;
}

}  // namespace wayband::platform::text
