// Values of the C++ API as automation Variants and back, for the interface description's
// property access. Reading always succeeds; converting a Variant to a property's type
// gives nothing when the value does not convert (a type mismatch).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/host/contained_control.h"
#include "wayband/picture.h"
#include "wayband/shortcut_panel.h"
#include "wayband/shortcut_panels.h"
#include "wayband/std_font.h"
#include "wayband/variant.h"

namespace wayband::core {

// An object reference that may be nothing: a Variant that is empty or holds that object.
template <typename Ref>
std::optional<Ref> ObjectFrom(const Variant& value) {
  if (value.IsEmpty()) return Ref{};
  if (const Ref* object = value.Get<Ref>()) return *object;
  return std::nullopt;
}

template <typename T>
struct VariantValue;

template <>
struct VariantValue<bool> {
  static Variant To(bool value) { return Variant(value); }
  static std::optional<bool> From(const Variant& v) { return v.ToBoolean(); }
};

template <>
struct VariantValue<int32_t> {
  static Variant To(int32_t value) { return Variant(value); }
  static std::optional<int32_t> From(const Variant& v) { return v.ToLong(); }
};

// OLE colours.
template <>
struct VariantValue<uint32_t> {
  static Variant To(uint32_t value) { return Variant(value); }
  static std::optional<uint32_t> From(const Variant& v) { return v.ToColor(); }
};

template <>
struct VariantValue<std::string> {
  static Variant To(std::string value) { return Variant(std::move(value)); }
  static std::optional<std::string> From(const Variant& v) { return v.ToText(); }
};

template <>
struct VariantValue<std::shared_ptr<StdFont>> {
  static Variant To(std::shared_ptr<StdFont> value) {
    return value ? Variant(std::move(value)) : Variant();
  }
  static auto From(const Variant& v) { return ObjectFrom<std::shared_ptr<StdFont>>(v); }
};

template <>
struct VariantValue<std::shared_ptr<Picture>> {
  static Variant To(std::shared_ptr<Picture> value) {
    return value ? Variant(std::move(value)) : Variant();
  }
  static auto From(const Variant& v) { return ObjectFrom<std::shared_ptr<Picture>>(v); }
};

template <>
struct VariantValue<std::shared_ptr<host::ContainedControl>> {
  static Variant To(std::shared_ptr<host::ContainedControl> value) {
    return value ? Variant(std::move(value)) : Variant();
  }
  static auto From(const Variant& v) {
    return ObjectFrom<std::shared_ptr<host::ContainedControl>>(v);
  }
};

// A panel that may be nothing.
template <>
struct VariantValue<std::optional<ShortcutPanel>> {
  static Variant To(const std::optional<ShortcutPanel>& value) {
    return value ? Variant(std::make_shared<ShortcutPanel>(*value)) : Variant();
  }
  static std::optional<std::optional<ShortcutPanel>> From(const Variant& v) {
    const auto object = ObjectFrom<std::shared_ptr<ShortcutPanel>>(v);
    if (!object) return std::nullopt;
    return *object ? std::optional<ShortcutPanel>(**object) : std::optional<ShortcutPanel>();
  }
};

template <>
struct VariantValue<ShortcutPanels> {
  static Variant To(const ShortcutPanels& value) {
    return Variant(std::make_shared<ShortcutPanels>(value));
  }
};

}  // namespace wayband::core
