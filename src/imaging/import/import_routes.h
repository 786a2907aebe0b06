// The three routes of CIconBytes::ImportFile, each from a file already read: icon files,
// PNG files and pictures. Each stores the images it accepts with SetBytes, replacing what
// was at the same size and kind, and leaves everything else as it was.
#pragma once

#include <memory>
#include <string_view>

#include "imaging/ico/file_icon.h"
#include "imaging/icon_bytes.h"
#include "imaging/png/png_decoder.h"
#include "wayband/picture.h"

namespace wayband::imaging {

enum class ImportRoute { kIconFile, kPng, kPicture };

// How the picture route tells the background: the top-left pixel's colour exactly, or
// within a tolerance per channel (for JPEG files, whose flat areas are not flat).
enum class BackgroundMatch { kExact, kNear };

struct RouteChoice {
  ImportRoute route = ImportRoute::kPicture;
  BackgroundMatch background = BackgroundMatch::kExact;
};

// By the last three characters of the path, upper-cased: "ICO", "PNG", anything else the
// picture route ("JPG" with the tolerant background).
RouteChoice ChooseImportRoute(std::string_view path);

// Every image of the icon file at a standard size, as 32-bit arrays (kind 4) or 24-bit
// renderings on the key colour (kinds 1 to 3).
void ImportIconFileImages(const CFileIcon& file, CIconBytes& icon);

// The decoded PNG at the nearest standard size, 32 bits (kind 4). A PNG that is not square
// shows the PNG message and stores nothing.
void ImportPngImage(const CPngDecoder& decoder, CIconBytes& icon);

// The picture rendered on the key colour, its background keyed out, at the nearest
// standard size, 24 bits (kind 3); the icon then holds the picture. A picture that is not
// square shows the picture message and stores nothing.
void ImportPictureImage(const std::shared_ptr<const Picture>& picture, BackgroundMatch background,
                        CIconBytes& icon);

}  // namespace wayband::imaging
