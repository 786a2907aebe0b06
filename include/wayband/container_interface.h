// The interface description of NorvaleContainer: the members of _NorvaleContainer with
// their DISPIDs, types and help strings, its event interface __NorvaleContainer (which has
// no members), and property access by name or DISPID as for the bar control.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "wayband/interface_description.h"
#include "wayband/norvale_container.h"
#include "wayband/variant.h"

namespace wayband {

const InterfaceDescription& NorvaleContainerInterface();       // _NorvaleContainer
const InterfaceDescription& NorvaleContainerEventInterface();  // __NorvaleContainer

std::optional<Variant> GetProperty(NorvaleContainer& container, std::string_view name);
std::optional<Variant> GetProperty(NorvaleContainer& container, int32_t dispid);
bool PutProperty(NorvaleContainer& container, std::string_view name, const Variant& value);
bool PutProperty(NorvaleContainer& container, int32_t dispid, const Variant& value);

}  // namespace wayband
