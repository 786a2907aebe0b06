// The control's palette follows the desktop's colour scheme: built at creation, rebuilt
// when the control is shown, and re-read by every refresh of a control that polls.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "render/scheme/scheme_update.h"

namespace wayband::testing {
namespace {

// Restores the process-wide desktop settings a test changes.
class DesktopGuard {
 public:
  DesktopGuard() : saved_(platform::CurrentDesktop().State()) {}
  ~DesktopGuard() { platform::SetCurrentDesktop(saved_); }

 private:
  platform::DesktopState saved_;
};

class SchemeFollowing : public ControlFixture {
 protected:
  render::SchemePalette Current() {
    render::SchemePalette palette;
    render::UpdateColorScheme(palette, site->hWnd());
    return palette;
  }
  DesktopGuard guard;
};

constexpr platform::ColorRef kGreen = 0x00A000;

TEST_F(SchemeFollowing, CreationBuildsThePaletteOfTheCurrentScheme) {
  EXPECT_EQ(State().Palette, Current());
  EXPECT_NE(State().Palette[render::Slot::BarTop], 0u);
}

TEST_F(SchemeFollowing, ShowingTheControlRebuildsThePalette) {
  const render::SchemePalette before = State().Palette;
  platform::CurrentDesktop().SetSysColor(platform::COLOR_BTNFACE, kGreen);
  EXPECT_EQ(State().Palette, before);
  site->Extender().SetVisible(false);
  site->Show();
  EXPECT_EQ(State().Palette, Current());
  EXPECT_NE(State().Palette, before);
}

TEST_F(SchemeFollowing, APollingControlReReadsTheSchemeEvenWithRedrawOff) {
  Core().MutableState().PollingNeeded = true;
  bar->SetRedraw(false);
  Core().MutableState().SplitterDrawn = true;
  platform::CurrentDesktop().SetSysColor(platform::COLOR_BTNFACE, kGreen);
  bar->SetCenter(true);
  EXPECT_EQ(State().Palette, Current());
  EXPECT_FALSE(State().SplitterDrawn);
}

}  // namespace
}  // namespace wayband::testing
