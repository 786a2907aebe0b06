#include "headless/headless_site.h"

#include "platform/event_loop.h"

namespace wayband::headless {

HeadlessSite::HeadlessSite(Environment& environment, std::shared_ptr<HeadlessControl> extender)
    : environment_(environment),
      extender_(std::move(extender)),
      font_(std::make_shared<StdFont>(*environment.ambientFont)) {
  extender_->SetResizeListener([this] { OnResized(); });
  extender_->SetShowListener([this] { OnShown(); });
}

HeadlessSite::~HeadlessSite() {
  extender_->SetResizeListener(nullptr);
  extender_->SetShowListener(nullptr);
}

bool HeadlessSite::Resize(double width, double height) {
  return extender_->Move(extender_->Left(), extender_->Top(), width, height);
}

HeadlessStrip* HeadlessSite::Strip(const std::string& name) const {
  for (const auto& strip : strips_) {
    if (strip->Name() == name) return strip.get();
  }
  return nullptr;
}

void HeadlessSite::OnResized() {
  for (const auto& strip : strips_)
    strip->Redock();
  if (callbacks_) callbacks_->Resize();
}

void HeadlessSite::OnShown() {
  if (callbacks_) callbacks_->Show();
}

void HeadlessSite::SetFont(const std::shared_ptr<StdFont>& font) {
  if (font) *font_ = *font;
}

double HeadlessSite::ScaleWidth() const {
  const platform::Rect client = environment_.windows.GetClientRect(hWnd());
  const double perPixel = environment_.settings.twipsPerPixelX;
  return host::TwipsToScale(client.Width() * perPixel, scaleMode_, perPixel, false);
}

double HeadlessSite::ScaleHeight() const {
  const platform::Rect client = environment_.windows.GetClientRect(hWnd());
  const double perPixel = environment_.settings.twipsPerPixelY;
  return host::TwipsToScale(client.Height() * perPixel, scaleMode_, perPixel, true);
}

void HeadlessSite::PropertyChanged(std::string_view name) {
  environment_.record.Add(PropertyChangeRecord{extender_->Name(), std::string(name), false});
}

void HeadlessSite::AllPropertiesChanged() {
  environment_.record.Add(PropertyChangeRecord{extender_->Name(), std::string(), true});
}

void HeadlessSite::RaiseEvent(std::string_view name, int32_t dispid, std::span<Variant> args) {
  if (eventHandler_) eventHandler_(name, dispid, args);
  if (!environment_.settings.recordEvents) return;
  environment_.record.Add(EventRecord{extender_->Name(), std::string(name), dispid,
                                      std::vector<Variant>(args.begin(), args.end())});
}

void HeadlessSite::DoEvents() {
  ++environment_.record.doEventsCalls;
  platform::EventLoop::Current().ProcessPendingEvents();
}

std::vector<std::shared_ptr<host::ContainedControl>> HeadlessSite::ContainedControls() const {
  std::vector<std::shared_ptr<host::ContainedControl>> contained;
  for (const auto& control : environment_.controls) {
    if (control->Attached() && control->Container() == hWnd()) contained.push_back(control);
  }
  return contained;
}

host::ParentObject HeadlessSite::Parent() const {
  const host::WindowHandle container = extender_->Container();
  if (const auto form = environment_.forms.find(container); form != environment_.forms.end()) {
    return {host::ParentObject::Kind::kForm, container, form->second};
  }
  if (const auto control = environment_.ControlWithWindow(container)) {
    return {host::ParentObject::Kind::kControl, container, control->Name()};
  }
  return {};
}

host::ChildStrip* HeadlessSite::CreateChildStrip(const host::StripDesign& design) {
  strips_.push_back(std::make_unique<HeadlessStrip>(environment_, hWnd(), design));
  return strips_.back().get();
}

}  // namespace wayband::headless
