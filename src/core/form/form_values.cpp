#include "core/form/form_values.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <span>
#include <utility>

#include "imaging/import/picture_loader.h"
#include "platform/base64.h"
#include "platform/image_codecs/bmp_file_writer.h"
#include "platform/text/utf8_decode.h"
#include "wayband/byte_array.h"
#include "wayband/picture.h"
#include "wayband/std_font.h"

namespace wayband::core::form {

namespace {

// The kinds of value, by the key of their one member.
constexpr const char* kEmpty = "empty";
constexpr const char* kBoolean = "boolean";
constexpr const char* kInteger = "integer";
constexpr const char* kLong = "long";
constexpr const char* kColor = "color";
constexpr const char* kDouble = "double";
constexpr const char* kString = "string";
constexpr const char* kFont = "font";
constexpr const char* kPicture = "picture";
constexpr const char* kBytes = "bytes";

// Fields of the composite kinds.
constexpr const char* kBase64 = "base64";  // a string that is not UTF-8, as its bytes
constexpr const char* kData = "data";
constexpr const char* kBounds = "bounds";
constexpr const char* kType = "type";
constexpr const char* kFontName = "name";
constexpr const char* kFontSize = "size";
constexpr const char* kFontWeight = "weight";
constexpr const char* kFontItalic = "italic";
constexpr const char* kFontUnderline = "underline";
constexpr const char* kFontStrikethrough = "strikethrough";
constexpr const char* kFontCharset = "charset";

// The largest font size stored: far above any real font, far below where four decimal
// places stop being exact.
constexpr int64_t kMaxFontPoints = 1000000000;

constexpr std::string_view kHexPrefix = "0x";
constexpr int kHexBase = 16;
constexpr size_t kColorHexDigits = 8;

DecodedValue Skipped(FormDamage damage, std::string problem) {
  DecodedValue decoded;
  decoded.damage = damage;
  decoded.problem = std::move(problem);
  return decoded;
}

DecodedValue Decoded(Variant value) {
  DecodedValue decoded;
  decoded.outcome = DecodedValue::Outcome::kValue;
  decoded.value = std::move(value);
  return decoded;
}

DecodedValue WrongType(std::string_view kind, std::string_view expected) {
  return Skipped(FormDamage::kWrongType,
                 "a " + std::string(kind) + " value must be " + std::string(expected));
}

// A whole number of the node within [low, high].
std::optional<int64_t> WholeNumber(const JsonNode& node, int64_t low, int64_t high) {
  if (node.kind == JsonNode::Kind::kInteger) {
    if (node.integer < low || node.integer > high) return std::nullopt;
    return node.integer;
  }
  if (node.kind == JsonNode::Kind::kUnsigned) {
    if (node.unsignedInteger > static_cast<uint64_t>(high)) return std::nullopt;
    const auto value = static_cast<int64_t>(node.unsignedInteger);
    if (value < low) return std::nullopt;
    return value;
  }
  return std::nullopt;
}

std::optional<uint32_t> ColorOf(const JsonNode& node) {
  if (node.IsString()) {
    std::string_view text = node.text;
    if (!text.starts_with(kHexPrefix)) return std::nullopt;
    text.remove_prefix(kHexPrefix.size());
    if (text.empty() || text.size() > kColorHexDigits) return std::nullopt;
    uint32_t color = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), color, kHexBase);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return color;
  }
  const auto number = WholeNumber(node, 0, std::numeric_limits<uint32_t>::max());
  if (!number) return std::nullopt;
  return static_cast<uint32_t>(*number);
}

std::optional<double> NumberOf(const JsonNode& node) {
  switch (node.kind) {
    case JsonNode::Kind::kInteger:
      return static_cast<double>(node.integer);
    case JsonNode::Kind::kUnsigned:
      return static_cast<double>(node.unsignedInteger);
    case JsonNode::Kind::kFloat:
      return std::isfinite(node.number) ? std::optional(node.number) : std::nullopt;
    default:
      return std::nullopt;
  }
}

// Base64 data under `field` of an object.
std::optional<std::vector<uint8_t>> DataOf(const JsonNode& object, const char* field,
                                           DecodedValue* failure, std::string_view kind) {
  const JsonNode* data = object.Member(field);
  if (!data || !data->IsString()) {
    *failure = WrongType(kind, std::string("an object with base64 text under \"") + field + "\"");
    return std::nullopt;
  }
  auto bytes = platform::Base64Decode(data->text);
  if (!bytes) *failure = Skipped(FormDamage::kBadBase64, "its data is not valid base64");
  return bytes;
}

