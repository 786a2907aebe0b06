// The run-time scheme watch of the bar control. A running control follows the desktop's
// colour scheme through the notifications its form's window receives (display, system
// colours, settings, visual style): the parent window hook watches them after the form
// has handled them, and the start of a move or size of the form as well. A control whose
// form cannot be hooked polls the scheme every 1250 ms instead and re-reads it on every
// refresh.
#include <array>
#include <memory>

#include "core/bar_pass.h"
#include "core/container_registry.h"
#include "core/control_core.h"
#include "platform/hook/window_hook.h"
#include "render/scheme/low_color_display.h"
#include "render/scheme/scheme_update.h"

namespace wayband::core {

namespace {

inline constexpr int32_t kSchemePollInterval = 1250;

// The messages watched on the form's window, in the order they are added.
constexpr std::array<uint32_t, 5> kWatchedMessages{host::WM_DISPLAYCHANGE, host::WM_SYSCOLORCHANGE,
                                                   host::WM_SETTINGCHANGE, host::WM_THEMECHANGED,
                                                   host::WM_ENTERSIZEMOVE};

// The bar control as the scheme code sees it.
class SchemeView final : public render::SchemeControl {
 public:
  explicit SchemeView(ControlCore& core) : core_(core) {}

  int32_t SchemeWindow() const override { return core_.State().WindowHandle; }
  render::SchemePalette& SchemeColors() override { return core_.MutableState().Palette; }
  bool PollingNeeded() const override { return core_.State().PollingNeeded; }
  const platform::DrawingContext* SchemeDrawingContext() const override {
    return core_.Site() ? core_.Site()->hDC() : nullptr;
  }
  void Refresh() override { core_.Refresh(); }
  void RefreshNorvaleContainers() override { core_.RefreshNorvaleContainers(); }

 private:
  ControlCore& core_;
};

}  // namespace

// The owner of the hook on the form's window: hands the watched messages to the control
// and leaves the form's result as it is.
class ParentWindowWatch final : public platform::WindowHookOwner {
 public:
  explicit ParentWindowWatch(ControlCore& core) : core_(core) {}
  void HookedMessage(host::WindowHandle /*window*/, const host::WindowMessage& message,
                     platform::HookWhen when, intptr_t& /*result*/) override {
    if (when == platform::HookWhen::kAfter) core_.OnParentWindowMessage(message.message);
  }

 private:
  ControlCore& core_;
};

void ControlCore::StartSchemeWatch() {
  if (!Alive()) return;
  state_.PollingNeeded = true;
  const host::ParentObject parent = site_->Parent();
  if (parent.kind == host::ParentObject::Kind::kForm) {
    state_.ParentIsForm = true;
    if (parent.hWnd != host::kNoWindow && HookParentWindow(parent.hWnd)) {
      state_.ParentWindow = parent.hWnd;
      state_.PollingNeeded = false;
    }
  }
  if (!state_.PollingNeeded) return;
  // A form that cannot be hooked (gone, another process's, or a host without window
  // messages) is polled rather than never followed again.
  m_oColorTimer = std::make_unique<platform::CTimer>();
  m_oColorTimer->ThatTime.Connect([this] {
    // A refresh may run host code that destroys the control; the core stays for the tick.
    const auto keepAlive = shared_from_this();
    if (!Alive()) return;
    SchemeView view(*this);
    render::ColorTimerThatTime(view);
  });
  m_oColorTimer->SetInterval(kSchemePollInterval);
}

bool ControlCore::HookParentWindow(host::WindowHandle form) {
  if (!hookOwner_) {
    hookOwner_ = std::make_unique<ParentWindowWatch>(*this);
    parentHook_ = std::make_unique<platform::WindowHook>(site_->Windows(), *hookOwner_);
  }
  // A second load finds its form hooked already.
  if (!parentHook_->Hooked(form) && !parentHook_->Install(form)) return false;
  for (const uint32_t message : kWatchedMessages)
    parentHook_->AddMessage(form, message, platform::HookWhen::kAfter);
  return true;
}

void ControlCore::UnhookParentWindow() {
  if (parentHook_) parentHook_->UninstallAll();
  state_.ParentWindow = host::kNoWindow;
}

void ControlCore::OnParentWindowMessage(uint32_t message) {
  // The reaction runs host code (the refresh, the containers); the core stays for it.
  const auto keepAlive = shared_from_this();
  if (!Alive()) return;
  if (message == host::WM_ENTERSIZEMOVE) {
    // Automatic hiding returns to the bars shown when the user started to size the form.
    if (state_.AutoHide) state_.PreferredBarCount = state_.BarsToShow;
    return;
  }
  SchemeView view(*this);
  render::UpdateColorScheme(view);
  render::CheckLowColorDisplay(site_->hDC());
  MarkBarImagesStale(state_);
  state_.SplitterDrawn = false;
  Refresh();
  if (Alive()) RefreshNorvaleContainers();
}

void ControlCore::RefreshNorvaleContainers() {
  if (!Alive()) return;
  host::WindowSystem& windows = site_->Windows();
  RefreshContainersOnForm(windows, FormWindowOf(windows, state_.WindowHandle));
}

}  // namespace wayband::core
