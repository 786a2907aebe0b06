// Helpers of the import tests: files imported from bytes, messages caught, and pixels of
// stored arrays read as words.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image_file_writer.h"
#include "imaging/byte_array3.h"
#include "imaging/icon_bytes.h"
#include "platform/host/message_box.h"
#include "wayband/picture.h"

namespace wayband::imaging::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  uint32_t flags = 0;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// Catches the message boxes shown while it lives.
class MessageCatcher {
 public:
  MessageCatcher();
  ~MessageCatcher();
  MessageCatcher(const MessageCatcher&) = delete;
  MessageCatcher& operator=(const MessageCatcher&) = delete;
  std::vector<ShownMessage> shown;

 private:
  host::MessageBoxHandler previous_;
};

// Writes the bytes to a temporary file of that name and imports it into `icon`.
void ImportBytes(CIconBytes& icon, const std::string& name, const std::vector<uint8_t>& bytes);

// The pixel of an array at picture position (x, y) from the top, as a word blue | green
// << 8 | red << 16 (| alpha << 24 for 4-channel arrays).
uint32_t ArrayPixel(const ByteArray3& array, int32_t x, int32_t y);

// The picture's image as 0xAARRGGBB words.
RgbaImage PicturePixels(const Picture& picture);

// The (size index, kind) slots that hold an array.
std::vector<std::pair<int32_t, int32_t>> FilledSlots(const CIconBytes& icon);

}  // namespace wayband::imaging::testing
