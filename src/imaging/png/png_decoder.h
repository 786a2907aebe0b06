// CPngDecoder: reads a PNG file into a platform bitmap for the image import. One decoder
// is made per import; Load is called once, the caller copies Bitmap() and calls
// FreeBitmap().
//
// An RGB image gives a 24-bit bitmap (rows top-down), a grey + alpha or RGBA image a
// 32-bit bitmap (rows bottom-up, blue, green, red, straight alpha). Grey and palette
// images are decoded to a paletted result that is not handed out: Bitmap() stays null.
// No bitmap results either for a file without the signature, with a chunk running past
// the end of the file, without image data, with an unsupported format, or over the size
// limits of imaging/png/limits.h (or smaller ones given to the constructor). A corrupt
// compressed stream gives a bitmap of what was decoded before the fault, the rest zero.
// CRCs and the Adler-32 are not checked.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "imaging/png/decode_image.h"
#include "imaging/png/inflate.h"
#include "imaging/png/limits.h"
#include "imaging/png/png_file.h"
#include "platform/bitmap.h"

namespace wayband::imaging {

class CPngDecoder {
 public:
  // How the last Load ended.
  enum class Outcome {
    kNotLoaded,
    kBitmap,             // Bitmap() holds the image
    kPaletted,           // grey or palette image: decoded, no bitmap handed out
    kUnreadableFile,     // the file could not be opened or read
    kNotPng,             // no PNG signature
    kChunkPastEnd,       // a chunk ran past the end of the file
    kNoImageData,        // no IDAT data
    kUnsupportedFormat,  // colour type / bit depth / interlace method not decodable
    kLimitExceeded,      // over the decoder's size limits
  };

  explicit CPngDecoder(png::DecodeLimits limits = {}) : limits_(limits) {}
  CPngDecoder(const CPngDecoder&) = delete;
  CPngDecoder& operator=(const CPngDecoder&) = delete;
  ~CPngDecoder() { FreeBitmap(); }

  // Reads and decodes a file; afterwards Width, Height and Bitmap describe the result.
  void Load(const std::filesystem::path& path);
  // The same for a file already in memory.
  void LoadFromMemory(std::span<const uint8_t> bytes);

  // The IHDR values.
  int32_t Width() const { return static_cast<int32_t>(file_.header.width); }
  int32_t Height() const { return static_cast<int32_t>(file_.header.height); }
  int32_t BitDepth() const { return file_.header.bitDepth; }
  int32_t ColourType() const { return file_.header.colourType; }
  int32_t Interlace() const { return file_.header.interlace; }

  // The decoded 24- or 32-bit bitmap; null when there is none.
  const platform::BitmapHandle& Bitmap() const { return bitmap_; }
  // Drops the bitmap; Bitmap() is null afterwards.
  void FreeBitmap() { bitmap_.reset(); }

  Outcome LoadOutcome() const { return outcome_; }
  // How decompression ended (kCorruptData: the image holds what was decoded before the
  // fault). kOk when nothing was decompressed because Load failed earlier.
  png::Status InflateStatus() const { return inflateStatus_; }
  // Everything the chunk loop kept: palette, transparency, background, gamma, text, the
  // tIME year and the joined compressed data.
  const png::PngFile& Contents() const { return file_; }
  // The paletted result of a grey or palette image; null otherwise.
  const png::PalettedImage* PalettedResult() const {
    return outcome_ == Outcome::kPaletted ? &paletted_ : nullptr;
  }

 private:
  void Reset();

  png::DecodeLimits limits_;
  png::Inflater inflater_;  // holds the fixed Huffman tables, built once per decoder
  png::PngFile file_;
  Outcome outcome_ = Outcome::kNotLoaded;
  png::Status inflateStatus_ = png::Status::kOk;
  platform::BitmapHandle bitmap_;
  png::PalettedImage paletted_;
};

}  // namespace wayband::imaging
