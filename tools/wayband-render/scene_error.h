// What is wrong with a scene: the file, where in it (line, and column when known) and a
// message. The tool prints it as "FILE:LINE:COLUMN: message" and exits with code 2.
#pragma once

#include <stdexcept>
#include <string>

namespace wayband::render_tool {

struct TextLocation {
  int line = 0;    // 1-based; 0 when unknown
  int column = 0;  // 1-based; 0 when unknown
};

class SceneError : public std::runtime_error {
 public:
  SceneError(const std::string& file, TextLocation where, const std::string& message)
      : std::runtime_error(Format(file, where, message)), where_(where), message_(message) {}

  TextLocation Where() const { return where_; }
  const std::string& Message() const { return message_; }

 private:
  static std::string Format(const std::string& file, TextLocation where,
                            const std::string& message) {
    // Appended piece by piece: a literal joined to a temporary string makes GCC 12 warn
    // -Wrestrict at -O3 (GCC PR 105651).
    std::string text = file;
    for (const int number : {where.line, where.column}) {
      if (number <= 0) break;
      text += ':';
      text += std::to_string(number);
    }
    text += ": ";
    text += message;
    return text;
  }

  TextLocation where_;
  std::string message_;
};

}  // namespace wayband::render_tool
