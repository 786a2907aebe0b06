// Variant: the automation value the controls take where an argument may be a number, a
// string or an object (panel keys, the interface description's property values, event
// arguments), with the platform's conversion rules. A default-constructed Variant is
// empty; an optional argument that is not given is passed as an empty Variant.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace wayband {

class ByteArray;
class StdFont;
class Picture;
class ShortcutPanel;
class ShortcutPanels;
namespace host {
class ContainedControl;
}

enum class VariantType {
  kEmpty,
  kBoolean,
  kInteger,  // 16-bit signed
  kLong,     // 32-bit signed
  kColor,    // 32-bit OLE colour
  kDouble,
  kString,
  kFont,
  kPicture,
  kPanel,
  kPanels,
  kControl,
  kByteArray,  // a byte array of a property store (wayband/byte_array.h)
};

class Variant {
 public:
  using FontRef = std::shared_ptr<StdFont>;
  using PictureRef = std::shared_ptr<Picture>;
  using PanelRef = std::shared_ptr<ShortcutPanel>;
  using PanelsRef = std::shared_ptr<ShortcutPanels>;
  using ControlRef = std::shared_ptr<host::ContainedControl>;
  using ByteArrayRef = std::shared_ptr<const ByteArray>;

  Variant() = default;
  Variant(bool value) : value_(value) {}
  Variant(int16_t value) : value_(value) {}
  Variant(int32_t value) : value_(value) {}
  Variant(uint32_t color) : value_(color) {}
  Variant(double value) : value_(value) {}
  Variant(const char* text) : value_(std::string(text)) {}
  Variant(std::string_view text) : value_(std::string(text)) {}
  Variant(std::string text) : value_(std::move(text)) {}
  Variant(FontRef font) : value_(std::move(font)) {}
  Variant(PictureRef picture) : value_(std::move(picture)) {}
  Variant(PanelRef panel) : value_(std::move(panel)) {}
  Variant(PanelsRef panels) : value_(std::move(panels)) {}
  Variant(ControlRef control) : value_(std::move(control)) {}
  Variant(ByteArrayRef bytes) : value_(std::move(bytes)) {}

  VariantType Type() const { return static_cast<VariantType>(value_.index()); }
  bool IsEmpty() const { return Type() == VariantType::kEmpty; }
  bool IsObject() const { return Type() >= VariantType::kFont && Type() <= VariantType::kControl; }
  // A number, a Boolean, the empty value, or a string that reads as a number ("2",
  // " -3.5 ", "1e3", "&H1F"): what the platform's numeric test accepts.
  bool IsNumeric() const;

  // The stored alternative of exactly that type, or null.
  template <typename T>
  const T* Get() const {
    return std::get_if<T>(&value_);
  }

  // Conversions in the platform's manner; nothing when the value does not convert.
  // Numbers round half to even; out-of-range values do not convert; Booleans are -1 and
  // 0; the empty value is 0, "" and false; strings convert when they read as numbers
  // (and, for ToBoolean, "True" and "False").
  std::optional<double> ToDouble() const;
  std::optional<int32_t> ToLong() const;
  std::optional<int16_t> ToInteger() const;
  // A colour: any whole number from -2^31 to 2^32 - 1, kept as its 32-bit pattern.
  std::optional<uint32_t> ToColor() const;
  std::optional<bool> ToBoolean() const;
  // Numbers in their shortest decimal form, Booleans as "True" and "False"; objects do
  // not convert.
  std::optional<std::string> ToText() const;

  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  std::variant<std::monostate, bool, int16_t, int32_t, uint32_t, double, std::string, FontRef,
               PictureRef, PanelRef, PanelsRef, ControlRef, ByteArrayRef>
      value_;
};

}  // namespace wayband
