// The parent window hook: installing, chaining and restoring window procedures, and the
// bar control following its form's notifications (scheme refresh, AutoHide bookkeeping,
// containers on the form), alive or destroyed in any order with its form.
#include <gtest/gtest.h>

#include "container/container_access.h"
#include "core/control_fixture.h"
#include "platform/desktop_presets.h"
#include "platform/hook/window_hook.h"
#include "platform/system_colors.h"

namespace wayband::testing {
namespace {

struct Heard : platform::WindowHookOwner {
  std::vector<uint32_t> messages;
  void HookedMessage(host::WindowHandle, const host::WindowMessage& m, platform::HookWhen,
                     intptr_t&) override {
    messages.push_back(m.message);
  }
};

class WindowHook : public ControlFixture {
 protected:
  headless::VirtualWindows& windows = host.Windows();
  size_t FormHandled() {
    size_t n = 0;
    for (const auto& m : host.Record().windowMessages)
      n += m.window == form;
    return n;
  }
};

TEST_F(WindowHook, RefusesDeadForeignAndRepeatedWindows) {
  Heard owner;
  platform::WindowHook hook(windows, owner);
  const host::WindowHandle dead = windows.CreateWindow(host::kNoWindow, {}, true, "Dead");
  windows.DestroyWindow(dead);
  const host::WindowHandle foreign =
      windows.CreateWindow(host::kNoWindow, {}, true, "Foreign", windows.GetCurrentProcessId() + 1);
  EXPECT_FALSE(hook.Install(dead));
  EXPECT_FALSE(hook.Install(foreign));
  EXPECT_TRUE(hook.Install(form));
  EXPECT_FALSE(hook.Install(form));
  EXPECT_EQ(hook.HookCount(), 1u);
}

TEST_F(WindowHook, ChainsAndRestoresWhicheverOwnerGoesFirst) {
  const host::WindowProcedureRef own = windows.GetWindowProcedure(form);
  for (const bool firstGoesFirst : {false, true}) {
    Heard a, b;
    auto first = std::make_unique<platform::WindowHook>(windows, a);
    auto second = std::make_unique<platform::WindowHook>(windows, b);
    ASSERT_TRUE(first->Install(form) && second->Install(form));
    first->AddMessage(form, host::WM_SETTINGCHANGE, platform::HookWhen::kAfter);
    second->AddMessage(form, host::WM_SETTINGCHANGE, platform::HookWhen::kBefore);
    (firstGoesFirst ? first : second).reset();
    const size_t before = FormHandled();
    windows.SendMessage(form, {host::WM_SETTINGCHANGE, 0, 0});
    EXPECT_EQ(FormHandled(), before + 1);  // the form's own handling still runs once
    EXPECT_EQ(a.messages.size(), firstGoesFirst ? 0u : 1u);
    EXPECT_EQ(b.messages.size(), firstGoesFirst ? 1u : 0u);
    first.reset();
    second.reset();
    // Hooked after, the second owner kept the first's link, which now only passes on.
    if (!firstGoesFirst) {
      EXPECT_EQ(windows.GetWindowProcedure(form), own);
    }
  }
}

class SchemeWatch : public ControlFixture {
 protected:
  SchemeWatch() {
    platform::SetCurrentDesktop(platform::DefaultDesktopState());
    bar->ReadProperties(PropertyBag{});
    ResizePixels(200, 400);
  }
  ~SchemeWatch() override { platform::SetCurrentDesktop(platform::DefaultDesktopState()); }
};

TEST_F(SchemeWatch, HooksAFormAndPollsOtherwiseButNotInADesigner) {
  EXPECT_EQ(State().ParentWindow, form);
  EXPECT_FALSE(State().PollingNeeded);
  struct Case {
    bool onForm;
    bool userMode;
    bool polls;
  };
  for (const Case c : {Case{false, true, true}, Case{true, false, false}}) {
    host.SetUserMode(c.userMode);
    const auto holder = AddChild("Holder");
    auto* other = host.AddSite(c.onForm ? form : holder->hWnd(), "Other", 0, 0, 1500, 1500);
    Wayband second(*other);
    second.ReadProperties(PropertyBag{});
    EXPECT_EQ(second.Inspect().PollingNeeded, c.polls);
    EXPECT_EQ(core::CoreAccess::Of(second).State().ParentWindow, host::kNoWindow);
  }
}

TEST_F(SchemeWatch, FollowsEachNotificationWithOneRepaintAfterTheForm) {
  const uint64_t passes = Passes();
  platform::CurrentDesktop().SetSysColor(platform::COLOR_BTNFACE, 0x00123456);
  EXPECT_EQ(Passes(), passes + 1);
  EXPECT_EQ(State().Palette[render::Slot::Face], 0x00123456u);
  // A preset switch changes several kinds at once: one message, one repaint each.
  platform::SetCurrentDesktop(*platform::FindDesktopPreset("High Contrast Black"));
  EXPECT_GE(Passes(), passes + 3);
  EXPECT_EQ(host.Record().windowMessages.back().window, form);
}

TEST_F(SchemeWatch, StartingToSizeTheFormRemembersTheBarsOnlyWithAutoHide) {
  AddPanels(4);
  for (const bool autoHide : {false, true}) {
    bar->SetAutoHide(autoHide);
    bar->SetBarsToShow(autoHide ? 3 : 2);
    Core().MutableState().PreferredBarCount = 1;
    host.StartSizeMove(form);
    EXPECT_EQ(State().PreferredBarCount, autoHide ? 3 : 1);
  }
}

TEST_F(SchemeWatch, ContainersOnTheFormRefreshTheirColours) {
  auto* boxSite = host.AddSite(bar->hwnd(), "Box1", 0, 0, 1500, 1500, host::kContainerTypeName);
  NorvaleContainer box(*boxSite);
  headless::ControlSpec spec;
  spec.backColor = 0x80000005;
  const auto child = host.AddControl(box.hWnd(), spec);
  platform::CurrentDesktop().SetSysColor(platform::COLOR_WINDOW, 0x00ABCDEF);
  EXPECT_EQ(child->BackColor(), 0x00ABCDEFu);
}

TEST_F(SchemeWatch, LeavesTheFormWorkingWhenEitherGoesFirst) {
  // Two controls on the form; the first goes, the second still follows, then the form goes.
  auto* secondSite = host.AddSite(form, "Wayband2", 0, 0, 1500, 1500);
  auto second = std::make_unique<Wayband>(*secondSite);
  second->ReadProperties(PropertyBag{});
  bar.reset();
  const uint64_t passes = core::CoreAccess::Of(*second).State().CompletedFramePasses;
  secondSite->Show();
  platform::CurrentDesktop().SetSysColor(platform::COLOR_HIGHLIGHT, 0x00102030);
  EXPECT_GT(core::CoreAccess::Of(*second).State().CompletedFramePasses, passes);
  host.Windows().DestroyWindow(form);
  platform::CurrentDesktop().SetSysColor(platform::COLOR_HIGHLIGHT, 0x00302010);
  second.reset();
}

}  // namespace
}  // namespace wayband::testing
