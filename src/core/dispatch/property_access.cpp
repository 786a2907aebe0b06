// Property get and put by name or DISPID for Wayband, ShortcutPanel and ShortcutPanels.
#include "core/dispatch/property_access.h"

#include <vector>

#include "core/dispatch/dispids.h"
#include "wayband/wayband_control.h"

namespace wayband {

using core::Accessor;
using core::PropertyAccessor;
using core::ReadOnly;
namespace id = core::dispid;

namespace {

using PictureRef = std::shared_ptr<Picture>;
using FontRef = std::shared_ptr<StdFont>;
using ControlRef = std::shared_ptr<host::ContainedControl>;

const std::vector<PropertyAccessor<Wayband>>& WaybandAccessors() {
  using W = Wayband;
  static const std::vector<PropertyAccessor<W>> table = {
      Accessor<uint32_t, W>(id::kBackColor, &W::BackColor, &W::SetBackColor),
      Accessor<uint32_t, W>(id::kHoverColor, &W::HoverColor, &W::SetHoverColor),
      Accessor<PictureRef, W>(id::kBackgroundPicture, &W::BackgroundPicture,
                              &W::SetBackgroundPicture),
      Accessor<PictureRef, W>(id::kBarPicture, &W::BarPicture, &W::SetBarPicture),
      Accessor<PictureRef, W>(id::kBarHoverPicture, &W::BarHoverPicture, &W::SetBarHoverPicture),
      Accessor<PictureRef, W>(id::kBarSelectedPicture, &W::BarSelectedPicture,
                              &W::SetBarSelectedPicture),
      Accessor<PictureRef, W>(id::kBarPressedPicture, &W::BarPressedPicture,
                              &W::SetBarPressedPicture),
      Accessor<PictureRef, W>(id::kToolbarPicture, &W::ToolbarPicture, &W::SetToolbarPicture),
      Accessor<PictureRef, W>(id::kHeaderPicture, &W::HeaderPicture, &W::SetHeaderPicture),
      Accessor<bool, W>(id::kShowHeaderIcon, &W::ShowHeaderIcon, &W::SetShowHeaderIcon),
      Accessor<bool, W>(id::kToolbarOnTop, &W::ToolbarOnTop, &W::SetToolbarOnTop),
      Accessor<bool, W>(id::kLockSplitter, &W::LockSplitter, &W::SetLockSplitter),
      Accessor<bool, W>(id::kCenter, &W::Center, &W::SetCenter),
      Accessor<bool, W>(id::kAutoHide, &W::AutoHide, &W::SetAutoHide),
      Accessor<bool, W>(id::kEnabled, &W::Enabled, &W::SetEnabled),
      ReadOnly<ShortcutPanels, W>(id::kWaybandPanels, &W::WaybandPanels),
      Accessor<FontRef, W>(id::kFont, &W::Font, &W::SetFont),
      Accessor<FontRef, W>(id::kSelectedFont, &W::SelectedFont, &W::SetSelectedFont),
      Accessor<FontRef, W>(id::kHeaderFont, &W::HeaderFont, &W::SetHeaderFont),
      Accessor<uint32_t, W>(id::kForeColor, &W::ForeColor, &W::SetForeColor),
      Accessor<uint32_t, W>(id::kHeaderForeColor, &W::HeaderForeColor, &W::SetHeaderForeColor),
      ReadOnly<int32_t, W>(id::kHwnd, &W::hwnd),
      Accessor<bool, W>(id::kRedraw, &W::Redraw, &W::SetRedraw),
      Accessor<bool, W>(id::kRightToLeft, &W::RightToLeft, &W::SetRightToLeft),
      Accessor<std::optional<ShortcutPanel>, W>(id::kSelectedBar, &W::SelectedBar,
                                                &W::SetSelectedBar),
      Accessor<std::string, W>(id::kEmptyPanelCaption, &W::EmptyPanelCaption,
                               &W::SetEmptyPanelCaption),
      Accessor<int32_t, W>(id::kBarsToShow, &W::BarsToShow, &W::SetBarsToShow),
  };
  return table;
}

const std::vector<PropertyAccessor<ShortcutPanel>>& PanelAccessors() {
  using P = ShortcutPanel;
  static const std::vector<PropertyAccessor<P>> table = {
      Accessor<std::string, P>(id::kPanelCaption, &P::Caption, &P::SetCaption),
      Accessor<uint32_t, P>(id::kPanelBackColor1, &P::BackColor1, &P::SetBackColor1),
      Accessor<uint32_t, P>(id::kPanelBackColor2, &P::BackColor2, &P::SetBackColor2),
      Accessor<uint32_t, P>(id::kPanelForeColor, &P::ForeColor, &P::SetForeColor),
      Accessor<uint32_t, P>(id::kPanelBackColorHover1, &P::BackColorHover1, &P::SetBackColorHover1),
      Accessor<uint32_t, P>(id::kPanelBackColorHover2, &P::BackColorHover2, &P::SetBackColorHover2),
      Accessor<uint32_t, P>(id::kPanelForeColorHover, &P::ForeColorHover, &P::SetForeColorHover),
      Accessor<std::string, P>(id::kPanelIconKey, &P::IconKey, &P::SetIconKey),
      Accessor<int32_t, P>(id::kPanelIndex, &P::Index, &P::SetIndex),
      ReadOnly<std::string, P>(id::kPanelKey, &P::Key),
      Accessor<ControlRef, P>(id::kPanelPanel, &P::Panel, &P::SetPanel),
      Accessor<bool, P>(id::kPanelSelected, &P::Selected, &P::SetSelected),
      Accessor<std::string, P>(id::kPanelTag, &P::Tag, &P::SetTag),
      Accessor<bool, P>(id::kPanelEnabled, &P::Enabled, &P::SetEnabled),
      Accessor<std::string, P>(id::kPanelToolTipText, &P::ToolTipText, &P::SetToolTipText),
      Accessor<bool, P>(id::kPanelVisible, &P::Visible, &P::SetVisible),
  };
  return table;
}

const std::vector<PropertyAccessor<ShortcutPanels>>& PanelsAccessors() {
  using S = ShortcutPanels;
  static const std::vector<PropertyAccessor<S>> table = {
      ReadOnly<int32_t, S>(id::kPanelsCount, &S::Count),
  };
  return table;
}

}  // namespace

std::optional<Variant> GetProperty(Wayband& control, int32_t dispid) {
  return core::GetByDispid<Wayband>(WaybandAccessors(), control, dispid);
}
std::optional<Variant> GetProperty(Wayband& control, std::string_view name) {
  return GetProperty(control, core::DispidOf(WaybandInterface(), name));
}
bool PutProperty(Wayband& control, int32_t dispid, const Variant& value) {
  return core::PutByDispid<Wayband>(WaybandAccessors(), control, dispid, value);
}
bool PutProperty(Wayband& control, std::string_view name, const Variant& value) {
  return PutProperty(control, core::DispidOf(WaybandInterface(), name), value);
}

std::optional<Variant> GetProperty(ShortcutPanel& panel, int32_t dispid) {
  return core::GetByDispid<ShortcutPanel>(PanelAccessors(), panel, dispid);
}
std::optional<Variant> GetProperty(ShortcutPanel& panel, std::string_view name) {
  return GetProperty(panel, core::DispidOf(ShortcutPanelInterface(), name));
}
bool PutProperty(ShortcutPanel& panel, int32_t dispid, const Variant& value) {
  return core::PutByDispid<ShortcutPanel>(PanelAccessors(), panel, dispid, value);
}
bool PutProperty(ShortcutPanel& panel, std::string_view name, const Variant& value) {
  return PutProperty(panel, core::DispidOf(ShortcutPanelInterface(), name), value);
}

std::optional<Variant> GetProperty(ShortcutPanels& panels, int32_t dispid) {
  return core::GetByDispid<ShortcutPanels>(PanelsAccessors(), panels, dispid);
}
std::optional<Variant> GetProperty(ShortcutPanels& panels, std::string_view name) {
  return GetProperty(panels, core::DispidOf(ShortcutPanelsInterface(), name));
}

}  // namespace wayband
