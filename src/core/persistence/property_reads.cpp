#include "core/persistence/property_reads.h"

#include <utility>

namespace wayband::core {

namespace {

// The stored value converted by `convert`, or the default.
template <typename T, typename Convert>
T ReadConverted(const PropertyBag& bag, std::string_view name, T defaultValue, Convert convert) {
  const Variant stored = bag.ReadProperty(name, Variant(defaultValue));
  return convert(stored).value_or(defaultValue);
}

// The stored object of kind `Ref`, or the default.
template <typename Ref>
Ref ReadObject(const PropertyBag& bag, std::string_view name, Ref defaultValue) {
  const Variant stored = bag.ReadProperty(name);
  const Ref* object = stored.Get<Ref>();
  return object ? *object : std::move(defaultValue);
}

}  // namespace

bool ReadBoolean(const PropertyBag& bag, std::string_view name, bool defaultValue) {
  return ReadConverted(bag, name, defaultValue, [](const Variant& v) { return v.ToBoolean(); });
}

int16_t ReadInteger(const PropertyBag& bag, std::string_view name, int16_t defaultValue) {
  return ReadConverted(bag, name, defaultValue, [](const Variant& v) { return v.ToInteger(); });
}

int32_t ReadLong(const PropertyBag& bag, std::string_view name, int32_t defaultValue) {
  return ReadConverted(bag, name, defaultValue, [](const Variant& v) { return v.ToLong(); });
}

uint32_t ReadColor(const PropertyBag& bag, std::string_view name, uint32_t defaultValue) {
  return ReadConverted(bag, name, defaultValue, [](const Variant& v) { return v.ToColor(); });
}

std::string ReadString(const PropertyBag& bag, std::string_view name,
                       const std::string& defaultValue) {
  return ReadConverted(bag, name, defaultValue, [](const Variant& v) { return v.ToText(); });
}

std::shared_ptr<StdFont> ReadFont(const PropertyBag& bag, std::string_view name,
                                  std::shared_ptr<StdFont> defaultValue) {
  const Variant stored = bag.ReadProperty(name);
  if (const auto* font = stored.Get<Variant::FontRef>()) {
    return *font ? std::make_shared<StdFont>(**font) : nullptr;
  }
  return defaultValue;
}

std::shared_ptr<Picture> ReadPicture(const PropertyBag& bag, std::string_view name) {
  return ReadObject<std::shared_ptr<Picture>>(bag, name, nullptr);
}

std::shared_ptr<const ByteArray> ReadBytes(const PropertyBag& bag, std::string_view name) {
  return ReadObject<std::shared_ptr<const ByteArray>>(bag, name, nullptr);
}

}  // namespace wayband::core
