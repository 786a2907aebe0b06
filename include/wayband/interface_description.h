// The interface description of the library's classes: every member of _Wayband, its event
// interface __Wayband, _ShortcutPanels and _ShortcutPanel with its DISPID, kind, type,
// parameters and help string, and property access by name or DISPID through it, so that
// tools and designers can read and set any property without knowing the C++ API.
//
// Names are found without regard to case, as automation finds them. Putting a value
// converts it in the platform's manner (a numeric string sets a Long, "True" a Boolean);
// a value that does not convert, a read-only property, or an unknown member is refused
// (false) and nothing changes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "wayband/variant.h"

namespace wayband {

class Wayband;
class ShortcutPanel;
class ShortcutPanels;

enum class MemberKind { kProperty, kMethod, kEvent };

enum class AutomationType {
  kVoid,
  kBoolean,
  kInteger,
  kLong,
  kOleColor,
  kString,
  kVariant,
  kFont,
  kPicture,
  kObject,
  kShortcutPanel,
  kShortcutPanels,
};

struct ParameterDescription {
  std::string_view name;
  AutomationType type = AutomationType::kVariant;
  bool optional = false;
  bool byRef = false;
};

struct MemberDescription {
  std::string_view name;
  int32_t dispid = 0;
  MemberKind kind = MemberKind::kProperty;
  // The property's type, or a method's return type.
  AutomationType type = AutomationType::kVoid;
  bool canGet = false;
  bool canPut = false;     // assignment of a value (let)
  bool canPutRef = false;  // assignment of an object reference (set)
  std::span<const ParameterDescription> parameters;
  std::string_view helpString;
};

struct InterfaceDescription {
  std::string_view name;
  std::span<const MemberDescription> members;

  const MemberDescription* Find(std::string_view memberName) const;
  const MemberDescription* Find(int32_t dispid) const;
};

const InterfaceDescription& WaybandInterface();         // _Wayband
const InterfaceDescription& WaybandEventInterface();    // __Wayband
const InterfaceDescription& ShortcutPanelsInterface();  // _ShortcutPanels
const InterfaceDescription& ShortcutPanelInterface();   // _ShortcutPanel

// Property get by name or DISPID; nothing for an unknown member or one that cannot be read.
std::optional<Variant> GetProperty(Wayband& control, std::string_view name);
std::optional<Variant> GetProperty(Wayband& control, int32_t dispid);
std::optional<Variant> GetProperty(ShortcutPanel& panel, std::string_view name);
std::optional<Variant> GetProperty(ShortcutPanel& panel, int32_t dispid);
std::optional<Variant> GetProperty(ShortcutPanels& panels, std::string_view name);
std::optional<Variant> GetProperty(ShortcutPanels& panels, int32_t dispid);

// Property put (let or set) by name or DISPID.
bool PutProperty(Wayband& control, std::string_view name, const Variant& value);
bool PutProperty(Wayband& control, int32_t dispid, const Variant& value);
bool PutProperty(ShortcutPanel& panel, std::string_view name, const Variant& value);
bool PutProperty(ShortcutPanel& panel, int32_t dispid, const Variant& value);

}  // namespace wayband
