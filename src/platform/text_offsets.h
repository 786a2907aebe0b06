// Places in a text being parsed: the line and column of a byte offset, and an input
// iterator that counts the characters a parser has taken, so that each parse event knows
// where in the text it happened.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <vector>

namespace wayband::platform {

struct TextPosition {
  int line = 0;    // 1-based
  int column = 0;  // 1-based, in bytes
};

// Line and column of a byte offset, from the offsets where lines start.
class LineIndex {
 public:
  explicit LineIndex(std::string_view text) {
    lineStarts_.push_back(0);
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') lineStarts_.push_back(i + 1);
    }
  }
  TextPosition At(size_t offset) const {
    const auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const auto line = static_cast<size_t>(std::distance(lineStarts_.begin(), next));
    return {static_cast<int>(line), static_cast<int>(offset - lineStarts_[line - 1] + 1)};
  }

 private:
  std::vector<size_t> lineStarts_;
};

class CountingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CountingIterator(const char* at, size_t* consumed) : at_(at), consumed_(consumed) {}
  reference operator*() const { return *at_; }
  CountingIterator& operator++() {
    ++at_;
    ++*consumed_;
    return *this;
  }
  CountingIterator operator++(int) {
    CountingIterator before = *this;
    ++*this;
    return before;
  }
  friend bool operator==(const CountingIterator& a, const CountingIterator& b) {
    return a.at_ == b.at_;
  }

 private:
  const char* at_;
  size_t* consumed_;
};

}  // namespace wayband::platform
