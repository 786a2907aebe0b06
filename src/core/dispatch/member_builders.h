// Builders of member descriptions for the interface tables of the library's classes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "wayband/interface_description.h"

namespace wayband::core {

enum class Access { kGet, kGetPut, kGetPutRef, kGetPutAndPutRef };

constexpr MemberDescription Property(std::string_view name, int32_t dispid, AutomationType type,
                                     Access access, std::string_view help = {}) {
  MemberDescription m;
  m.name = name;
  m.dispid = dispid;
  m.kind = MemberKind::kProperty;
  m.type = type;
  m.canGet = true;
  m.canPut = access == Access::kGetPut || access == Access::kGetPutAndPutRef;
  m.canPutRef = access == Access::kGetPutRef || access == Access::kGetPutAndPutRef;
  m.helpString = help;
  return m;
}

constexpr MemberDescription Method(std::string_view name, int32_t dispid, AutomationType result,
                                   std::span<const ParameterDescription> parameters = {},
                                   MemberKind kind = MemberKind::kMethod) {
  MemberDescription m;
  m.name = name;
  m.dispid = dispid;
  m.kind = kind;
  m.type = result;
  m.parameters = parameters;
  return m;
}

constexpr MemberDescription WithParameters(MemberDescription m,
                                           std::span<const ParameterDescription> parameters) {
  m.parameters = parameters;
  return m;
}

}  // namespace wayband::core
