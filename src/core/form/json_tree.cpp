#include "core/form/json_tree.h"

#include <nlohmann/json.hpp>
#include <utility>

#include "platform/text_offsets.h"

namespace wayband::core::form {

namespace {

using json = nlohmann::json;

class TreeBuilder final : public nlohmann::json_sax<json> {
 public:
  TreeBuilder(JsonTree& tree, const JsonLimits& limits, const size_t& consumed)
      : tree_(tree), limits_(limits), consumed_(consumed) {}

  bool null() override { return Place(JsonNode::Kind::kNull); }
  bool boolean(bool value) override {
    JsonNode* node = Place(JsonNode::Kind::kBoolean);
    if (node) node->boolean = value;
    return node != nullptr;
  }
  bool number_integer(number_integer_t value) override {
    JsonNode* node = Place(JsonNode::Kind::kInteger);
    if (node) node->integer = value;
    return node != nullptr;
  }
  bool number_unsigned(number_unsigned_t value) override {
    JsonNode* node = Place(JsonNode::Kind::kUnsigned);
    if (node) node->unsignedInteger = value;
    return node != nullptr;
  }
  bool number_float(number_float_t value, const string_t&) override {
    JsonNode* node = Place(JsonNode::Kind::kFloat);
    if (node) node->number = value;
    return node != nullptr;
  }
  bool string(string_t& value) override {
    JsonNode* node = Place(JsonNode::Kind::kString);
    if (node) node->text = std::move(value);
    return node != nullptr;
  }
  // Binary values belong to the binary formats, not to JSON text.
  bool binary(binary_t&) override { return Break(JsonTree::Break::kSyntax); }

  bool start_object(std::size_t) override { return Enter(JsonNode::Kind::kObject); }
  bool start_array(std::size_t) override { return Enter(JsonNode::Kind::kArray); }
  bool end_object() override { return Leave(); }
  bool end_array() override { return Leave(); }

  bool key(string_t& name) override {
    key_ = std::move(name);
    // The parser has just read the key's closing quote; the key started before it.
    keyOffset_ = Here();
    return true;
  }

  bool parse_error(std::size_t position, const std::string&, const json::exception&) override {
    // The parser counts the character it failed on; an error at or past the end of the
    // text means that the text ends early.
    const size_t at = position > 0 ? position - 1 : 0;
    return Break(position >= textSize_ ? JsonTree::Break::kTruncated : JsonTree::Break::kSyntax,
                 at);
  }

  void SetTextSize(size_t size) { textSize_ = size; }

  // Marks what is still open as incomplete (after the parse ended early).
  void MarkOpenIncomplete() {
    for (JsonNode* open : stack_)
      open->complete = false;
  }

 private:
  size_t Here() const { return consumed_ > 0 ? consumed_ - 1 : 0; }

  bool Break(JsonTree::Break why, size_t at) {
    if (tree_.stop == JsonTree::Break::kNone) {
      tree_.stop = why;
      tree_.stopOffset = at;
    }
    return false;
  }
  bool Break(JsonTree::Break why) { return Break(why, Here()); }

  JsonNode* Place(JsonNode::Kind kind) {
    if (++values_ > limits_.maxValues) {
      Break(JsonTree::Break::kTooManyValues);
      return nullptr;
    }
    JsonNode* node = nullptr;
    if (stack_.empty()) {
      tree_.hasRoot = true;
      node = &tree_.root;
      node->offset = Here();
    } else if (JsonNode& parent = *stack_.back(); parent.IsObject()) {
      parent.members.push_back({std::move(key_), {}});
      node = &parent.members.back().value;
      node->offset = keyOffset_;
    } else {
      parent.elements.emplace_back();
      node = &parent.elements.back();
      node->offset = Here();
    }
    node->kind = kind;
    return node;
  }

  bool Enter(JsonNode::Kind kind) {
    if (stack_.size() >= limits_.maxDepth) return Break(JsonTree::Break::kTooDeep);
    JsonNode* node = Place(kind);
    if (!node) return false;
    // A parent's storage does not move while its newest child is open: only that child
    // grows until it closes.
    stack_.push_back(node);
    return true;
  }

  bool Leave() {
    stack_.pop_back();
    return true;
  }

  JsonTree& tree_;
  const JsonLimits& limits_;
  const size_t& consumed_;
  size_t textSize_ = 0;
  size_t values_ = 0;
  std::vector<JsonNode*> stack_;
  std::string key_;
  size_t keyOffset_ = 0;
};

}  // namespace

const JsonNode* JsonNode::Member(std::string_view key) const {
  for (const JsonMember& member : members) {
    if (member.key == key) return &member.value;
  }
  return nullptr;
}

JsonTree ParseJsonTree(std::string_view text, const JsonLimits& limits) {
  JsonTree tree;
  size_t consumed = 0;
  TreeBuilder builder(tree, limits, consumed);
  builder.SetTextSize(text.size());
  const platform::CountingIterator first(text.data(), &consumed);
  const platform::CountingIterator last(text.data() + text.size(), &consumed);
  json::sax_parse(first, last, &builder, json::input_format_t::json, /*strict=*/true,
                  /*ignore_comments=*/false);
  if (tree.stop != JsonTree::Break::kNone) builder.MarkOpenIncomplete();
  return tree;
}

}  // namespace wayband::core::form
