// Writing form files: one line per entry, so that a form under version control changes by
// the lines of the entries that changed.
#include <utility>

#include "core/form/form_values.h"
#include "platform/ascii_text.h"
#include "platform/atomic_file.h"
#include "wayband/form_file.h"

namespace wayband {

namespace {

using core::form::OrderedJson;

// A JSON string of `text`; bytes that are not UTF-8 become U+FFFD (names only: values keep
// their bytes).
std::string Quoted(const std::string& text) {
  return OrderedJson(text).dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

void AppendControl(const FormControl& control, std::string& out) {
  out += "    {\n      \"name\": " + Quoted(control.name) + ",\n";
  out += "      \"type\": " + Quoted(control.type) + ",\n";
  out += "      \"properties\": {";
  bool first = true;
  control.properties.ForEach([&](const PropertyBag::Entry& entry) {
    const std::optional<OrderedJson> value = core::form::EncodeValue(entry);
    if (!value) return;
    out += first ? "\n" : ",\n";
    first = false;
    out += "        " + Quoted(entry.name) + ": " +
           value->dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
  });
  out += first ? "}\n" : "\n      }\n";
  out += "    }";
}

}  // namespace

FormControl* Form::Find(std::string_view name) {
  for (FormControl& control : controls) {
    if (platform::EqualsIgnoringAsciiCase(control.name, name)) return &control;
  }
  return nullptr;
}

const FormControl* Form::Find(std::string_view name) const {
  return const_cast<Form*>(this)->Find(name);
}

FormControl& Form::Control(std::string_view name, std::string_view type) {
  if (FormControl* found = Find(name)) return *found;
  FormControl& added = controls.emplace_back();
  added.name = name;
  added.type = type;
  return added;
}

std::string FormText(const Form& form) {
  std::string out = "{\n  \"format\": " + Quoted(std::string(kFormFileFormat)) + ",\n";
  out += "  \"version\": " + std::to_string(kFormFileVersion) + ",\n";
  out += "  \"controls\": [";
  for (size_t i = 0; i < form.controls.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    AppendControl(form.controls[i], out);
  }
  out += form.controls.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

bool WriteFormFile(const std::filesystem::path& path, const Form& form,
                   std::string* error) noexcept {
  try {
    return platform::WriteFileAtomically(path, FormText(form), error);
  } catch (...) {
    if (error) *error = "the form could not be held in memory";
    return false;
  }
}

}  // namespace wayband
