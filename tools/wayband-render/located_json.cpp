#include "located_json.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/text_offsets.h"

namespace wayband::render_tool {

namespace {

using json = Json;

// Scenes are shallow; deeper nesting is refused before the pointers of its values (each as
// long as its depth) grow without bound.
constexpr size_t kMaxDepth = 64;

using platform::CountingIterator;

// Line and column of a byte offset, as the scene's messages name them.
class LineIndex {
 public:
  explicit LineIndex(std::string_view text) : index_(text) {}
  TextLocation At(size_t offset) const {
    const platform::TextPosition at = index_.At(offset);
    return {at.line, at.column};
  }

 private:
  platform::LineIndex index_;
};

// Builds the document from the parser's events and records where each value was.
class LocatingHandler final : public nlohmann::json_sax<json> {
 public:
  LocatingHandler(const LineIndex& lines, const size_t& consumed, LocatedJson& out)
      : lines_(lines), consumed_(consumed), out_(out) {}

  bool null() override { return Place(nullptr); }
  bool boolean(bool value) override { return Place(value); }
  bool number_integer(number_integer_t value) override { return Place(value); }
  bool number_unsigned(number_unsigned_t value) override { return Place(value); }
  bool number_float(number_float_t value, const string_t&) override { return Place(value); }
  bool string(string_t& value) override { return Place(value); }
  bool binary(binary_t& value) override { return Place(json::binary(value)); }

  bool start_object(std::size_t) override { return Enter(json::object()); }
  bool start_array(std::size_t) override { return Enter(json::array()); }
  bool end_object() override { return Leave(); }
  bool end_array() override { return Leave(); }

  bool key(string_t& name) override {
    // The parser has just read the key's closing quote.
    keyLocation_ = Here();
    if (stack_.back().value->contains(name)) {
      Fail(keyLocation_, "the key \"" + name + "\" is given twice in one object");
      return false;
    }
    key_ = name;
    return true;
  }

  bool parse_error(std::size_t position, const std::string&,
                   const nlohmann::json::exception& error) override {
    Fail(lines_.At(position > 0 ? position - 1 : 0), Reason(error.what()));
    return false;
  }

  const std::optional<std::pair<TextLocation, std::string>>& Error() const { return error_; }

 private:
  struct Frame {
    json* value;
    std::string pointer;
  };

  // Where the last character the parser took lies.
  TextLocation Here() const { return lines_.At(consumed_ > 0 ? consumed_ - 1 : 0); }

  // The parser's message without its numbered prefix and its own position.
  // The parser's message without its numbered prefix, its own position and the bytes it
  // last read (which may not be printable).
  static std::string Reason(std::string what) {
    if (what.starts_with("[")) {
      if (const size_t end = what.find("] "); end != std::string::npos) what.erase(0, end + 2);
    }
    if (what.starts_with("parse error")) {
      if (const size_t colon = what.find(": "); colon != std::string::npos)
        what.erase(0, colon + 2);
    }
    if (const size_t lastRead = what.find("; last read"); lastRead != std::string::npos) {
      what.resize(lastRead);
    }
    return what;
  }

  void Fail(TextLocation where, std::string message) {
    if (!error_) error_.emplace(where, std::move(message));
  }

  json* Add(json value, std::string* pointer) {
    if (stack_.empty()) {
      out_.root = std::move(value);
      *pointer = "";
      out_.locations[*pointer] = Here();
      return &out_.root;
    }
    Frame& parent = stack_.back();
    if (parent.value->is_object()) {
      *pointer = ChildPointer(parent.pointer, key_);
      out_.locations[*pointer] = keyLocation_;
      json& slot = (*parent.value)[key_];
      slot = std::move(value);
      return &slot;
    }
    *pointer = ChildPointer(parent.pointer, std::to_string(parent.value->size()));
    out_.locations[*pointer] = Here();
    parent.value->push_back(std::move(value));
    return &parent.value->back();
  }

  bool Place(json value) {
    std::string pointer;
    Add(std::move(value), &pointer);
    return true;
  }

  bool Enter(json container) {
    if (stack_.size() >= kMaxDepth) {
      Fail(Here(), "values are nested more than " + std::to_string(kMaxDepth) + " deep");
      return false;
    }
    std::string pointer;
    json* value = Add(std::move(container), &pointer);
    stack_.push_back({value, std::move(pointer)});
    return true;
  }

  bool Leave() {
    stack_.pop_back();
    return true;
  }

  const LineIndex& lines_;
  const size_t& consumed_;
  LocatedJson& out_;
  std::vector<Frame> stack_;
  std::string key_;
  TextLocation keyLocation_;
  std::optional<std::pair<TextLocation, std::string>> error_;
};

}  // namespace

std::string ChildPointer(const std::string& base, std::string_view token) {
  std::string pointer = base + "/";
  for (const char c : token) {
    if (c == '~') {
      pointer += "~0";
    } else if (c == '/') {
      pointer += "~1";
    } else {
      pointer += c;
    }
  }
  return pointer;
}

TextLocation LocatedJson::Where(const std::string& pointer) const {
  std::string at = pointer;
  while (true) {
    if (const auto found = locations.find(at); found != locations.end()) return found->second;
    const size_t slash = at.rfind('/');
    if (slash == std::string::npos) return {};
    at.resize(slash);
  }
}

LocatedJson ParseLocatedJson(std::string_view text, const std::string& fileName) {
  const LineIndex lines(text);
  size_t consumed = 0;
  LocatedJson out;
  LocatingHandler handler(lines, consumed, out);
  const CountingIterator first(text.data(), &consumed);
  const CountingIterator last(text.data() + text.size(), &consumed);
  const bool parsed = json::sax_parse(first, last, &handler, json::input_format_t::json,
                                      /*strict=*/true, /*ignore_comments=*/true);
  if (const auto& error = handler.Error()) throw SceneError(fileName, error->first, error->second);
  if (!parsed) throw SceneError(fileName, {}, "the file is not a JSON document");
  return out;
}

}  // namespace wayband::render_tool
