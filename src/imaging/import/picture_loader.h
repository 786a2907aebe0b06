// The picture loader: makes a picture object from an image file, as the platform's
// LoadPicture does. BMP (every bit depth, RLE, top-down), GIF (the first frame, its
// transparent colour kept transparent) and JPEG (baseline, progressive, greyscale) are
// decoded by the platform's raster codecs; cursor and icon files by the icon-file reader
// (their largest image, drawn with its mask). The format is told by the content. BMP and
// JPEG pictures are opaque.
//
// Every picture is a bitmap picture: its image is 32 bits per pixel, its size in HIMETRIC
// is measured at the screen's pixels per inch when it is loaded (so it converts back to
// its pixel size on that screen), and it keeps the file's bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "wayband/picture.h"

namespace wayband::imaging {

// Largest file the loader reads; a larger one is refused unread.
inline constexpr uint64_t kMaxPictureFileBytes = uint64_t{64} << 20;

// Null when the file cannot be read or decoded.
std::shared_ptr<Picture> LoadPicture(const std::filesystem::path& path);
// The same for a file already in memory.
std::shared_ptr<Picture> LoadPictureFromBytes(std::vector<uint8_t> bytes);

}  // namespace wayband::imaging
