// Typed access to a located JSON document that fails with a SceneError at the line of the
// offending value: what the scene loader uses to read each field.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "located_json.h"
#include "scene_error.h"

namespace wayband::render_tool {

// One value of the document and its JSON pointer.
struct Field {
  const Json& value;
  std::string pointer;
};

class SceneReader {
 public:
  SceneReader(const LocatedJson& document, std::string fileName)
      : document_(document), fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }
  Field Root() const { return {document_.root, ""}; }
  TextLocation Where(const Field& field) const { return Where(field.pointer); }
  TextLocation Where(const std::string& pointer) const { return document_.Where(pointer); }
  // "FILE:LINE" of a value, for warnings.
  std::string Place(const std::string& pointer) const;

  [[noreturn]] void Fail(const Field& field, const std::string& message) const {
    FailAt(field.pointer, message);
  }
  [[noreturn]] void FailAt(const std::string& pointer, const std::string& message) const;

  // The member `key` of an object, or nothing.
  std::optional<Field> Member(const Field& object, std::string_view key) const;
  // Element `index` of an array.
  Field Element(const Field& array, size_t index) const;

  // Fails unless the value is of the kind; `what` names the field in the message.
  void ExpectObject(const Field& field, std::string_view what) const;
  void ExpectArray(const Field& field, std::string_view what) const;
  // Fails on any member not in `known`, naming the known ones.
  void ExpectOnlyKeys(const Field& object, std::initializer_list<std::string_view> known,
                      std::string_view what) const;

  std::string String(const Field& field, std::string_view what) const;
  bool Boolean(const Field& field, std::string_view what) const;
  // A whole number within [low, high].
  int64_t Integer(const Field& field, std::string_view what, int64_t low, int64_t high) const;
  // Any number within [low, high].
  double Number(const Field& field, std::string_view what, double low, double high) const;

 private:
  const LocatedJson& document_;
  std::string fileName_;
};

}  // namespace wayband::render_tool
