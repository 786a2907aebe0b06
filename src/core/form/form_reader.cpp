// Reading form files: the bounded JSON tree first, then the form's controls and their
// entries, each checked on its own so that one damaged entry costs only itself.
#include <algorithm>
#include <fstream>
#include <system_error>
#include <unordered_set>
#include <utility>

#include "core/form/form_values.h"
#include "core/form/json_tree.h"
#include "platform/ascii_text.h"
#include "platform/text_offsets.h"
#include "wayband/form_file.h"

namespace wayband {

namespace {

using core::form::DecodedValue;
using core::form::JsonMember;
using core::form::JsonNode;
using core::form::JsonTree;

constexpr const char* kFormatKey = "format";
constexpr const char* kVersionKey = "version";
constexpr const char* kControlsKey = "controls";
constexpr const char* kNameKey = "name";
constexpr const char* kTypeKey = "type";
constexpr const char* kPropertiesKey = "properties";

class FormReader {
 public:
  FormReader(std::string_view text, const FormDiagnostics& diagnostics)
      : text_(text), lines_(text), diagnostics_(diagnostics) {}

  Form Read() {
    const JsonTree tree = core::form::ParseJsonTree(text_, {kMaxFormNesting, kMaxFormValues});
    ReportBreak(tree);
    Form form;
    if (!tree.hasRoot) {
      if (tree.stop == JsonTree::Break::kNone)
        Report(FormDamage::kNotAForm, 0, "the text is empty");
      return form;
    }
    const JsonNode& root = tree.root;
    const JsonNode* format = root.IsObject() ? root.Member(kFormatKey) : nullptr;
    if (!format || !format->IsString() || format->text != kFormFileFormat) {
      Report(FormDamage::kNotAForm, root.offset,
             "the text is not a form file: it must be an object whose \"format\" is \"" +
                 std::string(kFormFileFormat) + "\"");
      return form;
    }
    ReadVersion(root);
    const JsonNode* controls = root.Member(kControlsKey);
    if (!controls) return form;
    if (!controls->IsArray()) {
      Report(FormDamage::kWrongType, controls->offset, "\"controls\" must be a list");
      return form;
    }
    for (const JsonNode& control : controls->elements)
      ReadControl(control, form);
    return form;
  }

 private:
  void Report(FormDamage damage, size_t offset, std::string message, std::string control = {},
              std::string entry = {}) {
    if (!diagnostics_) return;
    const int line = text_.empty() ? 0 : lines_.At(std::min(offset, text_.size() - 1)).line;
    FormDiagnostic diagnostic{damage, line, std::move(control), std::move(entry),
                              std::move(message)};
    try {
      diagnostics_(diagnostic);
    } catch (...) {
      // A throwing callback loses its own report, nothing else.
    }
  }

  void ReportBreak(const JsonTree& tree) {
    switch (tree.stop) {
      case JsonTree::Break::kNone:
        return;
      case JsonTree::Break::kTruncated:
        Report(FormDamage::kTruncated, tree.stopOffset,
               "the text ends inside a value; what it cut off is missing");
        return;
      case JsonTree::Break::kSyntax:
        Report(FormDamage::kSyntax, tree.stopOffset,
               "the text is not valid JSON from here on; what follows is not read");
        return;
      case JsonTree::Break::kTooDeep:
        Report(FormDamage::kTooDeep, tree.stopOffset,
               "values are nested more than " + std::to_string(kMaxFormNesting) +
                   " deep here; what follows is not read");
        return;
      case JsonTree::Break::kTooManyValues:
        Report(FormDamage::kTooLarge, tree.stopOffset,
               "the text holds more than " + std::to_string(kMaxFormValues) +
                   " values; what follows is not read");
        return;
    }
  }

  void ReadVersion(const JsonNode& root) {
    const JsonNode* version = root.Member(kVersionKey);
    // Numbers from 0 up arrive as unsigned, negative ones as signed.
    const bool valid =
        version && version->kind == JsonNode::Kind::kUnsigned && version->unsignedInteger >= 1;
    if (!valid) {
      if (root.complete || version) {
        Report(FormDamage::kWrongType, version ? version->offset : root.offset,
               "the form has no version number of 1 or more; it is read as version " +
                   std::to_string(kFormFileVersion));
      }
      return;
    }
    if (version->unsignedInteger <= static_cast<uint64_t>(kFormFileVersion)) return;
    Report(FormDamage::kNewerVersion, version->offset,
           "the form was written by version " + std::to_string(version->unsignedInteger) +
               " of the format, newer than " + std::to_string(kFormFileVersion) +
               "; what this version knows is read, the rest is kept unread");
  }

