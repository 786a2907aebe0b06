// Creation, new instance, first show and destruction of the control, and its events.
#include "core/control_core.h"

#include <array>

#include "core/child_strips.h"
#include "platform/hook/window_hook.h"
#include "platform/imaging_library.h"
#include "platform/os_version.h"
#include "platform/visual_styles.h"
#include "render/draw/font_record.h"
#include "render/scheme/low_color_display.h"
#include "render/scheme/scheme_update.h"
#include "wayband/wayband_control.h"

namespace wayband::core {

namespace {
inline constexpr double kHeaderFontSize = 12.0;
}  // namespace

ControlCore::ControlCore(host::ControlSite& site, Wayband& owner) : site_(&site), owner_(&owner) {}

ControlCore::~ControlCore() {
  Destroy();
}

void ControlCore::Create() {
  // The platform's flags, recorded once per thread and shared by every control on it.
  platform::RecordedOsFlags();
  platform::RecordImagingCapabilities();
  render::CheckLowColorDisplay(nullptr);
  state_.WindowHandle = site_->hWnd();
  m_oMouseTimer = std::make_unique<platform::CTimer>();
  // The drawing metrics and border colours are set here with the painting.
  state_.ShowHeaderIcon = true;
  toolbar_ = site_->CreateChildStrip(ToolbarDesign());
  splitBar_ = site_->CreateChildStrip(SplitBarDesign());
  render::UpdateColorScheme(state_.Palette, state_.WindowHandle);
  RecreateSurfaces();
  state_.ToolbarDirty = true;
  state_.AutoHide = true;
  state_.AnimationEnabled = false;
  // Asked for its side effect: the visual-styles library is loaded from here on. Each
  // frame pass asks again for the look it paints.
  platform::IsAppThemed();
  tmrAnimate_.ThatTime.Connect([this] { AnimationTick(); });
  tmrAnimate_.SetInterval(kAnimationInterval);
  site_->Attach(this);
}

void ControlCore::InitProperties() {
  if (!Alive()) return;
  site_->SetFont(render::CloneFont(site_->AmbientFont()));
  state_.HeaderFont = render::CloneFont(site_->Font());
  state_.SelectedFont = render::CloneFont(site_->Font());
  state_.HeaderFont->SetSize(kHeaderFontSize);
  state_.BarsToShow = 1;
  state_.Redraw = true;
  state_.ToolbarOnTop = false;
  state_.ShowHeaderIcon = true;
  state_.LockSplitter = false;
  state_.Center = false;
  state_.RightToLeft = false;
  state_.HeaderForeColor = kWhite;
  state_.HoverColor = kButtonFace;
  state_.EmptyPanelCaption = kDefaultEmptyPanelCaption;
  // The icon store starts as a new empty collection here with the icons.
  state_.BarPadding = kNewInstanceBarPadding;
}

void ControlCore::Show() {
  if (!Alive()) return;
  state_.WindowHandle = site_->hWnd();
  if (!state_.HeaderFont) state_.HeaderFont = site_->Font();
  render::UpdateColorScheme(state_.Palette, state_.WindowHandle);
  Refresh();
}

void ControlCore::Destroy() {
  if (!Alive()) return;
  if (input_) input_->Detach();
  state_.panels.Clear();
  // Every hooked window gets its previous handling back before the site goes.
  UnhookParentWindow();
  parentHook_.reset();
  m_oMouseTimer.reset();
  m_oColorTimer.reset();
  tmrAnimate_.SetInterval(0);
  site_->Attach(nullptr);
  site_ = nullptr;
  owner_ = nullptr;
  toolbar_ = nullptr;
  splitBar_ = nullptr;
}

void ControlCore::SetInput(std::unique_ptr<ControlInput> input) {
  if (input_) input_->Detach();
  input_ = std::move(input);
}

void ControlCore::Notify(const char* name) {
  if (site_) site_->PropertyChanged(name);
}

void ControlCore::DoEvents() {
  if (site_) site_->DoEvents();
}

std::optional<ShortcutPanel> ControlCore::PanelHandle(int32_t index) {
  const PanelRecord* record = state_.panels.At(index);
  if (!record) return std::nullopt;
  return ShortcutPanel(weak_from_this(), record->lID);
}

ShortcutPanels ControlCore::PanelsHandle() {
  return ShortcutPanels(weak_from_this(), state_.WindowHandle);
}

std::shared_ptr<host::ContainedControl> ControlCore::ContainedControl(
    host::ControlIdentity identity) const {
  if (!site_ || identity == host::kNoControl) return nullptr;
  for (auto& control : site_->ContainedControls()) {
    if (control->Identity() == identity) return control;
  }
  return nullptr;
}

void ControlCore::RaisePanelEvent(PanelEvent event, int32_t index) {
  if (!owner_) return;
  std::optional<ShortcutPanel> panel = PanelHandle(index);
  if (!panel) return;
  static constexpr std::array kNames{"BarRightClick", "BarClick", "BarHover"};
  static constexpr std::array kDispids{kDispidBarRightClick, kDispidBarClick, kDispidBarHover};
  Event<ShortcutPanel&>* handlers[] = {&owner_->BarRightClick, &owner_->BarClick,
                                       &owner_->BarHover};
  const auto which = static_cast<size_t>(event);
  handlers[which]->Raise(*panel);
  if (!site_) return;  // a handler destroyed the control
  std::array<Variant, 1> args{Variant(std::make_shared<ShortcutPanel>(*panel))};
  site_->RaiseEvent(kNames[which], kDispids[which], args);
}

void ControlCore::RaisePanelResize(bool bEnd) {
  if (!owner_) return;
  owner_->PanelResize.Raise(bEnd);
  if (!site_) return;
  std::array<Variant, 1> args{Variant(bEnd)};
  site_->RaiseEvent("PanelResize", kDispidPanelResize, args);
}

void ControlCore::RaiseShowChevronMenu() {
  if (!owner_) return;
  owner_->ShowChevronMenu.Raise();
  if (!site_) return;
  site_->RaiseEvent("ShowChevronMenu", kDispidShowChevronMenu, {});
}

}  // namespace wayband::core
