// PNG decoder benchmarks: raw inflate against zlib's and libdeflate's on the same stream, and whole
// PNG decodes against libpng reading the same files into the same pixel layout (blue,
// green, red, alpha; 16-bit samples cut to 8) and against stb_image decoding them to its
// own layout (the file's channels in file order, 8-bit samples). zlib, libdeflate, libpng
// and stb_image are references only.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <png.h>
#include <stb/stb_image.h>
#include <zlib.h>

#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

#include "bench_ratios.h"
#include "imaging/png/inflate.h"
#include "imaging/png/png_decoder.h"

namespace wayband::bench {
namespace {

// 8 MiB of mixed data: picture-like rows (smooth with noise) and repetitive text.
std::vector<uint8_t> InflateSample() {
  std::mt19937 rng(3);
  std::vector<uint8_t> data;
  const char* text = "the selected bar shows its panel above the stack of large buttons; ";
  while (data.size() < (size_t{8} << 20)) {
    for (int i = 0; i < 4096; ++i)
      data.push_back(static_cast<uint8_t>(i / 16 + rng() % 8));
    for (int i = 0; i < 20; ++i)
      data.insert(data.end(), text, text + std::strlen(text));
  }
  return data;
}

std::vector<uint8_t> RawDeflate(const std::vector<uint8_t>& data) {
  z_stream stream{};
  deflateInit2(&stream, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  std::vector<uint8_t> out(deflateBound(&stream, data.size()));
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

struct InflateInput {
  std::vector<uint8_t> original = InflateSample();
  std::vector<uint8_t> compressed = RawDeflate(original);
};

const InflateInput& Input() {
  static const InflateInput input;
  return input;
}

void BM_InflateWayband(benchmark::State& state) {
  const InflateInput& input = Input();
  const imaging::png::Inflater inflater;
  std::vector<uint8_t> out(input.original.size());
  for (auto _ : state) {
    const auto result = inflater.Inflate(input.compressed, out);
    if (result.written != out.size()) state.SkipWithError("inflate failed");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size()));
}
BENCHMARK(BM_InflateWayband)->Unit(benchmark::kMillisecond);

void BM_InflateZlib(benchmark::State& state) {
  const InflateInput& input = Input();
  std::vector<uint8_t> out(input.original.size());
  z_stream stream{};
  inflateInit2(&stream, -15);
  for (auto _ : state) {
    inflateReset(&stream);
    stream.next_in = const_cast<Bytef*>(input.compressed.data());
    stream.avail_in = static_cast<uInt>(input.compressed.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    if (inflate(&stream, Z_FINISH) != Z_STREAM_END) state.SkipWithError("zlib failed");
    benchmark::DoNotOptimize(out.data());
  }
  inflateEnd(&stream);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size()));
}
BENCHMARK(BM_InflateZlib)->Unit(benchmark::kMillisecond);

void BM_InflateLibdeflate(benchmark::State& state) {
  const InflateInput& input = Input();
  std::vector<uint8_t> out(input.original.size());
  libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
  for (auto _ : state) {
    size_t written = 0;
    const libdeflate_result result =
        libdeflate_deflate_decompress(decompressor, input.compressed.data(),
                                      input.compressed.size(), out.data(), out.size(), &written);
    if (result != LIBDEFLATE_SUCCESS || written != out.size()) {
      state.SkipWithError("libdeflate failed");
    }
    benchmark::DoNotOptimize(out.data());
  }
  libdeflate_free_decompressor(decompressor);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size()));
}
BENCHMARK(BM_InflateLibdeflate)->Unit(benchmark::kMillisecond);

// --- PNG files ---------------------------------------------------------------------------

enum ImageKind : int64_t { kRgba8, kRgb8, kRgba16, kRgba8Interlaced };

// An icon-like picture: gradients, a soft disc and a little noise, written by libpng with
// its default filter choice and compression.
std::vector<uint8_t> MakePng(uint32_t size, ImageKind kind) {
  const int colourType = kind == kRgb8 ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA;
  const int depth = kind == kRgba16 ? 16 : 8;
  const size_t channels = kind == kRgb8 ? 3 : 4;
  const size_t sampleBytes = static_cast<size_t>(depth / 8);
  const size_t rowBytes = size * channels * sampleBytes;
  std::vector<uint8_t> pixels(rowBytes * size);
  std::mt19937 rng(9);
  for (uint32_t y = 0; y < size; ++y) {
    for (uint32_t x = 0; x < size; ++x) {
      const int dx = static_cast<int>(x) - static_cast<int>(size / 2);
      const int dy = static_cast<int>(y) - static_cast<int>(size / 2);
      const bool inside = dx * dx + dy * dy < static_cast<int>(size * size / 5);
      const uint32_t samples[4] = {x * 255 / size, y * 255 / size,
                                   static_cast<uint32_t>(128 + rng() % 6), inside ? 255u : 0u};
      for (size_t c = 0; c < channels; ++c) {
        for (size_t b = 0; b < sampleBytes; ++b) {
          pixels[y * rowBytes + (x * channels + c) * sampleBytes + b] =
              static_cast<uint8_t>(b == 0 ? samples[c] : rng());
        }
      }
    }
  }
  std::vector<uint8_t> file;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng write");
  png_set_write_fn(
      png, &file,
      [](png_structp p, png_bytep data, png_size_t n) {
        static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p))
            ->insert(static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p))->end(), data, data + n);
      },
      nullptr);
  png_set_IHDR(png, info, size, size, depth, colourType,
               kind == kRgba8Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_bytep> rows(size);
  for (uint32_t y = 0; y < size; ++y)
    rows[y] = pixels.data() + y * rowBytes;
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return file;
}

