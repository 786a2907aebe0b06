// The run-time scheme watch of the bar control. A running control follows the desktop's
// colour scheme through the notifications its form's window receives (display, system
// colours, settings, visual style) once the parent window hook watches them; until the
// hook is installed it polls the scheme every 1250 ms and re-reads it on every refresh.
#include <memory>

#include "core/control_core.h"
#include "render/scheme/scheme_update.h"

namespace wayband::core {

namespace {

inline constexpr int32_t kSchemePollInterval = 1250;

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
  // The containers placed on the form re-read their colours here once the library has
  // its NorvaleContainer; until then no control on a form is one.
  void RefreshNorvaleContainers() override {}

 private:
  ControlCore& core_;
};

}  // namespace

void ControlCore::StartSchemeWatch() {
  if (!Alive()) return;
  state_.PollingNeeded = true;
  const host::ParentObject parent = site_->Parent();
  if (parent.kind == host::ParentObject::Kind::kForm) {
    state_.ParentIsForm = true;
    // The parent window hook goes here: on a form window (parent.hWnd not 0) it stores the
    // window in ParentWindow, watches the display, system colour, setting, visual style
    // and enter-size-move notifications after the form has handled them, and clears
    // PollingNeeded, so that no poll timer starts.
  }
  if (!state_.PollingNeeded) return;
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

}  // namespace wayband::core
