// NorvaleContainer: the arrangement of its controls, its caption bar's colours and icon,
// the font rule, the colour refresh, persistence and property access by name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "container/container_access.h"
#include "headless/headless_host.h"
#include "platform/color.h"
#include "platform/desktop_presets.h"
#include "platform/system_colors.h"
#include "render/draw/color_blend.h"
#include "wayband/container_interface.h"

namespace wayband::testing {
namespace {

constexpr double kTpp = 15.0;

// An icon file of the examples.
std::string Asset(const char* name) {
  const char* data = std::getenv("WAYBAND_TEST_DATA");
  return (std::filesystem::path(data ? data : "tests/data") / "../../examples/assets" / name)
      .string();
}
constexpr uint32_t kWindowReference = 0x80000005;

class Container : public ::testing::Test {
 protected:
  Container() { platform::SetCurrentDesktop(platform::DefaultDesktopState()); }

  headless::HeadlessHost host;
  host::WindowHandle form = host.CreateForm("Form1", {0, 0, 400, 400});
  headless::HeadlessSite* site =
      host.AddSite(form, "Box1", 0, 0, 200 * kTpp, 150 * kTpp, host::kContainerTypeName);
  NorvaleContainer box{*site};

  std::shared_ptr<headless::HeadlessControl> Child(headless::ControlSpec spec = {}) {
    spec.width = spec.height = 30 * kTpp;
    return host.AddControl(box.hWnd(), spec);
  }
  // The caption bar's pixel at (x, y) as the window shows it, as a colour value.
  uint32_t Shown(int32_t x, int32_t y) {
    return platform::ColorFromPixel(host.Record().LastFrameOf(box.hWnd())->Pixel(x, y));
  }
  void ShowBox() {
    box.InitProperties();
    site->Show();
  }
};

struct ArrangeCase {
  bool autoSize;
  eAlphaIconSizes size;
  int32_t topMargin;
  double expectedTopPixels;  // negative: the control stays where it was
};

class ContainerArrange : public Container, public ::testing::WithParamInterface<ArrangeCase> {};

TEST_P(ContainerArrange, StretchesItsOwnControlsBelowTheBar) {
  const ArrangeCase& c = GetParam();
  ShowBox();
  const auto child = Child();
  box.SetAutoSizeControls(c.autoSize);
  box.SetIconSize(c.size);
  box.SetTopMargin(c.topMargin);
  if (c.expectedTopPixels < 0) {
    EXPECT_EQ(child->Top(), 0.0);
    return;
  }
  EXPECT_EQ(child->Top(), c.expectedTopPixels * kTpp);
  EXPECT_EQ(child->Width(), 200 * kTpp);
  EXPECT_EQ(child->Height(), (150 - c.expectedTopPixels) * kTpp);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ContainerArrange,
                         ::testing::Values(ArrangeCase{true, eAlphaIconSizes::k16x16, 0, 20},
                                           ArrangeCase{true, eAlphaIconSizes::k32x32, 10, 46},
                                           ArrangeCase{false, eAlphaIconSizes::k32x32, 10, -1}));

TEST_F(Container, BarFollowsTheSchemeUnlessACustomColourIsChosen) {
  ShowBox();
  const auto scheme = box.Inspect().SchemePalette;
  // Styled look: the container slots; the bottom line is the scheme's border.
  EXPECT_EQ(Shown(5, 0), scheme[35]);
  EXPECT_EQ(Shown(5, 19), scheme[2]);
  box.SetBarColor(0x00336699);
  EXPECT_EQ(Shown(5, 0), render::BlendColors(0x00336699, 0x555555, 128));
  EXPECT_EQ(Shown(5, 19), render::BlendColors(0x00336699, 0, 128));
  // The button face chosen explicitly is the scheme's colour again.
  box.SetBarColor(0x8000000F);
  EXPECT_EQ(Shown(5, 0), scheme[35]);
}

TEST_F(Container, DrawsTheKeyedIconOrTheFirstStoredOne) {
  ShowBox();
  ASSERT_TRUE(box.AddIconFromFile(Asset("mail.ico"), "mail"));
  ASSERT_TRUE(box.AddIconFromFile(Asset("notes.png"), "notes"));
  // A key present already (in any case) leaves the store as it was.
  box.AddIconFromFile(Asset("mail.ico"), "NOTES");
  EXPECT_EQ(box.IconKeys(), (std::vector<std::string>{"mail", "notes"}));
  for (const auto& [key, drawn] :
       {std::pair{"notes", "notes"}, {"missing", "mail"}, {"", "mail"}}) {
    box.SetIconKey(key);
    const ContainerInspection state = box.Inspect();
    EXPECT_EQ(state.drawnIconKey, drawn);
    EXPECT_EQ(state.captionRect.left, 5 + 16 + 2);
  }
  box.ClearIcons();
  box.SetCaption("Inbox");
  EXPECT_EQ(box.Inspect().drawnIconKey, "");
  EXPECT_EQ(box.Inspect().captionRect.left, 5);
}

TEST_F(Container, KeepsACopyOfItsFontAtMostNinePoints) {
  ShowBox();
  for (const auto& [given, kept] : {std::pair{8.0, 8.0}, {9.0, 9.0}, {14.0, 9.0}}) {
    auto font = std::make_shared<StdFont>();
    font->SetSize(given);
    box.SetFont(font);
    font->SetSize(6.0);  // the host's object changes afterwards
    EXPECT_EQ(box.Font()->Size(), kept);
  }
}

TEST_F(Container, PaintShowsEveryContainedControlAgain) {
  ShowBox();
  const auto child = Child();
  child->SetVisible(false);
  box.SetCaption("Again");
  EXPECT_TRUE(child->Visible());
}

TEST_F(Container, RefreshColoursHandsTheWindowColourToControlsThatFollowIt) {
  ShowBox();
  headless::ControlSpec follows, plain, tree;
  follows.backColor = kWindowReference;
  plain.backColor = 0x00112233;
  tree.lineStyle = tree.showsLines = true;
  const auto a = Child(follows), b = Child(plain), c = Child(tree);
  box.RefreshColours();
  const uint32_t window = platform::GetSysColor(platform::COLOR_WINDOW);
  EXPECT_EQ(a->BackColor(), window);
  EXPECT_EQ(b->BackColor(), 0x00112233u);
  EXPECT_EQ(c->LineStyle().background, window);
  EXPECT_EQ(c->LineStyle().lineRedraws, 1);
}

TEST_F(Container, SavesIconSizeInPixelsAndLoadsUnknownSizesForLayoutOnly) {
  ShowBox();
  box.SetIconSize(eAlphaIconSizes::k48x48);
  box.SetIconKey("mail");
  box.AddIconFromFile(Asset("mail.ico"), "mail");
  PropertyBag bag;
  box.WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty("IconSize").ToLong(), 48);
  EXPECT_FALSE(bag.Contains("IconKey"));
  bag.WriteProperty("IconSize", Variant(int32_t{20}), Variant());

