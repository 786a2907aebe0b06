// The members of the library's automation interfaces, as its type library describes them.
#include <array>

#include "core/control_core.h"
#include "core/dispatch/dispids.h"
#include "core/dispatch/member_builders.h"
#include "wayband/interface_description.h"

namespace wayband {

namespace {

using T = AutomationType;
using core::Access;
using core::Method;
using core::Property;
using core::WithParameters;

constexpr std::array kLoadIconParameters{
    ParameterDescription{"sFile", T::kString, false, true},
    ParameterDescription{"sKey", T::kString, false, true},
};

constexpr std::array kWaybandMembers{
    Property("BackColor", core::dispid::kBackColor, T::kOleColor, Access::kGetPut,
             "Returns/sets the background color."),
    Property("HoverColor", core::dispid::kHoverColor, T::kOleColor, Access::kGetPut,
             "Returns/sets the hover color."),
    Property("BackgroundPicture", core::dispid::kBackgroundPicture, T::kPicture, Access::kGetPutRef,
             "Returns/sets the background picture."),
    Property("BarPicture", core::dispid::kBarPicture, T::kPicture, Access::kGetPutRef,
             "Returns/sets the bar background picture."),
    Property("BarHoverPicture", core::dispid::kBarHoverPicture, T::kPicture, Access::kGetPutRef,
             "Returns/sets the bar hover background  picture."),
    Property("BarSelectedPicture", core::dispid::kBarSelectedPicture, T::kPicture,
             Access::kGetPutRef, "Returns/sets the bar selected background picture."),
    Property("BarPressedPicture", core::dispid::kBarPressedPicture, T::kPicture, Access::kGetPutRef,
             "Returns/sets the bar pressed background picture."),
    Property("ToolbarPicture", core::dispid::kToolbarPicture, T::kPicture, Access::kGetPutRef,
             "Returns/sets the toolbar background picture."),
    Property("HeaderPicture", core::dispid::kHeaderPicture, T::kPicture, Access::kGetPutRef,
             "Returns/sets the header background picture."),
    Property("ShowHeaderIcon", core::dispid::kShowHeaderIcon, T::kBoolean, Access::kGetPut,
             "Returns/sets if the icon for the header bar should be shown."),
    Property("ToolbarOnTop", core::dispid::kToolbarOnTop, T::kBoolean, Access::kGetPut,
             "Returns/sets if the toolbar should be aligned to the top of the control."),
    Property("LockSplitter", core::dispid::kLockSplitter, T::kBoolean, Access::kGetPut,
             "Returns/sets if the contol's splitter bar can be dragged."),
    Property("Center", core::dispid::kCenter, T::kBoolean, Access::kGetPut,
             "Returns/sets if the captions should be centered."),
    Property("AutoHide", core::dispid::kAutoHide, T::kBoolean, Access::kGetPut,
             "Returns/sets if the Wayband will automatically hide panels if the control is "
             "resized to an insufficent height."),
    Method("ShowNavigationOptions", core::dispid::kShowNavigationOptions, T::kVoid),
    Property("Enabled", core::dispid::kEnabled, T::kBoolean, Access::kGetPut,
             "Returns/sets if the control is enabled."),
    Property("WaybandPanels", core::dispid::kWaybandPanels, T::kShortcutPanels, Access::kGet),
    Property("Font", core::dispid::kFont, T::kFont, Access::kGetPutRef, "Returns/sets the font."),
    Property("SelectedFont", core::dispid::kSelectedFont, T::kFont, Access::kGetPutRef,
             "Returns/sets the font for the selected bar."),
    Property("HeaderFont", core::dispid::kHeaderFont, T::kFont, Access::kGetPutRef,
             "Returns/sets the font used to display the header text."),
    Property("ForeColor", core::dispid::kForeColor, T::kOleColor, Access::kGetPut,
             "Returns/sets the forecolor."),
    Property("HeaderForeColor", core::dispid::kHeaderForeColor, T::kOleColor, Access::kGetPut,
             "Returns/sets the header forecolor."),
    Property("hwnd", core::dispid::kHwnd, T::kLong, Access::kGet,
             "Returns the HWND of the control."),
    Property("Redraw", core::dispid::kRedraw, T::kBoolean, Access::kGetPut,
             "Determines if drawing will be performed."),
    Property("RightToLeft", core::dispid::kRightToLeft, T::kBoolean, Access::kGetPut,
             "Determines if right-to-left reading mode is enabled."),
    Property("SelectedBar", core::dispid::kSelectedBar, T::kShortcutPanel, Access::kGetPut,
             "Returns/sets the selected bar/panel."),
    Property("EmptyPanelCaption", core::dispid::kEmptyPanelCaption, T::kString, Access::kGetPut,
             "Returns/sets the text to display when a bar does not have a panel control "
             "assigned."),
    Property("BarsToShow", core::dispid::kBarsToShow, T::kLong, Access::kGetPut,
             "Returns/sets the number of bars that Wayband should try to show."),
    Method("LoadIconImageFromFile", core::dispid::kLoadIconImageFromFile, T::kBoolean,
           kLoadIconParameters),
};

constexpr std::array kPanelParameter{ParameterDescription{"oPnl", T::kShortcutPanel, false, true}};
constexpr std::array kEndParameter{ParameterDescription{"bEnd", T::kBoolean, false, true}};

constexpr std::array kWaybandEvents{
    Method("BarRightClick", core::kDispidBarRightClick, T::kVoid, kPanelParameter,
           MemberKind::kEvent),
    Method("BarClick", core::kDispidBarClick, T::kVoid, kPanelParameter, MemberKind::kEvent),
    Method("BarHover", core::kDispidBarHover, T::kVoid, kPanelParameter, MemberKind::kEvent),
    Method("PanelResize", core::kDispidPanelResize, T::kVoid, kEndParameter, MemberKind::kEvent),
    Method("ShowChevronMenu", core::kDispidShowChevronMenu, T::kVoid, {}, MemberKind::kEvent),
};

constexpr std::array kAddParameters{
    ParameterDescription{"Key", T::kVariant, true, false},
    ParameterDescription{"KeyBefore", T::kVariant, true, false},
    ParameterDescription{"sCaption", T::kString, true, false},
    ParameterDescription{"IconKey", T::kString, true, false},
};
constexpr std::array kKeyParameter{ParameterDescription{"Key", T::kVariant, false, false}};

constexpr std::array kPanelsMembers{
    Method("Add", core::dispid::kPanelsAdd, T::kShortcutPanel, kAddParameters),
    Method("Clear", core::dispid::kPanelsClear, T::kVoid),
    Property("Count", core::dispid::kPanelsCount, T::kLong, Access::kGet),
    WithParameters(Property("Item", core::dispid::kPanelsItem, T::kShortcutPanel, Access::kGet),
                   kKeyParameter),
    Method("Remove", core::dispid::kPanelsRemove, T::kVoid, kKeyParameter),
};

constexpr std::array kPanelMembers{
    Property("Caption", core::dispid::kPanelCaption, T::kString, Access::kGetPut),
    Property("BackColor1", core::dispid::kPanelBackColor1, T::kOleColor, Access::kGetPut),
    Property("BackColor2", core::dispid::kPanelBackColor2, T::kOleColor, Access::kGetPut),
    Property("ForeColor", core::dispid::kPanelForeColor, T::kOleColor, Access::kGetPut),
    Property("BackColorHover1", core::dispid::kPanelBackColorHover1, T::kOleColor, Access::kGetPut),
    Property("BackColorHover2", core::dispid::kPanelBackColorHover2, T::kOleColor, Access::kGetPut),
    Property("ForeColorHover", core::dispid::kPanelForeColorHover, T::kOleColor, Access::kGetPut),
    Property("IconKey", core::dispid::kPanelIconKey, T::kString, Access::kGetPut),
    Property("Index", core::dispid::kPanelIndex, T::kLong, Access::kGetPut),
    Property("Key", core::dispid::kPanelKey, T::kString, Access::kGet),
    Property("Panel", core::dispid::kPanelPanel, T::kObject, Access::kGetPutAndPutRef),
    Property("Selected", core::dispid::kPanelSelected, T::kBoolean, Access::kGetPut),
    Property("Tag", core::dispid::kPanelTag, T::kString, Access::kGetPut),
    Property("Enabled", core::dispid::kPanelEnabled, T::kBoolean, Access::kGetPut),
    Property("ToolTipText", core::dispid::kPanelToolTipText, T::kString, Access::kGetPut),
    Property("Visible", core::dispid::kPanelVisible, T::kBoolean, Access::kGetPut),
};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

const MemberDescription* InterfaceDescription::Find(std::string_view memberName) const {
  for (const MemberDescription& member : members) {
    if (SameName(member.name, memberName)) return &member;
  }
  return nullptr;
}

const MemberDescription* InterfaceDescription::Find(int32_t dispid) const {
  for (const MemberDescription& member : members) {
    if (member.dispid == dispid) return &member;
  }
  return nullptr;
}

const InterfaceDescription& WaybandInterface() {
  static const InterfaceDescription description{"_Wayband", kWaybandMembers};
  return description;
}

const InterfaceDescription& WaybandEventInterface() {
  static const InterfaceDescription description{"__Wayband", kWaybandEvents};
  return description;
}

const InterfaceDescription& ShortcutPanelsInterface() {
  static const InterfaceDescription description{"_ShortcutPanels", kPanelsMembers};
  return description;
}

const InterfaceDescription& ShortcutPanelInterface() {
  static const InterfaceDescription description{"_ShortcutPanel", kPanelMembers};
  return description;
}

}  // namespace wayband
