// Writing a surface as a PNG file (8-bit RGB; the surfaces' alpha bytes carry no meaning
// for an opaque window image).
#pragma once

#include <filesystem>
#include <string>

#include "imaging/dib32.h"

namespace wayband::render_tool {

// False, with `error` set, when the file cannot be written or the surface is empty.
bool WritePng(const imaging::CDib32& image, const std::filesystem::path& path, std::string* error);

}  // namespace wayband::render_tool
