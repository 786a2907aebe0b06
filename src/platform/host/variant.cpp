// Conversions of the automation Variant.
#include "wayband/variant.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/host/numeric_text.h"
#include "platform/twips.h"

namespace wayband {

namespace {

constexpr int32_t kTrue = -1;
constexpr double kColorMin = -2147483648.0;
constexpr double kColorMax = 4294967295.0;

std::optional<int64_t> RoundedWithin(double value, double low, double high) {
  if (!std::isfinite(value)) return std::nullopt;
  const int64_t rounded = platform::RoundHalfEven(value);
  if (static_cast<double>(rounded) < low || static_cast<double>(rounded) > high) {
    return std::nullopt;
  }
  return rounded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  }
  return true;
}

}  // namespace

bool Variant::IsNumeric() const {
  return ToDouble().has_value();
}

std::optional<double> Variant::ToDouble() const {
  switch (Type()) {
    case VariantType::kEmpty:
      return 0.0;
    case VariantType::kBoolean:
      return *Get<bool>() ? kTrue : 0;
    case VariantType::kInteger:
      return *Get<int16_t>();
    case VariantType::kLong:
      return *Get<int32_t>();
    case VariantType::kColor:
      return *Get<uint32_t>();
    case VariantType::kDouble:
      return *Get<double>();
    case VariantType::kString:
      return host::ParseNumericText(*Get<std::string>());
    default:
      return std::nullopt;
  }
}

std::optional<int32_t> Variant::ToLong() const {
  const auto number = ToDouble();
  if (!number) return std::nullopt;
  const auto rounded = RoundedWithin(*number, std::numeric_limits<int32_t>::min(),
                                     std::numeric_limits<int32_t>::max());
  if (!rounded) return std::nullopt;
  return static_cast<int32_t>(*rounded);
}

std::optional<int16_t> Variant::ToInteger() const {
  const auto number = ToDouble();
  if (!number) return std::nullopt;
  const auto rounded = RoundedWithin(*number, std::numeric_limits<int16_t>::min(),
                                     std::numeric_limits<int16_t>::max());
  if (!rounded) return std::nullopt;
  return static_cast<int16_t>(*rounded);
}

std::optional<uint32_t> Variant::ToColor() const {
  const auto number = ToDouble();
  if (!number) return std::nullopt;
  const auto rounded = RoundedWithin(*number, kColorMin, kColorMax);
  if (!rounded) return std::nullopt;
  return static_cast<uint32_t>(*rounded);
}

std::optional<bool> Variant::ToBoolean() const {
  if (const auto* text = Get<std::string>()) {
    if (EqualsIgnoringCase(*text, "True")) return true;
    if (EqualsIgnoringCase(*text, "False")) return false;
  }
  const auto number = ToDouble();
  if (!number) return std::nullopt;
  return *number != 0.0;
}

std::optional<std::string> Variant::ToText() const {
  switch (Type()) {
    case VariantType::kEmpty:
      return std::string();
    case VariantType::kBoolean:
      return std::string(*Get<bool>() ? "True" : "False");
    case VariantType::kString:
      return *Get<std::string>();
    case VariantType::kInteger:
    case VariantType::kLong:
    case VariantType::kColor:
    case VariantType::kDouble: {
      char buffer[32];
      const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, *ToDouble());
      if (error != std::errc()) return std::nullopt;
      return std::string(buffer, end);
    }
    default:
      return std::nullopt;
  }
}

}  // namespace wayband
