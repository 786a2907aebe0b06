// Helpers of the persistence tests: a picture loaded from a file, and deep equality of
// stored values.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "imaging/import/picture_loader.h"
#include "wayband/byte_array.h"
#include "wayband/property_bag.h"

namespace wayband::testing {

// A JPEG picture of the test data, with its file bytes.
inline std::shared_ptr<Picture> TestPicture() {
  const char* data = std::getenv("WAYBAND_TEST_DATA");
  return imaging::LoadPicture(std::filesystem::path(data ? data : "") / "import" / "base.jpg");
}

// Fonts by attributes, pictures by type and file bytes, arrays by value, the rest as the
// bag compares them.
inline bool SameValue(const Variant& a, const Variant& b) {
  if (a.Type() != b.Type()) return false;
  if (const auto* p = a.Get<Variant::PictureRef>()) {
    const auto& q = *b.Get<Variant::PictureRef>();
    if (!*p || !q) return !*p && !q;
    return (*p)->Type() == q->Type() && std::ranges::equal((*p)->FileBytes(), q->FileBytes());
  }
  if (const auto* x = a.Get<Variant::ByteArrayRef>())
    return **x == **b.Get<Variant::ByteArrayRef>();
  return PropertyValuesEqual(a, b);
}

}  // namespace wayband::testing
