#include "headless/headless_host.h"

#include <algorithm>

#include "platform/tooltip/tooltip_windows.h"

namespace wayband::headless {

HeadlessHost::HeadlessHost(const HostSettings& settings) : environment_(settings) {}

HeadlessHost::~HeadlessHost() {
  sites_.clear();
  // Controls the caller still holds outlive the host: cut them off it first.
  for (const auto& control : environment_.controls)
    control->Detach();
}

host::WindowHandle HeadlessHost::CreateForm(std::string name, platform::Rect screen) {
  const host::WindowHandle form =
      environment_.windows.CreateWindow(host::kNoWindow, screen, true, name);
  environment_.forms.emplace(form, std::move(name));
  return form;
}

std::shared_ptr<HeadlessControl> HeadlessHost::AddControl(host::WindowHandle container,
                                                          ControlSpec spec) {
  if (!environment_.windows.IsWindow(container)) return nullptr;
  auto control =
      std::make_shared<HeadlessControl>(environment_, environment_.nextIdentity++, spec, container);
  environment_.controls.push_back(control);
  return control;
}

HeadlessSite* HeadlessHost::AddSite(host::WindowHandle container, std::string name, double left,
                                    double top, double width, double height, std::string typeName) {
  ControlSpec spec;
  spec.name = std::move(name);
  spec.typeName = std::move(typeName);
  spec.left = left;
  spec.top = top;
  spec.width = width;
  spec.height = height;
  spec.visible = false;
  auto extender = AddControl(container, spec);
  if (!extender) return nullptr;
  sites_.push_back(std::make_unique<HeadlessSite>(environment_, std::move(extender)));
  return sites_.back().get();
}

void HeadlessHost::RemoveControl(host::ControlIdentity identity) {
  auto& controls = environment_.controls;
  const auto it = std::find_if(controls.begin(), controls.end(),
                               [&](const auto& c) { return c->Identity() == identity; });
  if (it == controls.end()) return;
  (*it)->Detach();
  controls.erase(it);
}

void HeadlessHost::StartSizeMove(host::WindowHandle form) {
  environment_.windows.SendMessage(form, {host::WM_ENTERSIZEMOVE, 0, 0});
}

void HeadlessHost::MouseDown(platform::Point screen, int16_t button, int16_t shift) {
  environment_.windows.InjectMouseDown(screen, button, shift);
  // Tooltip windows watch the mouse over their tools' windows, as the window manager does.
  platform::TooltipWindows::Instance().RelayMouseButton(
      environment_.windows.WindowFromPoint(screen));
}

void HeadlessHost::MouseMove(platform::Point screen, int16_t button, int16_t shift) {
  environment_.windows.InjectMouseMove(screen, button, shift);
  platform::TooltipWindows::Instance().RelayMouseMove(environment_.windows.WindowFromPoint(screen),
                                                      screen);
}

void HeadlessHost::MouseUp(platform::Point screen, int16_t button, int16_t shift) {
  environment_.windows.InjectMouseUp(screen, button, shift);
}

}  // namespace wayband::headless
