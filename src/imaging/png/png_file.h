// What the chunk loop keeps from a PNG file: the IHDR fields, the ancillary data it stores
// and the joined compressed image data.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "imaging/png/image_header.h"
#include "imaging/png/inflate.h"
#include "imaging/png/limits.h"

namespace wayband::imaging::png {

struct PngFile {
  ImageHeader header;
  std::vector<uint8_t> palette;       // PLTE: red, green, blue triplets
  std::vector<uint8_t> transparency;  // tRNS
  bool hasTransparency = false;
  std::vector<uint8_t> background;  // bKGD
  uint32_t gamma = 0;               // gAMA
  // tEXt and zTXt entries, each as its keyword, ": ", its text and a line feed. Bytes are
  // kept as stored (Latin-1), at most DecodeLimits::maxTextBytes in all.
  std::string text;
  int32_t timeYear = 0;             // the year of tIME
  std::vector<uint8_t> compressed;  // all IDAT data joined in file order
};

enum class FileReadStatus {
  kOk,            // the chunk loop reached IEND, or the file ended between two chunks
  kNotPng,        // no PNG signature: nothing was read
  kChunkPastEnd,  // a chunk ran past the end of the file
};

// Runs the chunk loop over a whole file into `file`. zTXt text is decompressed with
// `inflater`. Unknown and unused chunk types are skipped.
FileReadStatus ReadPngFile(std::span<const uint8_t> bytes, const Inflater& inflater,
                           const DecodeLimits& limits, PngFile& file);

}  // namespace wayband::imaging::png