  headless::HeadlessSite* other = host.AddSite(form, "Box2", 0, 0, 100 * kTpp, 100 * kTpp);
  NorvaleContainer loaded(*other);
  loaded.ReadProperties(bag);
  const ContainerInspection state = loaded.Inspect();
  EXPECT_EQ(state.IconPixelSize, 20);
  EXPECT_EQ(state.IconSizeIndex, 0);
  EXPECT_EQ(state.IconKey, "");
  EXPECT_EQ(state.IconKeys, std::vector<std::string>{"mail"});
}

TEST_F(Container, PropertiesAreSetByNameWithTheirHelpStrings) {
  ShowBox();
  const InterfaceDescription& description = NorvaleContainerInterface();
  EXPECT_EQ(description.Find("Font")->helpString, "Returns/sets the font. Must be 9pt or smaller.");
  EXPECT_EQ(description.Find(-518)->name, "Caption");
  for (const auto& [name, value] : {std::pair{"caption", Variant("Box")},
                                    {"TopMargin", Variant("7")},
                                    {"IconSize", Variant(int32_t{2})},
                                    {"BarColor", Variant(uint32_t{0x123456})}}) {
    ASSERT_TRUE(PutProperty(box, name, value)) << name;
    EXPECT_EQ(GetProperty(box, name)->ToText(), value.ToText()) << name;
  }
  EXPECT_EQ(box.Inspect().IconPixelSize, 32);
}

}  // namespace
}  // namespace wayband::testing
