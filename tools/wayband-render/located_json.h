// JSON with the place each value came from: the document, and for every value its line and
// column under its JSON pointer ("/panels/2/caption"), so that a scene's meaning errors can
// name the line of the offending key. Members are located at their key, array elements
// at their first character. Comments (// and /* */) are allowed.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "scene_error.h"

namespace wayband::render_tool {

// Objects keep their members in the file's order, so that assignments apply in that order.
using Json = nlohmann::ordered_json;

struct LocatedJson {
  Json root;
  std::map<std::string, TextLocation> locations;

  // The location of the value under `pointer`, or of its nearest located ancestor.
  TextLocation Where(const std::string& pointer) const;
};

// Parses `text`; a syntax error, invalid UTF-8 or a key given twice in one object throws
// SceneError naming `fileName` and the line and column.
LocatedJson ParseLocatedJson(std::string_view text, const std::string& fileName);

// `base` + "/" + `token`, with the token escaped as JSON pointers require.
std::string ChildPointer(const std::string& base, std::string_view token);

}  // namespace wayband::render_tool