  void ReadControl(const JsonNode& node, Form& form) {
    const JsonNode* name = node.IsObject() ? node.Member(kNameKey) : nullptr;
    if (!name || !name->IsString()) {
      Report(node.complete ? FormDamage::kWrongType : FormDamage::kTruncated, node.offset,
             "a control must be an object with its name under \"name\"; it is skipped");
      return;
    }
    if (!controlNames_.insert(platform::ToLowerAscii(name->text)).second) {
      Report(FormDamage::kDuplicateName, node.offset,
             "a second control of this name is skipped; the first is kept", name->text);
      return;
    }
    FormControl& control = form.controls.emplace_back();
    control.name = name->text;
    if (const JsonNode* type = node.Member(kTypeKey)) {
      if (type->IsString()) {
        control.type = type->text;
      } else {
        Report(FormDamage::kWrongType, type->offset, "the control's type must be text",
               control.name);
      }
    }
    const JsonNode* properties = node.Member(kPropertiesKey);
    if (!properties) return;
    if (!properties->IsObject()) {
      Report(FormDamage::kWrongType, properties->offset,
             "\"properties\" must be an object of entries", control.name);
      return;
    }
    std::unordered_set<std::string> seen;
    for (const JsonMember& member : properties->members)
      ReadEntry(member, control, seen);
  }

  void ReadEntry(const JsonMember& member, FormControl& control,
                 std::unordered_set<std::string>& seen) {
    const size_t at = member.value.offset;
    if (!member.value.complete) {
      Report(FormDamage::kTruncated, at, "the entry is cut off; it is skipped", control.name,
             member.key);
      return;
    }
    if (!seen.insert(platform::ToLowerAscii(member.key)).second) {
      Report(FormDamage::kDuplicateName, at,
             "a second entry of this name is skipped; the first is kept", control.name, member.key);
      return;
    }
    DecodedValue decoded = core::form::DecodeValue(member.value);
    switch (decoded.outcome) {
      case DecodedValue::Outcome::kValue:
        control.properties.Put({member.key, std::move(decoded.value), {}});
        return;
      case DecodedValue::Outcome::kForeign:
        control.properties.Put({member.key, {}, std::move(decoded.foreignText)});
        // A kind this version does not know is not damage (a newer writer's entry); a
        // picture that does not decode is, though it is kept too.
        if (!decoded.problem.empty()) {
          Report(decoded.damage, at, decoded.problem, control.name, member.key);
        }
        return;
      case DecodedValue::Outcome::kSkipped:
        Report(decoded.damage, at, decoded.problem + "; the entry is skipped", control.name,
               member.key);
        return;
    }
  }

  std::string_view text_;
  platform::LineIndex lines_;
  const FormDiagnostics& diagnostics_;
  std::unordered_set<std::string> controlNames_;
};

void ReportFileProblem(const FormDiagnostics& diagnostics, FormDamage damage, std::string message) {
  if (!diagnostics) return;
  try {
    diagnostics({damage, 0, {}, {}, std::move(message)});
  } catch (...) {
  }
}

}  // namespace

Form ParseForm(std::string_view text, const FormDiagnostics& diagnostics) noexcept {
  try {
    if (text.size() > kMaxFormFileBytes) {
      ReportFileProblem(diagnostics, FormDamage::kTooLarge,
                        "the form is larger than " + std::to_string(kMaxFormFileBytes) +
                            " bytes; it is not read");
      return {};
    }
    return FormReader(text, diagnostics).Read();
  } catch (...) {
    // Only memory can run out here.
    ReportFileProblem(diagnostics, FormDamage::kTooLarge, "the form could not be held in memory");
    return {};
  }
}

Form ReadFormFile(const std::filesystem::path& path, const FormDiagnostics& diagnostics) noexcept {
  try {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
      ReportFileProblem(diagnostics, FormDamage::kUnreadable,
                        "cannot read " + path.string() + ": " + error.message());
      return {};
    }
    if (size > kMaxFormFileBytes) {
      ReportFileProblem(diagnostics, FormDamage::kTooLarge,
                        path.string() + " is larger than " + std::to_string(kMaxFormFileBytes) +
                            " bytes; it is not read");
      return {};
    }
    std::ifstream file(path, std::ios::binary);
    std::string text(static_cast<size_t>(size), '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file || file.gcount() != static_cast<std::streamsize>(text.size())) {
      ReportFileProblem(diagnostics, FormDamage::kUnreadable, "cannot read " + path.string());
      return {};
    }
    return ParseForm(text, diagnostics);
  } catch (...) {
    ReportFileProblem(diagnostics, FormDamage::kUnreadable, "cannot read " + path.string());
    return {};
  }
}

}  // namespace wayband
