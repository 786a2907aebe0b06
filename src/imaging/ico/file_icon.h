// CFileIcon: an icon file read into memory, image by image, and the drawing of any one
// image's colour part or mask into a drawing context. The image import reads icon files
// through it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "imaging/ico/icon_file_parser.h"
#include "platform/drawing_context.h"

namespace wayband::imaging {

// The part of an image DrawImage draws.
enum class IconImagePart : int32_t { kColour = 0, kMask = 1 };

class CFileIcon {
 public:
  // Remembers the path, clears all previous content and reads the file: True when the
  // header (reserved 0, type 1, a count of 1 or more), every directory entry and every
  // image were read in full; otherwise no images remain. Cursor files (type 2) are
  // refused. Files above ico::kMaxIconFileBytes are refused unread.
  bool LoadIconFile(const std::filesystem::path& path);
  // The same from bytes already in memory (the path is cleared).
  bool LoadIconBytes(std::span<const uint8_t> bytes);
  // A cursor file (type 2) from bytes in memory, by the same rules; its directory entries
  // keep the hot spot where an icon file keeps planes and bit count. Icon files are
  // refused here.
  bool LoadCursorBytes(std::span<const uint8_t> bytes);

  const std::filesystem::path& Path() const { return path_; }

  // Number of images; 0 before a successful load.
  int32_t ImageCount() const;
  // Width and height bytes of the directory entry of image 1..ImageCount() (0 for a
  // 256-pixel image, whose byte is 0); 0 for any other image number.
  int32_t ImageWidth(int32_t image) const;
  int32_t ImageHeight(int32_t image) const;
  // The bit count in the image's own information header; 0 for an unknown image number or
  // image data shorter than 16 bytes.
  int32_t ImageBitCount(int32_t image) const;
  // The stored data of image 1..ImageCount() (empty for any other number).
  std::span<const uint8_t> ImageData(int32_t image) const;

  // Draws one part of one image at (x, y) of the target with the raster operation: at the
  // directory's size when width and height are both 0, else stretched to width (or the
  // image width when 0) by height (or the image height when 0). The colour part goes
  // through a bitmap compatible with the target; the mask through a monochrome one, whose
  // 1 bits (transparent pixels) take the target's background colour and 0 bits its text
  // colour. Nothing is drawn for an unknown image number or part, when the bitmap cannot
  // be made (for example a directory size of 0), or when the image's header describes
  // rows that are not all in its data or a format the platform cannot set.
  void DrawImage(platform::DrawingContext* target, int32_t image, IconImagePart part, int32_t x,
                 int32_t y, int32_t width = 0, int32_t height = 0,
                 platform::RasterOp rop = platform::SRCCOPY) const;

 private:
  // Every load goes through here; `accepted` is the one file type taken.
  bool Load(std::optional<std::vector<uint8_t>> bytes, ico::IconFileType accepted);
  const ico::IconDirEntry* Entry(int32_t image) const;

  std::filesystem::path path_;
  std::optional<ico::IconFileData> file_;
};

}  // namespace wayband::imaging
