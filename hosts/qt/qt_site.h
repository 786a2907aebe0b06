// The Qt host's site for one control: the control's widget (its window), the host-kept
// properties, the ambient properties from the widget, the child strips as child widgets,
// the application's widgets placed in the control, and what the control reports, passed
// on to the widget through the site's listener.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/host/control_site.h"
#include "qt/image_widget.h"
#include "qt/qt_contained.h"
#include "qt/qt_strip.h"

namespace wayband::qt {

// Colours a host gives a new control: button face and button text.
inline constexpr uint32_t kHostDefaultBackColor = 0x8000000F;
inline constexpr uint32_t kHostDefaultForeColor = 0x80000012;

// What the site passes on from the control.
class SiteListener {
 public:
  virtual ~SiteListener() = default;
  virtual void ControlPropertyChanged(std::string_view name) = 0;  // empty: every property
  virtual void ControlEvent(std::string_view name) = 0;
};

class QtSite final : public host::ControlSite {
 public:
  QtSite(ImageWidget& widget, SiteListener& listener, bool userMode);
  ~QtSite() override;
  QtSite(const QtSite&) = delete;
  QtSite& operator=(const QtSite&) = delete;

  // Takes an application widget into the control: its wrapper, which the control places.
  std::shared_ptr<QtContainedControl> Contain(QWidget* child);
  // The widget's size changed: docked strips follow, then the control.
  void Resized();
  void Shown();
  const std::vector<std::unique_ptr<QtStrip>>& Strips() const { return strips_; }

  // host::ControlSite
  bool AmbientUserMode() const override { return userMode_; }
  std::shared_ptr<StdFont> AmbientFont() const override;
  std::string AmbientDisplayName() const override;
  uint32_t BackColor() const override { return backColor_; }
  void SetBackColor(uint32_t color) override { backColor_ = color; }
  uint32_t ForeColor() const override { return foreColor_; }
  void SetForeColor(uint32_t color) override { foreColor_ = color; }
  std::shared_ptr<StdFont> Font() const override { return font_; }
  void SetFont(const std::shared_ptr<StdFont>& font) override;
  bool Enabled() const override { return widget_.isEnabled(); }
  void SetEnabled(bool enabled) override { widget_.setEnabled(enabled); }
  host::WindowHandle hWnd() const override { return window_; }
  host::ScaleMode GetScaleMode() const override { return scaleMode_; }
  void SetScaleMode(host::ScaleMode mode) override { scaleMode_ = mode; }
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  double TwipsPerPixelX() const override;
  double TwipsPerPixelY() const override;
  void PropertyChanged(std::string_view name) override { listener_.ControlPropertyChanged(name); }
  void AllPropertiesChanged() override { listener_.ControlPropertyChanged({}); }
  void RaiseEvent(std::string_view name, int32_t dispid, std::span<Variant> args) override;
  void DoEvents() override;
  void Attach(host::ControlCallbacks* callbacks) override { callbacks_ = callbacks; }
  platform::DrawingContext* hDC() override { return widget_.Context(); }
  void Present(platform::Size frame) override { widget_.Present(frame); }
  std::vector<std::shared_ptr<host::ContainedControl>> ContainedControls() const override;
  host::ParentObject Parent() const override;
  host::ChildStrip* CreateChildStrip(const host::StripDesign& design) override;
  host::WindowSystem& Windows() override;
  void ShowModal(host::ModalDialog& dialog) override;

 private:
  ImageWidget& widget_;
  SiteListener& listener_;
  bool userMode_;
  host::WindowHandle window_;
  std::vector<std::unique_ptr<QtStrip>> strips_;
  std::vector<std::shared_ptr<QtContainedControl>> contained_;
  host::ControlCallbacks* callbacks_ = nullptr;
  uint32_t backColor_ = kHostDefaultBackColor;
  uint32_t foreColor_ = kHostDefaultForeColor;
  std::shared_ptr<StdFont> font_;
  host::ScaleMode scaleMode_ = host::ScaleMode::kTwips;
};

}  // namespace wayband::qt