// libpng decoding into blue, green, red (, alpha) rows with 8-bit samples: the bytes the
// product's bitmap holds.
void DecodeWithLibpng(const std::vector<uint8_t>& file, std::vector<uint8_t>& pixels) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  struct Source {
    const std::vector<uint8_t>* bytes;
    size_t offset;
  } source{&file, 0};
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng read");
  png_set_read_fn(png, &source, [](png_structp p, png_bytep data, png_size_t n) {
    auto* s = static_cast<Source*>(png_get_io_ptr(p));
    std::memcpy(data, s->bytes->data() + s->offset, n);
    s->offset += n;
  });
  png_read_info(png, info);
  png_set_strip_16(png);
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info);
  const uint32_t height = png_get_image_height(png, info);
  pixels.resize(rowBytes * height);
  std::vector<png_bytep> rows(height);
  for (uint32_t y = 0; y < height; ++y)
    rows[y] = pixels.data() + y * rowBytes;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
}

void BM_PngWayband(benchmark::State& state) {
  const auto file = MakePng(static_cast<uint32_t>(state.range(0)), ImageKind(state.range(1)));
  for (auto _ : state) {
    imaging::CPngDecoder decoder;
    decoder.LoadFromMemory(file);
    if (!decoder.Bitmap()) state.SkipWithError("no bitmap");
    benchmark::DoNotOptimize(decoder.Bitmap()->bits().data());
  }
}

void BM_PngLibpng(benchmark::State& state) {
  const auto file = MakePng(static_cast<uint32_t>(state.range(0)), ImageKind(state.range(1)));
  for (auto _ : state) {
    // A new image per decode, as the product's decoder and stb_image make.
    std::vector<uint8_t> pixels;
    DecodeWithLibpng(file, pixels);
    benchmark::DoNotOptimize(pixels.data());
  }
}

// stb_image (Debian's libstb, full build) decoding the same file: red, green, blue (,
// alpha) as stored, 16-bit samples cut to 8.
void BM_PngStb(benchmark::State& state) {
  const auto file = MakePng(static_cast<uint32_t>(state.range(0)), ImageKind(state.range(1)));
  for (auto _ : state) {
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width,
                                            &height, &channels, 0);
    if (!pixels) state.SkipWithError("stb_image failed");
    benchmark::DoNotOptimize(pixels);
    stbi_image_free(pixels);
  }
}

void PngCases(benchmark::internal::Benchmark* b) {
  b->ArgNames({"size", "kind"})->Unit(benchmark::kMicrosecond);
  b->Args({256, kRgba8})->Args({1024, kRgba8})->Args({1024, kRgb8});
  b->Args({1024, kRgba16})->Args({1024, kRgba8Interlaced});
}
BENCHMARK(BM_PngWayband)->Apply(PngCases);
BENCHMARK(BM_PngLibpng)->Apply(PngCases);
BENCHMARK(BM_PngStb)->Apply(PngCases);

bool RegisterRatios() {
  AddRatio({"inflate: ours / zlib", "BM_InflateWayband", "BM_InflateZlib", 0.7});
  AddRatio({"inflate: ours / libdeflate", "BM_InflateWayband", "BM_InflateLibdeflate", 0.0});
  const struct {
    const char* label;
    const char* args;
    double aim;
  } cases[] = {{"PNG RGBA8 256x256: ours / libpng", "size:256/kind:0", 0.7},
               {"PNG RGBA8 1024x1024: ours / libpng", "size:1024/kind:0", 0.6},
               {"PNG RGB8 1024x1024: ours / libpng", "size:1024/kind:1", 0.7},
               {"PNG RGBA16 1024x1024: ours / libpng", "size:1024/kind:2", 0.7},
               {"PNG RGBA8 interlaced 1024x1024: ours / libpng", "size:1024/kind:3", 0.7}};
  for (const auto& c : cases) {
    AddRatio({c.label, std::string("BM_PngWayband/") + c.args,
              std::string("BM_PngLibpng/") + c.args, c.aim});
  }
  // Page faults on buffers mapped afresh for every decode show in wall time only.
  AddRatio({"PNG RGBA8 1024x1024, wall time: ours / libpng", "BM_PngWayband/size:1024/kind:0",
            "BM_PngLibpng/size:1024/kind:0", 0.6, true});
  const struct {
    const char* label;
    const char* args;
  } stbCases[] = {{"PNG RGBA8 256x256: ours / stb_image", "size:256/kind:0"},
                  {"PNG RGBA8 1024x1024: ours / stb_image", "size:1024/kind:0"},
                  {"PNG RGB8 1024x1024: ours / stb_image", "size:1024/kind:1"},
                  {"PNG RGBA16 1024x1024: ours / stb_image", "size:1024/kind:2"},
                  {"PNG RGBA8 interlaced 1024x1024: ours / stb_image", "size:1024/kind:3"}};
  for (const auto& c : stbCases) {
    AddRatio(
        {c.label, std::string("BM_PngWayband/") + c.args, std::string("BM_PngStb/") + c.args, 0.0});
  }
  return true;
}
const bool kRatiosRegistered = RegisterRatios();

}  // namespace
}  // namespace wayband::bench