DecodedValue DecodeString(const JsonNode& data) {
  if (data.IsString()) return Decoded(Variant(data.text));
  if (data.IsObject()) {
    DecodedValue failure;
    if (auto bytes = DataOf(data, kBase64, &failure, kString)) {
      return Decoded(Variant(std::string(bytes->begin(), bytes->end())));
    }
    return failure;
  }
  return WrongType(kString, "text");
}

DecodedValue DecodeFont(const JsonNode& data) {
  if (data.kind == JsonNode::Kind::kNull) return Decoded(Variant(Variant::FontRef()));
  if (!data.IsObject()) return WrongType(kFont, "an object or null");
  auto font = std::make_shared<StdFont>();
  // Fields left out keep the values of a new font object.
  if (const JsonNode* name = data.Member(kFontName)) {
    if (!name->IsString()) return WrongType(kFont, "named by text");
    font->SetName(name->text);
  }
  if (const JsonNode* size = data.Member(kFontSize)) {
    const auto points = NumberOf(*size);
    // A font keeps its size to four decimal places, which bounds it.
    if (!points || *points < 0.0 || *points > static_cast<double>(kMaxFontPoints)) {
      return WrongType(kFont,
                       "sized by a number of points from 0 to " + std::to_string(kMaxFontPoints));
    }
    font->SetSize(*points);
  }
  constexpr int64_t kInt16Min = std::numeric_limits<int16_t>::min();
  constexpr int64_t kInt16Max = std::numeric_limits<int16_t>::max();
  if (const JsonNode* weight = data.Member(kFontWeight)) {
    const auto value = WholeNumber(*weight, kInt16Min, kInt16Max);
    if (!value) return WrongType(kFont, "weighted by a 16-bit whole number");
    font->SetWeight(static_cast<int16_t>(*value));
  }
  if (const JsonNode* charset = data.Member(kFontCharset)) {
    const auto value = WholeNumber(*charset, kInt16Min, kInt16Max);
    if (!value) return WrongType(kFont, "of a character set given as a 16-bit whole number");
    font->SetCharset(static_cast<int16_t>(*value));
  }
  const std::pair<const char*, void (StdFont::*)(bool)> flags[] = {
      {kFontItalic, &StdFont::SetItalic},
      {kFontUnderline, &StdFont::SetUnderline},
      {kFontStrikethrough, &StdFont::SetStrikethrough}};
  for (const auto& [field, setter] : flags) {
    const JsonNode* flag = data.Member(field);
    if (!flag) continue;
    if (flag->kind != JsonNode::Kind::kBoolean) {
      return WrongType(kFont, std::string("of a Boolean \"") + field + "\"");
    }
    ((*font).*setter)(flag->boolean);
  }
  return Decoded(Variant(std::move(font)));
}

DecodedValue DecodePicture(const JsonNode& data) {
  if (data.kind == JsonNode::Kind::kNull) return Decoded(Variant(Variant::PictureRef()));
  if (!data.IsObject()) return WrongType(kPicture, "an object or null");
  const JsonNode* type = data.Member(kType);
  const auto typeNumber = type ? WholeNumber(*type, static_cast<int64_t>(PictureType::kBitmap),
                                             static_cast<int64_t>(PictureType::kIcon))
                               : std::nullopt;
  if (!typeNumber) return WrongType(kPicture, "of a picture type 1 to 3");
  DecodedValue failure;
  auto bytes = DataOf(data, kData, &failure, kPicture);
  if (!bytes) return failure;
  const std::shared_ptr<Picture> loaded = imaging::LoadPictureFromBytes(std::move(*bytes));
  if (!loaded) {
    DecodedValue kept;
    kept.outcome = DecodedValue::Outcome::kForeign;
    kept.damage = FormDamage::kBadPicture;
    kept.problem = "its bytes are not a picture this library decodes; they are kept unread";
    return kept;
  }
  Picture::FileContent content;
  content.image = loaded->Image();
  content.type = static_cast<PictureType>(*typeNumber);
  content.size = {loaded->Width(), loaded->Height()};
  content.transparent = loaded->Transparent();
  content.fileBytes.assign(loaded->FileBytes().begin(), loaded->FileBytes().end());
  return Decoded(Variant(Picture::FromFile(std::move(content))));
}

