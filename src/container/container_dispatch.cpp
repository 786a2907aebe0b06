// The interface description of NorvaleContainer and property access through it.
#include <array>
#include <vector>

#include "core/dispatch/member_builders.h"
#include "core/dispatch/property_access.h"
#include "wayband/container_interface.h"

namespace wayband {

namespace {

using T = AutomationType;
using core::Access;
using core::Property;
namespace dispid {
constexpr int32_t kEnabled = -514;  // the standard enabled DISPID
constexpr int32_t kIconSize = 0x68030007;
constexpr int32_t kFont = 0x68030006;
constexpr int32_t kForeColor = 0x68030005;
constexpr int32_t kIconKey = 0x68030004;
constexpr int32_t kBackColor = 0x68030003;
constexpr int32_t kBarColor = 0x68030002;
constexpr int32_t kCaption = -518;  // the standard caption DISPID
constexpr int32_t kAutoSizeControls = 0x68030001;
constexpr int32_t kTopMargin = 0x68030000;
}  // namespace dispid

constexpr std::array kContainerMembers{
    Property("Enabled", dispid::kEnabled, T::kBoolean, Access::kGetPut),
    Property("IconSize", dispid::kIconSize, T::kLong, Access::kGetPut,
             "Returns/sets the icon size."),
    Property("Font", dispid::kFont, T::kFont, Access::kGetPutRef,
             "Returns/sets the font. Must be 9pt or smaller."),
    Property("ForeColor", dispid::kForeColor, T::kOleColor, Access::kGetPut,
             "Returns/sets the forecolor."),
    Property("IconKey", dispid::kIconKey, T::kString, Access::kGetPut),
    Property("BackColor", dispid::kBackColor, T::kOleColor, Access::kGetPut,
             "Returns/sets the background color."),
    Property("BarColor", dispid::kBarColor, T::kOleColor, Access::kGetPut,
             "Returns/sets the bar color"),
    Property("Caption", dispid::kCaption, T::kString, Access::kGetPut, "Returns/sets the caption"),
    Property("AutoSizeControls", dispid::kAutoSizeControls, T::kBoolean, Access::kGetPut,
             "Returns/sets if controls in this container are automatically positioned."),
    Property("TopMargin", dispid::kTopMargin, T::kLong, Access::kGetPut,
             "Returns/sets the top margin offset."),
};

using C = NorvaleContainer;
using core::Accessor;

int32_t IconSizeValue(const C& container) {
  return static_cast<int32_t>(container.IconSize());
}
void SetIconSizeValue(C& container, int32_t size) {
  container.SetIconSize(static_cast<eAlphaIconSizes>(size));
}

const std::vector<core::PropertyAccessor<C>>& ContainerAccessors() {
  static const std::vector<core::PropertyAccessor<C>> table = {
      Accessor<bool, C>(dispid::kEnabled, &C::Enabled, &C::SetEnabled),
      Accessor<int32_t, C>(dispid::kIconSize, &IconSizeValue, &SetIconSizeValue),
      Accessor<std::shared_ptr<StdFont>, C>(dispid::kFont, &C::Font, &C::SetFont),
      Accessor<uint32_t, C>(dispid::kForeColor, &C::ForeColor, &C::SetForeColor),
      Accessor<std::string, C>(dispid::kIconKey, &C::IconKey, &C::SetIconKey),
      Accessor<uint32_t, C>(dispid::kBackColor, &C::BackColor, &C::SetBackColor),
      Accessor<uint32_t, C>(dispid::kBarColor, &C::BarColor, &C::SetBarColor),
      Accessor<std::string, C>(dispid::kCaption, &C::Caption, &C::SetCaption),
      Accessor<bool, C>(dispid::kAutoSizeControls, &C::AutoSizeControls, &C::SetAutoSizeControls),
      Accessor<int32_t, C>(dispid::kTopMargin, &C::TopMargin, &C::SetTopMargin),
  };
  return table;
}

}  // namespace

const InterfaceDescription& NorvaleContainerInterface() {
  static const InterfaceDescription description{"_NorvaleContainer", kContainerMembers};
  return description;
}

const InterfaceDescription& NorvaleContainerEventInterface() {
  static const InterfaceDescription description{"__NorvaleContainer", {}};
  return description;
}

std::optional<Variant> GetProperty(NorvaleContainer& container, int32_t id) {
  return core::GetByDispid<C>(ContainerAccessors(), container, id);
}
std::optional<Variant> GetProperty(NorvaleContainer& container, std::string_view name) {
  return GetProperty(container, core::DispidOf(NorvaleContainerInterface(), name));
}
bool PutProperty(NorvaleContainer& container, int32_t id, const Variant& value) {
  return core::PutByDispid<C>(ContainerAccessors(), container, id, value);
}
bool PutProperty(NorvaleContainer& container, std::string_view name, const Variant& value) {
  return PutProperty(container, core::DispidOf(NorvaleContainerInterface(), name), value);
}

}  // namespace wayband
