// A check of JPEG files before stb_image reads them. stb_image's Huffman table builder
// trusts the code counts of a DHT segment: counts that add up to more than the 256
// symbols a table holds make it write past the table. Files with such a segment are
// damaged (a table has at most 256 symbols) and are refused here instead.
#pragma once

#include <cstdint>
#include <span>

namespace wayband::platform::codecs {

// False when a DHT segment anywhere in the file (between scans too) declares a table of
// more than 256 codes, read as the decoder reads it (a segment running past the end of the
// file continues with zero bytes); true otherwise, also for files damaged in other ways,
// which the decoder itself refuses.
bool JpegHuffmanTablesFit(std::span<const uint8_t> file);

}  // namespace wayband::platform::codecs