DecodedValue DecodeBytes(const JsonNode& data) {
  if (!data.IsObject()) return WrongType(kBytes, "an object");
  const JsonNode* bounds = data.Member(kBounds);
  if (!bounds || !bounds->IsArray() || bounds->elements.empty() ||
      bounds->elements.size() > ByteArray::kMaxDimensions) {
    return WrongType(kBytes, "bounded by a list of one to three [lower bound, count] pairs");
  }
  std::vector<ByteArray::Dimension> dimensions;
  for (const JsonNode& pair : bounds->elements) {
    if (!pair.IsArray() || pair.elements.size() != 2) {
      return WrongType(kBytes, "bounded by [lower bound, count] pairs");
    }
    constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
    constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
    const auto lower = WholeNumber(pair.elements[0], kLow, kHigh);
    const auto count = WholeNumber(pair.elements[1], 0, kHigh);
    if (!lower || !count) {
      return Skipped(FormDamage::kBadDimension,
                     "a dimension's lower bound or count is not a 32-bit whole number, or the "
                     "count is negative");
    }
    dimensions.push_back({static_cast<int32_t>(*lower), static_cast<int32_t>(*count)});
  }
  const auto elements = ByteArray::ElementCount(dimensions);
  if (!elements) {
    return Skipped(FormDamage::kBadDimension, "its dimensions hold more than " +
                                                  std::to_string(ByteArray::kMaxBytes) +
                                                  " bytes or bounds past the 32-bit range");
  }
  DecodedValue failure;
  auto bytes = DataOf(data, kData, &failure, kBytes);
  if (!bytes) return failure;
  if (static_cast<int64_t>(bytes->size()) != *elements) {
    return Skipped(FormDamage::kBadDimension, "its data holds " + std::to_string(bytes->size()) +
                                                  " bytes where its dimensions hold " +
                                                  std::to_string(*elements));
  }
  auto array = ByteArray::Create(std::move(dimensions), std::move(*bytes));
  return Decoded(Variant(std::make_shared<const ByteArray>(std::move(*array))));
}

DecodedValue DecodeKnown(std::string_view kind, const JsonNode& data) {
  constexpr int64_t kInt16Min = std::numeric_limits<int16_t>::min();
  constexpr int64_t kInt16Max = std::numeric_limits<int16_t>::max();
  constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
  constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
  if (kind == kEmpty) {
    return data.kind == JsonNode::Kind::kNull ? Decoded(Variant()) : WrongType(kind, "null");
  }
  if (kind == kBoolean) {
    return data.kind == JsonNode::Kind::kBoolean ? Decoded(Variant(data.boolean))
                                                 : WrongType(kind, "true or false");
  }
  if (kind == kInteger) {
    const auto number = WholeNumber(data, kInt16Min, kInt16Max);
    return number ? Decoded(Variant(static_cast<int16_t>(*number)))
                  : WrongType(kind, "a whole number from -32768 to 32767");
  }
  if (kind == kLong) {
    const auto number = WholeNumber(data, kInt32Min, kInt32Max);
    return number ? Decoded(Variant(static_cast<int32_t>(*number)))
                  : WrongType(kind, "a 32-bit whole number");
  }
  if (kind == kColor) {
    const auto color = ColorOf(data);
    return color ? Decoded(Variant(*color))
                 : WrongType(kind, "\"0x\" and up to eight hex digits, or a number below 2^32");
  }
  if (kind == kDouble) {
    const auto number = NumberOf(data);
    return number ? Decoded(Variant(*number)) : WrongType(kind, "a finite number");
  }
  if (kind == kString) return DecodeString(data);
  if (kind == kFont) return DecodeFont(data);
  if (kind == kPicture) return DecodePicture(data);
  if (kind == kBytes) return DecodeBytes(data);
  DecodedValue foreign;
  foreign.outcome = DecodedValue::Outcome::kForeign;
  return foreign;
}

OrderedJson Tagged(const char* kind, OrderedJson data) {
  OrderedJson value = OrderedJson::object();
  value[kind] = std::move(data);
  return value;
}

