// A contained control of the headless host: a simple virtual window (or a windowless
// control) with a name, a type name, twips geometry kept exactly as set, visibility and,
// where the control has them, a background colour and an enabled state.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "headless/environment.h"
#include "platform/host/contained_control.h"

namespace wayband::headless {

struct ControlSpec {
  std::string name;
  std::string typeName = "PictureBox";
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  bool visible = true;
  bool windowed = true;  // false: a windowless control (no hWnd)
  std::optional<uint32_t> backColor;
  std::optional<bool> enabled;
  // A tree view: has a line style (and then no backColor), and shows lines.
  bool lineStyle = false;
  bool showsLines = false;
};

// What a tree view was told: its item background and how often its lines were redrawn.
struct LineStyleRecord {
  std::optional<uint32_t> background;
  int32_t lineRedraws = 0;
};

class HeadlessControl : public host::ContainedControl {
 public:
  HeadlessControl(Environment& environment, host::ControlIdentity identity, const ControlSpec& spec,
                  host::WindowHandle container);
  ~HeadlessControl() override;
  HeadlessControl(const HeadlessControl&) = delete;
  HeadlessControl& operator=(const HeadlessControl&) = delete;

  // Destroys the window and cuts the control off its host; afterwards it answers with
  // empty values and refuses every change.
  void Detach();
  bool Attached() const { return environment_ != nullptr; }

  // Run after a change of width or height, and after the control turns visible.
  void SetResizeListener(std::function<void()> listener) { onResize_ = std::move(listener); }
  void SetShowListener(std::function<void()> listener) { onShow_ = std::move(listener); }

  // host::ContainedControl
  host::ControlIdentity Identity() const override { return identity_; }
  std::string Name() const override { return spec_.name; }
  std::string TypeName() const override { return spec_.typeName; }
  host::WindowHandle Container() const override { return container_; }
  bool SetContainer(host::WindowHandle container) override;
  bool Visible() const override { return spec_.visible; }
  bool SetVisible(bool visible) override;
  double Left() const override { return spec_.left; }
  double Top() const override { return spec_.top; }
  double Width() const override { return spec_.width; }
  double Height() const override { return spec_.height; }
  bool Move(double left, double top, double width, double height) override;
  bool ZOrder(host::ZOrderPosition position) override;
  host::WindowHandle hWnd() const override { return window_; }
  std::optional<uint32_t> BackColor() const override { return spec_.backColor; }
  bool SetBackColor(uint32_t color) override;
  std::optional<bool> Enabled() const override { return spec_.enabled; }
  bool SetEnabled(bool enabled) override;
  bool HasLineStyle() const override { return Attached() && spec_.lineStyle; }
  bool SetLineStyleBackground(uint32_t color) override;
  void RedrawLines() override;
  const LineStyleRecord& LineStyle() const { return lineStyle_; }

 private:
  void PlaceWindow();

  Environment* environment_;
  host::ControlIdentity identity_;
  ControlSpec spec_;
  host::WindowHandle container_;
  host::WindowHandle window_ = host::kNoWindow;
  std::function<void()> onResize_;
  std::function<void()> onShow_;
  LineStyleRecord lineStyle_;
};

}  // namespace wayband::headless
