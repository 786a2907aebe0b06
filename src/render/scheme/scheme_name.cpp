#include "render/scheme/scheme_name.h"

#include "platform/ascii_text.h"

namespace wayband::render {
namespace {

constexpr std::string_view kLargeSuffix = "(LARGE)";
constexpr std::string_view kExtraLargeSuffix = "(EXTRA LARGE)";

}  // namespace

std::string RemoveAll(std::string_view text, std::string_view what) {
  if (what.empty()) return std::string(text);
  std::string result;
  size_t from = 0;
  for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, from)) {
    result.append(text.substr(from, at - from));
    from = at + what.size();
  }
  result.append(text.substr(from));
  return result;
}

std::string SchemeKeyFromName(std::string_view name) {
  return RemoveAll(RemoveAll(platform::ToUpperAscii(name), kLargeSuffix), kExtraLargeSuffix);
}

std::string TrimSpaces(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace wayband::render
