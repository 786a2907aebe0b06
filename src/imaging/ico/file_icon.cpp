#include "imaging/ico/file_icon.h"

#include <utility>

#include "imaging/ico/file_bytes.h"
#include "imaging/ico/icon_image.h"

namespace wayband::imaging {
namespace {

// Sets the part into a bitmap of imageWidth x imageHeight in `memory` and copies it to the
// target, at its own size or stretched.
void BlitPart(platform::DrawingContext& target, platform::DrawingContext& memory,
              const ico::DibPart& part, int32_t imageWidth, int32_t imageHeight, int32_t x,
              int32_t y, int32_t width, int32_t height, platform::RasterOp rop) {
  const int32_t lines =
      platform::SetDIBitsToDevice(memory, 0, 0, imageWidth, imageHeight, 0, 0, 0, part.rowCount,
                                  part.rows, part.header, part.colors);
  if (lines <= 0) return;
  if (width == 0 && height == 0) {
    platform::BitBlt(target, x, y, imageWidth, imageHeight, &memory, 0, 0, rop);
    return;
  }
  platform::StretchBlt(target, x, y, width != 0 ? width : imageWidth,
                       height != 0 ? height : imageHeight, &memory, 0, 0, imageWidth, imageHeight,
                       rop);
}

}  // namespace

bool CFileIcon::LoadIconFile(const std::filesystem::path& path) {
  path_ = path;
  file_.reset();
  return Load(ico::ReadFileBytes(path, ico::kMaxIconFileBytes), ico::IconFileType::kIcon);
}

bool CFileIcon::LoadIconBytes(std::span<const uint8_t> bytes) {
  path_.clear();
  file_.reset();
  return Load(std::vector<uint8_t>(bytes.begin(), bytes.end()), ico::IconFileType::kIcon);
}

bool CFileIcon::LoadCursorBytes(std::span<const uint8_t> bytes) {
  path_.clear();
  file_.reset();
  return Load(std::vector<uint8_t>(bytes.begin(), bytes.end()), ico::IconFileType::kCursor);
}

bool CFileIcon::Load(std::optional<std::vector<uint8_t>> bytes, ico::IconFileType accepted) {
  if (!bytes) return false;
  file_ = ico::ParseIconFile(std::move(*bytes), accepted);
  return file_.has_value();
}

int32_t CFileIcon::ImageCount() const {
  return file_ ? static_cast<int32_t>(file_->ImageCount()) : 0;
}

const ico::IconDirEntry* CFileIcon::Entry(int32_t image) const {
  if (image < 1 || image > ImageCount()) return nullptr;
  return &file_->Entries()[static_cast<size_t>(image - 1)];
}

int32_t CFileIcon::ImageWidth(int32_t image) const {
  const ico::IconDirEntry* entry = Entry(image);
  return entry ? entry->width : 0;
}

int32_t CFileIcon::ImageHeight(int32_t image) const {
  const ico::IconDirEntry* entry = Entry(image);
  return entry ? entry->height : 0;
}

std::span<const uint8_t> CFileIcon::ImageData(int32_t image) const {
  if (!Entry(image)) return {};
  return file_->ImageBytes(static_cast<size_t>(image - 1));
}

int32_t CFileIcon::ImageBitCount(int32_t image) const {
  if (!Entry(image)) return 0;
  return ico::ImageHeaderBitCount(file_->ImageBytes(static_cast<size_t>(image - 1)));
}

void CFileIcon::DrawImage(platform::DrawingContext* target, int32_t image, IconImagePart part,
                          int32_t x, int32_t y, int32_t width, int32_t height,
                          platform::RasterOp rop) const {
  const ico::IconDirEntry* entry = Entry(image);
  if (!target || !entry) return;
  const std::span<const uint8_t> data = file_->ImageBytes(static_cast<size_t>(image - 1));
  const bool mask = part == IconImagePart::kMask;
  if (!mask && part != IconImagePart::kColour) return;
  const std::optional<ico::DibPart> dib = mask ? ico::MaskPart(data) : ico::ColourPart(data);
  if (!dib) return;

  // The mask is set into a monochrome bitmap: one compatible with a fresh memory context
  // of the screen, which holds a monochrome bitmap until another is selected.
  auto memory = platform::DrawingContext::CreateCompatible(mask ? nullptr : target);
  if (!memory) return;
  platform::BitmapHandle bitmap =
      platform::CreateCompatibleBitmap(mask ? *memory : *target, entry->width, entry->height);
  if (!bitmap) return;
  platform::BitmapHandle previous = memory->SelectBitmap(bitmap);
  BlitPart(*target, *memory, *dib, entry->width, entry->height, x, y, width, height, rop);
  if (previous) memory->SelectBitmap(std::move(previous));
}

}  // namespace wayband::imaging
