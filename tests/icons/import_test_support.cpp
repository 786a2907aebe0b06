#include "import_test_support.h"

#include "image_file_writer.h"
#include "imaging/icon_sizes.h"
#include "platform/bitmap.h"

namespace wayband::imaging::testing {

MessageCatcher::MessageCatcher()
    : previous_(host::SetMessageBoxHandler(
          [this](std::string_view text, std::string_view title, uint32_t flags) {
            shown.push_back({std::string(text), std::string(title), flags});
            return host::IDOK;
          })) {}

MessageCatcher::~MessageCatcher() {
  host::SetMessageBoxHandler(std::move(previous_));
}

void ImportBytes(CIconBytes& icon, const std::string& name, const std::vector<uint8_t>& bytes) {
  icon.ImportFile(WriteTempFile(name, bytes));
}

uint32_t ArrayPixel(const ByteArray3& array, int32_t x, int32_t y) {
  const int32_t row = array.Height() - 1 - y;
  uint32_t word = 0;
  for (int32_t c = 0; c < array.Channels(); ++c)
    word |= uint32_t{array.At(c, x, row)} << (8 * c);
  return word;
}

RgbaImage PicturePixels(const Picture& picture) {
  const platform::Bitmap& image = *picture.Image();
  return MakeImage(image.width(), image.height(),
                   [&image](int32_t x, int32_t y) { return image.PixelAt(x, y); });
}

std::vector<std::pair<int32_t, int32_t>> FilledSlots(const CIconBytes& icon) {
  std::vector<std::pair<int32_t, int32_t>> slots;
  for (int32_t size = 0; size < kIconSizeCount; ++size) {
    for (int32_t kind = 0; kind < kIconKindCount; ++kind) {
      if (!icon.GetBytes(size, kind).IsEmpty()) slots.emplace_back(size, kind);
    }
  }
  return slots;
}

}  // namespace wayband::imaging::testing
