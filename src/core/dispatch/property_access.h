// Property accessors of one class, by DISPID: a getter and, where the property can be
// assigned, a setter that converts the Variant to the property's type first.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "core/dispatch/variant_values.h"
#include "wayband/interface_description.h"

namespace wayband::core {

template <typename Object>
struct PropertyAccessor {
  int32_t dispid = 0;
  std::function<Variant(Object&)> get;
  std::function<bool(Object&, const Variant&)> put;  // empty for read-only properties
};

// An accessor from a getter and a setter (member functions or callables) of type T.
template <typename T, typename Object, typename Get, typename Put>
PropertyAccessor<Object> Accessor(int32_t dispid, Get get, Put put) {
  return {dispid, [get](Object& object) { return VariantValue<T>::To(std::invoke(get, object)); },
          [put](Object& object, const Variant& value) {
            auto converted = VariantValue<T>::From(value);
            if (!converted) return false;
            std::invoke(put, object, std::move(*converted));
            return true;
          }};
}

template <typename T, typename Object, typename Get>
PropertyAccessor<Object> ReadOnly(int32_t dispid, Get get) {
  return {dispid, [get](Object& object) { return VariantValue<T>::To(std::invoke(get, object)); },
          nullptr};
}

template <typename Object>
const PropertyAccessor<Object>* FindAccessor(std::span<const PropertyAccessor<Object>> table,
                                             int32_t dispid) {
  for (const auto& accessor : table) {
    if (accessor.dispid == dispid) return &accessor;
  }
  return nullptr;
}

template <typename Object>
std::optional<Variant> GetByDispid(std::span<const PropertyAccessor<Object>> table, Object& object,
                                   int32_t dispid) {
  const auto* accessor = FindAccessor(table, dispid);
  if (!accessor) return std::nullopt;
  return accessor->get(object);
}

template <typename Object>
bool PutByDispid(std::span<const PropertyAccessor<Object>> table, Object& object, int32_t dispid,
                 const Variant& value) {
  const auto* accessor = FindAccessor(table, dispid);
  return accessor && accessor->put && accessor->put(object, value);
}

// The DISPID of a named member of the interface, or 0 (no member has 0 here).
inline int32_t DispidOf(const InterfaceDescription& description, std::string_view name) {
  const MemberDescription* member = description.Find(name);
  return member ? member->dispid : 0;
}

}  // namespace wayband::core
