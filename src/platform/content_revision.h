// A number naming one state of an object's content, for caches of what is made from the
// content. Every number is new in the process: a fresh object and each change take one
// never handed out before, so two equal numbers always name the same content, even after
// the object that had it is gone. A copy shares its source's number (same content); a
// move gives the source a new one, since its content is no longer what the number named.
#pragma once

#include <atomic>
#include <cstdint>

namespace wayband::platform {

class ContentRevision {
 public:
  ContentRevision() : value_(Next()) {}
  ContentRevision(const ContentRevision&) = default;
  ContentRevision& operator=(const ContentRevision&) = default;
  ContentRevision(ContentRevision&& other) noexcept : value_(other.value_) { other.Advance(); }
  ContentRevision& operator=(ContentRevision&& other) noexcept {
    value_ = other.value_;
    if (&other != this) other.Advance();
    return *this;
  }

  // The content changed.
  void Advance() { value_ = Next(); }
  uint64_t Value() const { return value_; }

 private:
  static uint64_t Next() {
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
  }

  uint64_t value_;
};

}  // namespace wayband::platform
