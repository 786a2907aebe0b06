// Form files: the property bags of a form's controls, in order under their names, kept in
// a versioned JSON text (docs/form-files.md describes it). A host saves a form by letting
// each control write its properties into its bag and writing the form; it loads a form by
// reading the file and letting each control read its bag.
//
//   Form form;
//   bar.WriteProperties(form.Control("Wayband1", "Wayband").properties);
//   WriteFormFile("main.form.json", form);
//   ...
//   Form loaded = ReadFormFile("main.form.json", [](const FormDiagnostic& d) { ... });
//   if (const FormControl* stored = loaded.Find("Wayband1"))
//   bar.ReadProperties(stored->properties);
//
// Writing replaces the file as one step (a temporary file in the same folder, flushed, then
// renamed), so a crash never leaves half a form and never loses the previous one. Reading
// is bounded in size and nesting and never throws: from a damaged file it keeps every entry
// that can still be read and reports each thing it skipped to the optional diagnostics
// callback. Entries of kinds this version does not know are kept as they are and written
// back unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "wayband/property_bag.h"

namespace wayband {

// The format's name and the version this library writes; it reads this and older ones.
inline constexpr std::string_view kFormFileFormat = "wayband-form";
inline constexpr int32_t kFormFileVersion = 1;

// Bounds of reading. A larger file is refused unread; deeper nesting or more values end
// the reading where they begin.
inline constexpr uintmax_t kMaxFormFileBytes = uintmax_t{128} << 20;
inline constexpr size_t kMaxFormNesting = 32;
inline constexpr size_t kMaxFormValues = size_t{1} << 20;

struct FormControl {
  std::string name;  // the control's name on the form, e.g. "Wayband1"
  std::string type;  // its type name, e.g. "Wayband"
  PropertyBag properties;
};

struct Form {
  std::vector<FormControl> controls;

  // The control under `name` (compared without regard to ASCII case), or null.
  FormControl* Find(std::string_view name);
  const FormControl* Find(std::string_view name) const;
  // The control under `name`, added at the end with `type` when there is none.
  FormControl& Control(std::string_view name, std::string_view type);
};

enum class FormDamage {
  kUnreadable,     // the file cannot be opened or read
  kTooLarge,       // past kMaxFormFileBytes or kMaxFormValues
  kTooDeep,        // nested past kMaxFormNesting
  kTruncated,      // the text ends inside a value
  kSyntax,         // the text stops being JSON
  kNotAForm,       // not an object naming the format
  kNewerVersion,   // written by a newer version: read as far as it is understood
  kWrongType,      // a value of another type than its place needs
  kBadDimension,   // an array dimension that is negative, too large, or does not fit the data
  kBadBase64,      // binary data that is not canonical base64
  kDuplicateName,  // a second control or entry of a name already read (the first is kept)
  kBadPicture,     // picture bytes that do not decode (kept unread, written back unchanged)
};

struct FormDiagnostic {
  FormDamage damage = FormDamage::kUnreadable;
  int line = 0;         // 1-based line in the file; 0 when no place applies
  std::string control;  // the control concerned, or empty
  std::string entry;    // the entry concerned, or empty
  std::string message;  // what was skipped and why, in one sentence
};
using FormDiagnostics = std::function<void(const FormDiagnostic&)>;

// Reads a form from its text or its file; never throws. The callback (optional) hears of
// each thing skipped, in the order of the file; an exception it throws is dropped.
Form ParseForm(std::string_view text, const FormDiagnostics& diagnostics = {}) noexcept;
Form ReadFormFile(const std::filesystem::path& path,
                  const FormDiagnostics& diagnostics = {}) noexcept;

// The text of a form. Entries whose values cannot be stored (panel and control handles)
// are left out.
std::string FormText(const Form& form);
// Writes the form's text as one step; false (and `error` set) when it could not be
// written, in which case the previous file is untouched. Never throws.
bool WriteFormFile(const std::filesystem::path& path, const Form& form,
                   std::string* error = nullptr) noexcept;

}  // namespace wayband
