// Colours in scene files: a number (the 32-bit colour value, system references included),
// "#RRGGBB", or the name of a system colour ("ButtonFace", "Highlight" ...), matched
// without regard to case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wayband::render_tool {

// The colour value of "#RRGGBB" (red in the low byte) or of a system colour name.
std::optional<uint32_t> ColorFromText(std::string_view text);

// The system colour names, comma-separated, for messages.
std::string SystemColorNames();

}  // namespace wayband::render_tool
