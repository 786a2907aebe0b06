// What every text call starts with: the context's font, realized, and the text decoded.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/drawing_context.h"
#include "platform/text/realized_font.h"

namespace wayband::platform::text {

// The record of the font selected in the context (DefaultGuiLogFont() when none is).
const LogFont& SelectedLogFont(const DrawingContext& dc);

// Its realization; null when no face can be opened. Call with the text engine locked.
std::shared_ptr<RealizedFont> SelectedFont(const DrawingContext& dc);

// The text's characters up to its first NUL, at most kMaxTextCharacters of them; nothing
// when the text is not well-formed UTF-8.
std::optional<std::u32string> DecodeText(std::string_view utf8);

}  // namespace wayband::platform::text
