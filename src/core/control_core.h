// ControlCore: the Wayband control itself. The public classes (Wayband, ShortcutPanels,
// ShortcutPanel) are thin: Wayband owns the core, and the panel handles find it through a
// weak reference, so a handle that outlives its control reads empty values and ignores
// writes. The core keeps the control's state, its child strips, surfaces and timers, and
// implements every property, panel operation, the layout and the refresh.
//
// Files: control_core.cpp (creation, new instance, first show, destruction, events),
// control_properties.cpp (property setters), persistence/ (save and load),
// scheme_watch.cpp (the run-time scheme watch), panel_operations.cpp (the panel store's
// operations), layout.cpp (BarsToShow, refresh, arranging, resize).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/control_input.h"
#include "core/control_state.h"
#include "core/frame_context.h"
#include "imaging/dib32.h"
#include "platform/geometry.h"
#include "platform/host/control_site.h"
#include "platform/text/logical_font.h"
#include "platform/timer.h"
#include "wayband/property_bag.h"
#include "wayband/shortcut_panel.h"
#include "wayband/shortcut_panels.h"
#include "wayband/variant.h"

namespace wayband {
class Wayband;
}
namespace wayband::platform {
class WindowHook;
class WindowHookOwner;
}  // namespace wayband::platform

namespace wayband::core {

enum class PanelEvent { kBarRightClick, kBarClick, kBarHover };

// Event DISPIDs of the control's event interface.
inline constexpr int32_t kDispidBarRightClick = 1;
inline constexpr int32_t kDispidBarClick = 2;
inline constexpr int32_t kDispidBarHover = 3;
inline constexpr int32_t kDispidPanelResize = 4;
inline constexpr int32_t kDispidShowChevronMenu = 5;

// Interval of the animation timer tmrAnimate, milliseconds, and its last step.
inline constexpr int32_t kAnimationInterval = 75;
inline constexpr int32_t kLastAnimationStep = 5;

class ControlCore final : public host::ControlCallbacks,
                          public std::enable_shared_from_this<ControlCore> {
 public:
  ControlCore(host::ControlSite& site, Wayband& owner);
  ~ControlCore() override;
  ControlCore(const ControlCore&) = delete;
  ControlCore& operator=(const ControlCore&) = delete;

  // --- Lifecycle (control_core.cpp) ------------------------------------------------------
  // Creation: runs once, before any property is set up.
  void Create();
  // New instance: the defaults of a control the host has no stored properties for.
  void InitProperties();
  // First show (each time the host shows the control).
  void Show() override;
  // Destruction; afterwards the core is inert (no site, no owner).
  void Destroy();
  bool Alive() const { return site_ != nullptr; }

  // --- Persistence (persistence/control_persistence.cpp) -----------------------------------
  // Save: the control's entries in the host's property bag, in their fixed order.
  void WriteProperties(PropertyBag& bag);
  // Load, instead of InitProperties: the stored properties and icons; no refresh.
  void ReadProperties(const PropertyBag& bag);
  // The start-up of the scheme watch at run time (scheme_watch.cpp): the parent window
  // hook on the control's form, or the 1250 ms scheme poll when the form cannot be hooked.
  void StartSchemeWatch();
  // A watched message of the form's window, after the form handled it: the scheme
  // refresh for the display, colour, setting and visual-style notifications; the bar
  // count automatic hiding returns to for the start of a move or size.
  void OnParentWindowMessage(uint32_t message);
  // Every NorvaleContainer on the control's form refreshes its colours.
  void RefreshNorvaleContainers();

  // --- Events ----------------------------------------------------------------------------
  // Raise the control's events to the owner's handlers and to the host.
  void RaisePanelEvent(PanelEvent event, int32_t index);
  void RaisePanelResize(bool bEnd);
  void RaiseShowChevronMenu();

  // --- Properties (control_properties.cpp) -------------------------------------------------
  uint32_t BackColor() const;
  void SetBackColor(uint32_t color);
  uint32_t ForeColor() const;
  void SetForeColor(uint32_t color);
  std::shared_ptr<StdFont> Font() const;
  void SetFont(const std::shared_ptr<StdFont>& font);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  host::WindowHandle hwnd() const;
  void SetToolbarOnTop(bool onTop);
  void SetLockSplitter(bool locked);
  void SetRedraw(bool redraw);
  std::optional<ShortcutPanel> SelectedBar();
  // Stores a field of the control, notifies the host of `name` and refreshes.
  template <typename T>
  void StoreNotifyRefresh(T ControlState::*field, T value, const char* name) {
    if (!Alive()) return;
    state_.*field = std::move(value);
    Notify(name);
    Refresh();
  }

  // --- Panels (panel_operations.cpp) -------------------------------------------------------
  std::optional<ShortcutPanel> AddPanel(const Variant& key, const Variant& keyBefore,
                                        const std::string& caption, const std::string& iconKey);
  // Throws error 9 when the store is empty.
  std::optional<ShortcutPanel> ItemPanel(const Variant& key);
  void RemovePanel(const Variant& key);
  void ClearPanels();
  int32_t PanelCount() const { return state_.panels.PanelCount(); }
  // A new handle for the panel at `index` (1-based), or nothing.
  std::optional<ShortcutPanel> PanelHandle(int32_t index);
  // A new collection handle bound to this control.
  ShortcutPanels PanelsHandle();

  // Operations the panel handles call, by panel ID. Getters of a missing panel return the
  // type's empty value; setters of a missing panel change nothing and do not refresh.
  template <typename T>
  T PanelField(int32_t id, T PanelRecord::*field) const {
    const PanelRecord* record = state_.panels.FindById(id);
    return record ? record->*field : T{};
  }
  template <typename T>
  void SetPanelField(int32_t id, T PanelRecord::*field, T value, bool refresh) {
    PanelRecord* record = state_.panels.FindById(id);
    if (!record) return;
    record->*field = std::move(value);
    if (refresh) Refresh();
  }
  int32_t PanelIndex(int32_t id) const { return state_.panels.IndexOfId(id); }
  void MovePanel(int32_t id, int32_t newIndex);
  bool PanelSelected(int32_t id) const;
  void SelectPanel(int32_t id);
  // False when the panel does not exist.
  bool SetPanelVisible(int32_t id, bool visible);
  std::shared_ptr<host::ContainedControl> PanelControl(int32_t id) const;
  void AssignPanelControl(int32_t id, const std::shared_ptr<host::ContainedControl>& control);

  // --- Reordering (panel_reorder.cpp), for the navigation options dialog's OK -------------
  // ReorderRecords := n empty positions, n = PanelCount.
  void BeginReorder();
  // Copies the record with lID `panelId` to position `newPosition` (1-based) with bVisible
  // replaced; the selected record carries the selection along. Unknown IDs and positions
  // change nothing.
  void PlaceRecord(int32_t newPosition, int32_t panelId, bool bVisible);
  // Makes the placed records the panel store, moves the selection off a hidden record,
  // arranges the panels and refreshes.
  void EndReorder();

  // --- Input ---------------------------------------------------------------------------
  // Installs the code that drives the control with the mouse (owned from here on).
  void SetInput(std::unique_ptr<ControlInput> input);
  const ControlInput* Input() const { return input_.get(); }
  // tmrAnimate runs when `enabled` (75 ms) and stops otherwise.
  void SetAnimationTimerEnabled(bool enabled);

  // --- Layout (layout.cpp) -------------------------------------------------------------------
  void SetBarsToShow(int32_t value);
  // The refresh: layout, bar placement (and, with the painting, the frame).
  void Refresh();
  void ArrangeChildControls();
  // Sets a contained control's visibility, brings the toolbar strip to the front and
  // refreshes unless a refresh is running.
  void ShowOrHideControl(host::ContainedControl& control, bool visible);
  void Resize() override;

  // --- Frame pass (frame_pass.cpp) --------------------------------------------------------
  // The height of `text` on one line in the control's Font, twips.
  double TextHeight(std::string_view text) const;
  // Paints the selected panel's header strip on the main target (nothing without a
  // selection).
  void PaintHeader(const FrameContext& frame);

  // --- Access ------------------------------------------------------------------------------
  const ControlState& State() const { return state_; }
  ControlState& MutableState() { return state_; }
  host::ControlSite* Site() const { return site_; }
  host::ChildStrip* ctlToolbar() const { return toolbar_; }
  host::ChildStrip* ctlSplitBar() const { return splitBar_; }
  const imaging::CDib32& ControlSurface() const { return controlSurface_; }
  const imaging::CDib32& ToolbarSurface() const { return toolbarSurface_; }
  const imaging::CDib32& SplitterSurface() const { return splitterSurface_; }
  platform::CTimer* MouseTimer() const { return m_oMouseTimer.get(); }
  platform::CTimer& AnimationTimer() { return tmrAnimate_; }
  // Refreshes that passed the Redraw gate (started), for callers that need to know
  // whether an operation refreshed.
  uint64_t RefreshesStarted() const { return refreshesStarted_; }

 private:
  void Notify(const char* name);
  void DoEvents();
  double TwipsPerPixelX() const { return site_->TwipsPerPixelX(); }
  double TwipsPerPixelY() const { return site_->TwipsPerPixelY(); }
  std::shared_ptr<host::ContainedControl> ContainedControl(host::ControlIdentity identity) const;
  void HideAssignedControl(int32_t id);
  std::optional<int32_t> ResolveKeyBefore(const Variant& keyBefore) const;
  void ReselectIfSelectedHidden();

  // layout.cpp
  std::optional<int32_t> CurrentMaxBars() const;
  void PlaceBarStack();
  void PlaceSplitter();
  // The bar pass: places and paints the large bars and toolbar buttons on the frame's
  // targets.
  void PlacePanels(const FrameContext& frame);
  void RecreateSurfaces();
  // Remakes the toolbar's surface at the strip's client size when the strip was resized
  // since the surface was made; true when it did.
  bool FitToolbarSurface();
  void ApplyAutoHide();

  // frame_pass.cpp: the steps of the frame pass, in the order the refresh runs them.
  FrameContext BeginFrame();
  void ChooseTargets(FrameContext& frame) const;
  void PaintControlBackground(const FrameContext& frame);
  void PaintToolbarBackground(const FrameContext& frame);
  void OutlineBarArea(const FrameContext& frame);
  void PaintSplitterStrip(const FrameContext& frame);
  void FillButtonFaceBand(const FrameContext& frame);
  void PaintChevron(const FrameContext& frame);
  void OutlineControl(const FrameContext& frame);
  void PresentFrame();
  // The logical font of the control's Font (Tahoma 8 without one) for `context`.
  platform::LogFont ControlLogFont(const platform::DrawingContext* context) const;
  platform::Size ClientPixels(host::WindowHandle window) const;
  // The rectangle the backgrounds and outlines are measured from (pixels, except that its
  // toolbar-derived edge is the toolbar's twips value unconverted).
  platform::Rect BarAreaRect() const;
  // The row the bar stack ends at: the toolbar's top, or the control's bottom with the
  // toolbar on top.
  int32_t BarStackBottom() const;
  int32_t FrameBarsTop() const;
  void AnimationTick();
  // scheme_watch.cpp: hooks the form's window and watches its notifications; false when
  // it cannot be hooked. Unhooking gives every hooked window its previous handling back.
  bool HookParentWindow(host::WindowHandle form);
  void UnhookParentWindow();

  host::ControlSite* site_;
  Wayband* owner_;
  ControlState state_;
  host::ChildStrip* toolbar_ = nullptr;
  host::ChildStrip* splitBar_ = nullptr;
  imaging::CDib32 controlSurface_;
  imaging::CDib32 toolbarSurface_;
  imaging::CDib32 splitterSurface_;
  std::unique_ptr<platform::CTimer> m_oMouseTimer;
  std::unique_ptr<platform::CTimer> m_oColorTimer;
  // The parent window hook and the object it calls back (created with the first hook).
  std::unique_ptr<platform::WindowHookOwner> hookOwner_;
  std::unique_ptr<platform::WindowHook> parentHook_;
  platform::CTimer tmrAnimate_;
  // Kept until the core itself goes: its handlers may be running when the control is
  // destroyed.
  std::unique_ptr<ControlInput> input_;
  uint64_t refreshesStarted_ = 0;
};

}  // namespace wayband::core
