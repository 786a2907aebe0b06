// Fuzz target: raw inflate on arbitrary bytes into buffers of a few sizes. The first input
// byte picks the output size; the result must never claim more than the buffer or the
// input holds, and a larger buffer must reproduce what a smaller one produced.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "imaging/png/inflate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using wayband::imaging::png::Inflater;
  using wayband::imaging::png::InflateResult;
  if (size == 0) return 0;
  static const Inflater inflater;
  const size_t smallSize = size_t{data[0]} * 17;
  const std::span<const uint8_t> input(data + 1, size - 1);

  std::vector<uint8_t> small(smallSize);
  const InflateResult first = inflater.Inflate(input, small);
  std::vector<uint8_t> large(smallSize + 70'000);
  const InflateResult second = inflater.Inflate(input, large);

  if (first.written > small.size() || second.written > large.size()) std::abort();
  if (first.consumed > input.size() || second.consumed > input.size()) std::abort();
  if (first.written > second.written) std::abort();
  if (!std::equal(small.begin(), small.begin() + static_cast<ptrdiff_t>(first.written),
                  large.begin()))
    std::abort();
  return 0;
}