std::string HexColor(uint32_t color) {
  char digits[kColorHexDigits + 1] = {};
  const auto [end, error] = std::to_chars(digits, digits + kColorHexDigits, color, kHexBase);
  std::string text(digits, end);
  for (char& c : text)
    c = (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
  return std::string(kHexPrefix) + std::string(kColorHexDigits - text.size(), '0') + text;
}

OrderedJson EncodeFont(const Variant::FontRef& font) {
  if (!font) return Tagged(kFont, nullptr);
  OrderedJson fields = OrderedJson::object();
  fields[kFontName] = font->Name();
  fields[kFontSize] = font->Size();
  fields[kFontWeight] = font->Weight();
  fields[kFontItalic] = font->Italic();
  fields[kFontUnderline] = font->Underline();
  fields[kFontStrikethrough] = font->Strikethrough();
  fields[kFontCharset] = font->Charset();
  return Tagged(kFont, std::move(fields));
}

OrderedJson EncodePicture(const Variant::PictureRef& picture) {
  if (!picture) return Tagged(kPicture, nullptr);
  OrderedJson fields = OrderedJson::object();
  fields[kType] = static_cast<int16_t>(picture->Type());
  // A picture made in memory has no file: it is kept as the BMP file of its image.
  if (!picture->FileBytes().empty() || !picture->Image()) {
    fields[kData] = platform::Base64Encode(picture->FileBytes());
  } else {
    fields[kData] = platform::Base64Encode(platform::codecs::EncodeBmpFile(*picture->Image()));
  }
  return Tagged(kPicture, std::move(fields));
}

OrderedJson EncodeBytes(const ByteArray& array) {
  OrderedJson bounds = OrderedJson::array();
  for (const ByteArray::Dimension& d : array.Dimensions())
    bounds.push_back({d.lowerBound, d.count});
  OrderedJson fields = OrderedJson::object();
  fields[kBounds] = std::move(bounds);
  fields[kData] = platform::Base64Encode(array.Bytes());
  return Tagged(kBytes, std::move(fields));
}

OrderedJson EncodeString(const std::string& text) {
  if (platform::text::DecodeUtf8(text)) return Tagged(kString, text);
  OrderedJson fields = OrderedJson::object();
  fields[kBase64] =
      platform::Base64Encode(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  return Tagged(kString, std::move(fields));
}

OrderedJson ToOrdered(const JsonNode& node) {
  switch (node.kind) {
    case JsonNode::Kind::kNull:
      return nullptr;
    case JsonNode::Kind::kBoolean:
      return node.boolean;
    case JsonNode::Kind::kInteger:
      return node.integer;
    case JsonNode::Kind::kUnsigned:
      return node.unsignedInteger;
    case JsonNode::Kind::kFloat:
      return node.number;
    case JsonNode::Kind::kString:
      return node.text;
    case JsonNode::Kind::kObject: {
      OrderedJson object = OrderedJson::object();
      // The first of repeated keys counts, as it does for the reader.
      for (const JsonMember& member : node.members) {
        if (!object.contains(member.key)) object[member.key] = ToOrdered(member.value);
      }
      return object;
    }
    case JsonNode::Kind::kArray: {
      OrderedJson array = OrderedJson::array();
      for (const JsonNode& element : node.elements)
        array.push_back(ToOrdered(element));
      return array;
    }
  }
  return nullptr;
}

}  // namespace

DecodedValue DecodeValue(const JsonNode& value) {
  if (!value.IsObject() || value.members.size() != 1) {
    return Skipped(FormDamage::kWrongType,
                   "an entry's value must be an object with one member naming its kind");
  }
  const JsonMember& member = value.members.front();
  DecodedValue decoded = DecodeKnown(member.key, member.value);
  if (decoded.outcome == DecodedValue::Outcome::kForeign) decoded.foreignText = JsonText(value);
  return decoded;
}

std::optional<OrderedJson> EncodeValue(const PropertyBag::Entry& entry) {
  if (!entry.foreignValue.empty()) {
    OrderedJson kept = OrderedJson::parse(entry.foreignValue, nullptr, /*allow_exceptions=*/false);
    if (kept.is_discarded()) return std::nullopt;
    return kept;
  }
  const Variant& v = entry.value;
  switch (v.Type()) {
    case VariantType::kEmpty:
      return Tagged(kEmpty, nullptr);
    case VariantType::kBoolean:
      return Tagged(kBoolean, *v.Get<bool>());
    case VariantType::kInteger:
      return Tagged(kInteger, *v.Get<int16_t>());
    case VariantType::kLong:
      return Tagged(kLong, *v.Get<int32_t>());
    case VariantType::kColor:
      return Tagged(kColor, HexColor(*v.Get<uint32_t>()));
    case VariantType::kDouble:
      if (!std::isfinite(*v.Get<double>())) return std::nullopt;
      return Tagged(kDouble, *v.Get<double>());
    case VariantType::kString:
      return EncodeString(*v.Get<std::string>());
    case VariantType::kFont:
      return EncodeFont(*v.Get<Variant::FontRef>());
    case VariantType::kPicture:
      return EncodePicture(*v.Get<Variant::PictureRef>());
    case VariantType::kByteArray: {
      const auto& array = *v.Get<Variant::ByteArrayRef>();
      if (!array) return std::nullopt;
      return EncodeBytes(*array);
    }
    default:
      // Panel, collection and control handles live only while the program runs.
      return std::nullopt;
  }
}

std::string JsonText(const JsonNode& node) {
  return ToOrdered(node).dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

}  // namespace wayband::core::form
