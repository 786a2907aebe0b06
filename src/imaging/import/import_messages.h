// The two messages of the image import: images that are not square are refused.
#pragma once

#include <cstdint>

#include "platform/host/message_box.h"

namespace wayband::imaging {

inline constexpr const char* kPngNotSquareText =
    "This image is not supported. PNG images must have equal width and height.";
inline constexpr const char* kPngNotSquareTitle = "Merrowind PNG Decoder";
inline constexpr const char* kPictureNotSquareText =
    "This image is not supported. Images must have equal width and height.";
inline constexpr const char* kPictureNotSquareTitle = "Merrowind Image Renderer";
// An exclamation icon and one OK button.
inline constexpr uint32_t kImportMessageFlags = host::MB_OK | host::MB_ICONEXCLAMATION;

}  // namespace wayband::imaging
