// Property assignments in scene files: a JSON object of property names (the public names
// of the interface description, any case) and values, each value read as the property's
// automation type:
//   colours   a number, "#RRGGBB" or a system colour name;
//   fonts     {"name", "size", "bold", "italic", "underline", "strikethrough", "weight",
//              "charset"}, every key optional (a new font starts as Tahoma 8);
//   pictures  a file name relative to the scene file, or null for none;
//   Booleans, whole numbers and strings as themselves.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "scene_reader.h"
#include "wayband/interface_description.h"
#include "wayband/variant.h"

namespace wayband::render_tool {

using Warn = std::function<void(const std::string& message)>;

struct Assignment {
  std::string name;  // as the interface description spells it
  Variant value;
  std::string pointer;  // where the value was in the scene
};

struct ValueContext {
  const SceneReader& reader;
  std::filesystem::path sceneDirectory;
  Warn warn;
};

// Reads every member of `object` as an assignment to a property of `description`, in
// the file's order. Fails on unknown names, members that cannot be assigned and values
// that do not fit the property's type. A picture file that is missing or cannot be read
// is reported through `warn` and assigned as none.
// Members named in `skip` (compared without regard to case) are left to the caller.
std::vector<Assignment> ReadAssignments(const ValueContext& context, const Field& object,
                                        const InterfaceDescription& description,
                                        std::initializer_list<std::string_view> skip = {});

// Whether two names are equal without regard to case.
bool SameName(std::string_view a, std::string_view b);

}  // namespace wayband::render_tool
