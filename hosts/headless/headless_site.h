// The headless host's site for one control: the control's own virtual window (through its
// extender, which the host moves and shows), the host-kept properties, the ambient
// properties, the child strips, and the record of what the control reports.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "headless/environment.h"
#include "headless/headless_control.h"
#include "headless/headless_strip.h"
#include "platform/host/control_site.h"

namespace wayband::headless {

// Colours a host gives a new control: button face and button text.
inline constexpr uint32_t kHostDefaultBackColor = 0x8000000F;
inline constexpr uint32_t kHostDefaultForeColor = 0x80000012;
// The type name the headless host gives the extender of a site.
inline constexpr const char* kSiteTypeName = "Wayband";

class HeadlessSite : public host::ControlSite {
 public:
  using EventHandler =
      std::function<void(std::string_view name, int32_t dispid, std::span<Variant> args)>;

  HeadlessSite(Environment& environment, std::shared_ptr<HeadlessControl> extender);
  ~HeadlessSite() override;
  HeadlessSite(const HeadlessSite&) = delete;
  HeadlessSite& operator=(const HeadlessSite&) = delete;

  // The control as its container sees it: move it to resize the control, show it to run
  // the control's first show.
  HeadlessControl& Extender() { return *extender_; }
  const std::shared_ptr<HeadlessControl>& ExtenderRef() const { return extender_; }
  // Resizes the control to width x height twips, keeping its position.
  bool Resize(double width, double height);
  void Show() { extender_->SetVisible(true); }
  // Runs before each event is recorded; may change the by-reference arguments.
  void SetEventHandler(EventHandler handler) { eventHandler_ = std::move(handler); }
  // The strip created under `name`, or null.
  HeadlessStrip* Strip(const std::string& name) const;
  bool HasCallbacks() const { return callbacks_ != nullptr; }

  // host::ControlSite
  bool AmbientUserMode() const override { return environment_.settings.userMode; }
  std::shared_ptr<StdFont> AmbientFont() const override { return environment_.ambientFont; }
  std::string AmbientDisplayName() const override { return extender_->Name(); }
  uint32_t BackColor() const override { return backColor_; }
  void SetBackColor(uint32_t color) override { backColor_ = color; }
  uint32_t ForeColor() const override { return foreColor_; }
  void SetForeColor(uint32_t color) override { foreColor_ = color; }
  std::shared_ptr<StdFont> Font() const override { return font_; }
  void SetFont(const std::shared_ptr<StdFont>& font) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  host::WindowHandle hWnd() const override { return extender_->hWnd(); }
  host::ScaleMode GetScaleMode() const override { return scaleMode_; }
  void SetScaleMode(host::ScaleMode mode) override { scaleMode_ = mode; }
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  double TwipsPerPixelX() const override { return environment_.settings.twipsPerPixelX; }
  double TwipsPerPixelY() const override { return environment_.settings.twipsPerPixelY; }
  void PropertyChanged(std::string_view name) override;
  void AllPropertiesChanged() override;
  void RaiseEvent(std::string_view name, int32_t dispid, std::span<Variant> args) override;
  void DoEvents() override;
  void Attach(host::ControlCallbacks* callbacks) override { callbacks_ = callbacks; }
  platform::DrawingContext* hDC() override { return environment_.images.Context(hWnd()); }
  void Present(platform::Size frame) override { environment_.images.Present(hWnd(), frame); }
  std::vector<std::shared_ptr<host::ContainedControl>> ContainedControls() const override;
  host::ParentObject Parent() const override;
  host::ChildStrip* CreateChildStrip(const host::StripDesign& design) override;
  host::WindowSystem& Windows() override { return environment_.windows; }
  void ShowModal(host::ModalDialog& dialog) override { environment_.dialogs.Run(dialog); }

 private:
  void OnResized();
  void OnShown();

  Environment& environment_;
  std::shared_ptr<HeadlessControl> extender_;
  std::vector<std::unique_ptr<HeadlessStrip>> strips_;
  host::ControlCallbacks* callbacks_ = nullptr;
  EventHandler eventHandler_;
  uint32_t backColor_ = kHostDefaultBackColor;
  uint32_t foreColor_ = kHostDefaultForeColor;
  std::shared_ptr<StdFont> font_;
  bool enabled_ = true;
  host::ScaleMode scaleMode_ = host::ScaleMode::kTwips;
};

}  // namespace wayband::headless
