// Icons the painting tests give their panels, made directly from pixel arrays at 16 and 24
// pixels (32-bit, kind 4): a plain opaque square and a disc with a soft edge.
#pragma once

#include <string>

#include "imaging/icon_bytes.h"
#include "platform/color.h"

namespace wayband::testing {

// An opaque icon in one plain colour.
imaging::CIconBytes SolidIcon(const std::string& key, platform::ColorRef color);

// A disc of `color` with a soft edge and a white highlight, transparent around it.
imaging::CIconBytes MakeDiscIcon(const std::string& key, platform::ColorRef color);

}  // namespace wayband::testing
