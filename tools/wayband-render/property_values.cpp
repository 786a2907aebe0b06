#include "property_values.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <memory>

#include "color_values.h"
#include "imaging/import/picture_loader.h"
#include "wayband/std_font.h"

namespace wayband::render_tool {

namespace {

// Largest font size a scene may ask for, points.
constexpr double kMaxFontSize = 1000.0;
constexpr int64_t kMaxFontWeight = 1000;
constexpr int64_t kMaxCharset = 255;

Variant ReadColor(const ValueContext& c, const Field& field, const std::string& name) {
  if (field.value.is_number_integer()) {
    // Any 32-bit pattern, written signed or unsigned.
    const int64_t value = c.reader.Integer(field, name, std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<uint32_t>::max());
    return Variant(static_cast<uint32_t>(value));
  }
  if (field.value.is_string()) {
    if (const auto color = ColorFromText(field.value.get<std::string>())) return Variant(*color);
  }
  c.reader.Fail(field, name + " must be a colour: a number, \"#RRGGBB\" or one of " +
                           SystemColorNames() + "; not " + field.value.dump());
}

Variant ReadFont(const ValueContext& c, const Field& field, const std::string& name) {
  c.reader.ExpectObject(field, name);
  c.reader.ExpectOnlyKeys(
      field, {"name", "size", "bold", "italic", "underline", "strikethrough", "weight", "charset"},
      "a font");
  auto font = std::make_shared<StdFont>();
  const auto member = [&](std::string_view key) { return c.reader.Member(field, key); };
  if (auto f = member("name")) font->SetName(c.reader.String(*f, "the font name"));
  if (auto f = member("size")) font->SetSize(c.reader.Number(*f, "the font size", 0, kMaxFontSize));
  if (auto f = member("weight")) {
    font->SetWeight(static_cast<int16_t>(c.reader.Integer(*f, "the weight", 0, kMaxFontWeight)));
  }
  if (auto f = member("bold")) font->SetBold(c.reader.Boolean(*f, "bold"));
  if (auto f = member("italic")) font->SetItalic(c.reader.Boolean(*f, "italic"));
  if (auto f = member("underline")) font->SetUnderline(c.reader.Boolean(*f, "underline"));
  if (auto f = member("strikethrough")) {
    font->SetStrikethrough(c.reader.Boolean(*f, "strikethrough"));
  }
  if (auto f = member("charset")) {
    font->SetCharset(static_cast<int16_t>(c.reader.Integer(*f, "the charset", 0, kMaxCharset)));
  }
  return Variant(std::move(font));
}

Variant ReadPicture(const ValueContext& c, const Field& field, const std::string& name) {
  if (field.value.is_null()) return Variant();
  const std::filesystem::path path =
      c.sceneDirectory / c.reader.String(field, name + " (a picture file name or null)");
  const std::string place = c.reader.Place(field.pointer);
  if (!std::filesystem::is_regular_file(path)) {
    c.warn(place + ": picture file " + path.string() + " not found; " + name + " stays empty");
    return Variant();
  }
  auto picture = imaging::LoadPicture(path);
  if (!picture) {
    c.warn(place + ": picture file " + path.string() + " could not be read; " + name +
           " stays empty");
    return Variant();
  }
  return Variant(std::move(picture));
}

Variant ReadValue(const ValueContext& c, const Field& field, const MemberDescription& member) {
  const std::string name(member.name);
  switch (member.type) {
    case AutomationType::kOleColor:
      return ReadColor(c, field, name);
    case AutomationType::kFont:
      return ReadFont(c, field, name);
    case AutomationType::kPicture:
      return ReadPicture(c, field, name);
    case AutomationType::kBoolean:
      return Variant(c.reader.Boolean(field, name));
    case AutomationType::kInteger:
      return Variant(static_cast<int16_t>(c.reader.Integer(
          field, name, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max())));
    case AutomationType::kLong:
      return Variant(static_cast<int32_t>(c.reader.Integer(
          field, name, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max())));
    case AutomationType::kString:
      return Variant(c.reader.String(field, name));
    default:
      c.reader.Fail(field, name + " cannot be set from a scene");
  }
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::vector<Assignment> ReadAssignments(const ValueContext& context, const Field& object,
                                        const InterfaceDescription& description,
                                        std::initializer_list<std::string_view> skip) {
  context.reader.ExpectObject(object, "properties");
  std::vector<Assignment> assignments;
  for (const auto& item : object.value.items()) {
    const std::string& key = item.key();
    if (std::any_of(skip.begin(), skip.end(), [&](std::string_view s) { return SameName(s, key); }))
      continue;
    const Field field{item.value(), ChildPointer(object.pointer, key)};
    const MemberDescription* member = description.Find(key);
    if (!member || member->kind != MemberKind::kProperty) {
      context.reader.Fail(field,
                          "\"" + key + "\" is not a property of " + std::string(description.name));
    }
    if (!member->canPut && !member->canPutRef) {
      context.reader.Fail(field, std::string(member->name) + " is read-only");
    }
    assignments.push_back(
        {std::string(member->name), ReadValue(context, field, *member), field.pointer});
  }
  return assignments;
}

}  // namespace wayband::render_tool
