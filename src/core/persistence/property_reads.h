// Typed reads from a property bag for the controls' load: the stored value converted to
// the type the control keeps, by the automation rules of Variant (a string "True" reads as
// a Boolean, a Long within range as an Integer, any whole number as a colour ...). A value
// that does not convert, like an absent one, reads as the default.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "wayband/byte_array.h"
#include "wayband/picture.h"
#include "wayband/property_bag.h"
#include "wayband/std_font.h"

namespace wayband::core {

bool ReadBoolean(const PropertyBag& bag, std::string_view name, bool defaultValue);
int16_t ReadInteger(const PropertyBag& bag, std::string_view name, int16_t defaultValue);
int32_t ReadLong(const PropertyBag& bag, std::string_view name, int32_t defaultValue);
uint32_t ReadColor(const PropertyBag& bag, std::string_view name, uint32_t defaultValue);
std::string ReadString(const PropertyBag& bag, std::string_view name,
                       const std::string& defaultValue);
// Objects do not convert: a value of another kind reads as the default. A stored font is
// read as a new font object with its attributes, so that changing what was read leaves the
// bag as it was stored (and two reads give two fonts).
std::shared_ptr<StdFont> ReadFont(const PropertyBag& bag, std::string_view name,
                                  std::shared_ptr<StdFont> defaultValue);
std::shared_ptr<Picture> ReadPicture(const PropertyBag& bag, std::string_view name);
// The stored array, or null.
std::shared_ptr<const ByteArray> ReadBytes(const PropertyBag& bag, std::string_view name);

}  // namespace wayband::core
