// JsonTree: a JSON document read with bounds, for files that may be damaged. Objects keep
// their members in the file's order with repeated keys kept, each value knows the byte
// offset it starts at, and a document that breaks off (cut short, malformed, nested too
// deep or holding too many values) keeps every value read before the break: the values
// still open there are marked incomplete.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wayband::core::form {

struct JsonMember;

struct JsonNode {
  enum class Kind : uint8_t {
    kNull,
    kBoolean,
    kInteger,
    kUnsigned,
    kFloat,
    kString,
    kObject,
    kArray
  };
  Kind kind = Kind::kNull;
  // False when the document broke off inside this value.
  bool complete = true;
  bool boolean = false;
  int64_t integer = 0;
  uint64_t unsignedInteger = 0;
  double number = 0.0;
  std::string text;
  // Where the value starts (for a member: its key), bytes from the start of the text.
  size_t offset = 0;
  std::vector<JsonMember> members;
  std::vector<JsonNode> elements;

  bool IsObject() const { return kind == Kind::kObject; }
  bool IsArray() const { return kind == Kind::kArray; }
  bool IsString() const { return kind == Kind::kString; }
  bool IsWholeNumber() const { return kind == Kind::kInteger || kind == Kind::kUnsigned; }
  // The first member under `key` (compared exactly), or null.
  const JsonNode* Member(std::string_view key) const;
};

struct JsonMember {
  std::string key;
  JsonNode value;
};

struct JsonTree {
  enum class Break { kNone, kTruncated, kSyntax, kTooDeep, kTooManyValues };
  bool hasRoot = false;
  JsonNode root;
  Break stop = Break::kNone;
  size_t stopOffset = 0;
};

struct JsonLimits {
  size_t maxDepth = 0;   // containers inside one another
  size_t maxValues = 0;  // values of every kind, containers included
};

JsonTree ParseJsonTree(std::string_view text, const JsonLimits& limits);

}  // namespace wayband::core::form
