#include "scene_reader.h"

#include <cmath>
#include <limits>

namespace wayband::render_tool {

namespace {

// The JSON kind of a value, as a message names it.
std::string KindOf(const Json& value) {
  if (value.is_number_integer()) return "a whole number";
  if (value.is_number()) return "a number";
  return std::string("a ") + value.type_name();
}

}  // namespace

void SceneReader::FailAt(const std::string& pointer, const std::string& message) const {
  throw SceneError(fileName_, Where(pointer), message);
}

std::string SceneReader::Place(const std::string& pointer) const {
  return fileName_ + ":" + std::to_string(Where(pointer).line);
}

std::optional<Field> SceneReader::Member(const Field& object, std::string_view key) const {
  const auto found = object.value.find(key);
  if (found == object.value.end()) return std::nullopt;
  return Field{*found, ChildPointer(object.pointer, key)};
}

Field SceneReader::Element(const Field& array, size_t index) const {
  return {array.value.at(index), ChildPointer(array.pointer, std::to_string(index))};
}

void SceneReader::ExpectObject(const Field& field, std::string_view what) const {
  if (!field.value.is_object())
    Fail(field, std::string(what) + " must be an object, not " + KindOf(field.value));
}

void SceneReader::ExpectArray(const Field& field, std::string_view what) const {
  if (!field.value.is_array())
    Fail(field, std::string(what) + " must be an array, not " + KindOf(field.value));
}

void SceneReader::ExpectOnlyKeys(const Field& object, std::initializer_list<std::string_view> known,
                                 std::string_view what) const {
  for (const auto& [key, value] : object.value.items()) {
    bool listed = false;
    for (std::string_view k : known)
      listed = listed || k == key;
    if (listed) continue;
    std::string names;
    for (std::string_view k : known)
      names += (names.empty() ? "\"" : ", \"") + std::string(k) + "\"";
    Fail({value, ChildPointer(object.pointer, key)},
         "unknown key \"" + key + "\" in " + std::string(what) + " (known keys: " + names + ")");
  }
}

std::string SceneReader::String(const Field& field, std::string_view what) const {
  if (!field.value.is_string())
    Fail(field, std::string(what) + " must be a string, not " + KindOf(field.value));
  return field.value.get<std::string>();
}

bool SceneReader::Boolean(const Field& field, std::string_view what) const {
  if (!field.value.is_boolean())
    Fail(field, std::string(what) + " must be true or false, not " + KindOf(field.value));
  return field.value.get<bool>();
}

int64_t SceneReader::Integer(const Field& field, std::string_view what, int64_t low,
                             int64_t high) const {
  const std::string range = " from " + std::to_string(low) + " to " + std::to_string(high);
  if (!field.value.is_number_integer())
    Fail(field,
         std::string(what) + " must be a whole number" + range + ", not " + KindOf(field.value));
  // Unsigned values above the signed range compare as out of range.
  const bool fitsSigned =
      !field.value.is_number_unsigned() ||
      field.value.get<uint64_t>() <= static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  const int64_t value = fitsSigned ? field.value.get<int64_t>() : high;
  if (!fitsSigned || value < low || value > high)
    Fail(field, std::string(what) + " must be" + range + ", not " + field.value.dump());
  return value;
}

double SceneReader::Number(const Field& field, std::string_view what, double low,
                           double high) const {
  if (!field.value.is_number())
    Fail(field, std::string(what) + " must be a number, not " + KindOf(field.value));
  const double value = field.value.get<double>();
  if (!std::isfinite(value) || value < low || value > high) {
    Fail(field, std::string(what) + " must be from " + Json(low).dump() + " to " +
                    Json(high).dump() + ", not " + field.value.dump());
  }
  return value;
}

}  // namespace wayband::render_tool
