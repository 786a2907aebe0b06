// Save and load of the bar control: every stored property and icon through a form file
// into a second control, the stored entries' defaults, names and order, and the same
// pixels from the loaded control.
#include <gtest/gtest.h>

#include "core/control_fixture.h"
#include "core/icon_import.h"
#include "core/persistence/icon_persistence.h"
#include "imaging/icon_sizes.h"
#include "persist/persist_support.h"
#include "wayband/form_file.h"
#include "wayband/interface_description.h"

namespace wayband::testing {
namespace {

std::shared_ptr<StdFont> Font(const char* name, double size, int16_t charset) {
  auto font = std::make_shared<StdFont>();
  font->SetName(name);
  font->SetSize(size);
  font->SetCharset(charset);
  font->SetBold(true);
  return font;
}

// An image whose bytes tell its size, kind and icon apart.
imaging::ByteArray3 Image(int32_t sizeIndex, int32_t kind, int seed) {
  const int32_t side = imaging::IconPixels(sizeIndex);
  const int32_t channels = kind == imaging::kKind32Bit ? 4 : 3;
  const int32_t width = channels == 4 ? side : (side + 3) / 4 * 4;
  imaging::ByteArray3 image(channels, width, side);
  for (size_t i = 0; i < image.Bytes().size(); ++i)
    image.Bytes()[i] = static_cast<uint8_t>(i * 7 + sizeIndex * 31 + kind * 5 + seed);
  return image;
}

class Persistence : public ControlFixture {
 protected:
  // A second control on its own form, loaded from the text the first one saved.
  Wayband& LoadedCopy(const PropertyBag& bag) {
    const auto form2 = host.CreateForm("Form2", {0, 0, 600, 800});
    site2 = host.AddSite(form2, "Wayband1", 0, 0, 200 * tpp, 400 * tpp);
    loaded = std::make_unique<Wayband>(*site2);
    loaded->ReadProperties(bag);
    return *loaded;
  }
  PropertyBag Saved() {
    Form form;
    bar->WriteProperties(form.Control("Wayband1", "Wayband").properties);
    Form back =
        ParseForm(FormText(form), [](const FormDiagnostic& d) { ADD_FAILURE() << d.message; });
    return back.controls.at(0).properties;
  }
  std::vector<std::string> Names(const PropertyBag& bag) {
    std::vector<std::string> names;
    bag.ForEach([&](const PropertyBag::Entry& e) { names.push_back(e.name); });
    return names;
  }
  imaging::CIconBytes& AddIcon(const char* key) {
    imaging::CIconBytes icon;
    icon.SetKey(key);
    core::IconStoreOf(Core()).Add(icon);
    return *core::IconStoreOf(Core()).Find(key);
  }

  headless::HeadlessSite* site2 = nullptr;
  std::unique_ptr<Wayband> loaded;
};

TEST_F(Persistence, EveryStoredPropertyComesBack) {
  AddPanels(4);
  const std::vector<std::pair<const char*, Variant>> values = {
      {"BackColor", Variant(uint32_t{0x00336699})},
      {"HoverColor", Variant(uint32_t{0x0000FF00})},
      {"ForeColor", Variant(uint32_t{0x00203040})},
      {"HeaderForeColor", Variant(uint32_t{0x80000012})},
      {"EmptyPanelCaption", Variant("Nothing \xE2\x80\x94 yet")},
      {"BarsToShow", Variant(int32_t{3})},
      {"ShowHeaderIcon", Variant(false)},
      {"ToolbarOnTop", Variant(true)},
      {"LockSplitter", Variant(true)},
      {"Center", Variant(true)},
      {"AutoHide", Variant(false)},
      {"RightToLeft", Variant(true)},
      {"Enabled", Variant(false)},
      {"Font", Variant(Font("Verdana", 9.75, 2))},
      {"HeaderFont", Variant(Font("Georgia", 14, 161))},
      {"SelectedFont", Variant(Font("Courier New", 8, 238))},
      {"Redraw", Variant(false)},
  };
  for (const auto& [name, value] : values)
    ASSERT_TRUE(PutProperty(*bar, name, value)) << name;
  const char* pictures[] = {"BackgroundPicture",  "BarPicture",        "BarHoverPicture",
                            "BarSelectedPicture", "BarPressedPicture", "ToolbarPicture",
                            "HeaderPicture"};
  for (const char* name : pictures)
    ASSERT_TRUE(PutProperty(*bar, name, Variant(TestPicture())));
  site->SetScaleMode(host::ScaleMode::kPixels);
  AddIcon("Mail").SetBytes(0, 4, Image(0, 4, 1));
  for (int32_t j = 0; j < imaging::kIconSizeCount; ++j) {
    for (int32_t k = 1; k < imaging::kIconKindCount; ++k)
      AddIcon("All").SetBytes(j, k, Image(j, k, 2));
  }

  Wayband& copy = LoadedCopy(Saved());
  for (const auto& [name, value] : values)
    EXPECT_TRUE(SameValue(*GetProperty(copy, name), value)) << name;
  for (const char* name : pictures)
    EXPECT_TRUE(SameValue(*GetProperty(copy, name), *GetProperty(*bar, name))) << name;
  EXPECT_EQ(site2->GetScaleMode(), host::ScaleMode::kPixels);
  const core::IconStore& icons = core::CoreAccess::Of(copy).State().Icons;
  ASSERT_EQ(icons.Count(), 2);
  for (int32_t j = 0; j < imaging::kIconSizeCount; ++j) {
    for (int32_t k = 0; k < imaging::kIconKindCount; ++k) {
      for (const char* key : {"Mail", "All"})
        EXPECT_EQ(icons.Find(key)->GetBytes(j, k), State().Icons.Find(key)->GetBytes(j, k));
    }
  }
}

TEST_F(Persistence, DefaultsDecideWhatIsStoredAndWhatALoadGives) {
  bar->SetForeColor(0x80000012);
  bar->SetBackColor(0x80000005);
  bar->HeaderFont()->SetCharset(0);
  const PropertyBag bag = Saved();
  // A new control's HoverColor differs from the write default, so it is stored, under the
  // written spelling; the colours equal to their write defaults are not.
  EXPECT_EQ(Names(bag), (std::vector<std::string>{
                            "Font", "HeaderFont", "SelectedFont", "Hovercolor", "BackgroundPicture",
                            "BarPicture", "BarHoverPicture", "BarSelectedPicture",
                            "BarPressedPicture", "ToolbarPicture", "HeaderPicture"}));
  const uint64_t passes = State().CompletedFramePasses;
  Wayband& copy = LoadedCopy(bag);
  EXPECT_EQ(copy.HoverColor(), 0x8000000Fu);
  EXPECT_EQ(copy.ForeColor(), 0x80000008u);
  EXPECT_EQ(copy.BackColor(), 0x8000000Fu);
  for (const auto& font : {copy.Font(), copy.HeaderFont(), copy.SelectedFont()})
    EXPECT_EQ(font->Charset(), kDefaultCharset);
  EXPECT_EQ(bar->HeaderFont()->Charset(), 0) << "the load changed the saved control's font";
  const core::ControlState& state = core::CoreAccess::Of(copy).State();
  EXPECT_EQ(state.BarPadding, 0);
  EXPECT_EQ(state.CompletedFramePasses, 0u) << "a load does not refresh";
  EXPECT_EQ(State().CompletedFramePasses, passes);
}

TEST_F(Persistence, IconEntriesAreNamedByPositionSizeAndKind) {
  imaging::CIconBytes& mail = AddIcon("Mail");
  mail.SetBytes(0, 4, Image(0, 4, 0));
  mail.SetBytes(2, 4, Image(2, 4, 0));
  PropertyBag bag = Saved();
  std::vector<std::string> icons;
  for (const std::string& name : Names(bag)) {
    if (core::IsIconEntryName(name)) icons.push_back(name);
  }
  EXPECT_EQ(icons, (std::vector<std::string>{"NumOfIconBytes", "IcoBytesKey_1", "IconBytesJ0K4_1",
                                             "IconBytesJ2K4_1"}));
  // A second icon of the same key (in another case) is dropped; a count far beyond the
  // entries costs nothing.
  bag.WriteProperty("IcoBytesKey_2", Variant("MAIL"));
  bag.WriteProperty("NumOfIconBytes", Variant(int32_t{2147483647}));
  const core::IconStore& loadedIcons = core::CoreAccess::Of(LoadedCopy(bag)).State().Icons;
  ASSERT_EQ(loadedIcons.Count(), 2);  // Mail, and the empty-keyed icon of number 3
  EXPECT_EQ(loadedIcons.Items()[0].GetBytes(2, 4), mail.GetBytes(2, 4));
  EXPECT_EQ(loadedIcons.Items()[1].Key(), "");
  // Saving into the bag it was read from drops the entries of icons that are gone.
  core::RemoveIcon(Core(), "Mail");
  bar->WriteProperties(bag);
  for (const std::string& name : Names(bag))
    EXPECT_FALSE(core::IsIconEntryName(name)) << name;
}

TEST_F(Persistence, StoredValuesLoadWithoutTheSettersChecksAndSurviveOthers) {
  PropertyBag bag;
  bag.WriteProperty("BarsToShow", Variant("9"));  // converted where possible
  bag.WriteProperty("AutoHide", Variant("False"));
  bag.WriteProperty("RightToLeft", Variant("not a Boolean"));
  bag.WriteProperty("Font", Variant(int32_t{3}));  // not a font: the ambient font's copy
  bag.WriteProperty("SomeoneElse", Variant(int32_t{42}));
  Wayband& copy = LoadedCopy(bag);
  EXPECT_EQ(copy.BarsToShow(), 9);
  EXPECT_FALSE(copy.AutoHide());
  EXPECT_FALSE(copy.RightToLeft());
  EXPECT_EQ(copy.Font()->Name(), host.AmbientFont().Name());
  copy.WaybandPanels().Add("A", {}, "A");
  site2->Show();
  copy.SetBarsToShow(9);
  EXPECT_EQ(copy.BarsToShow(), 1) << "the next assignment fits the stored count";
  copy.WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty("SomeoneElse"), Variant(int32_t{42}));
}

TEST_F(Persistence, ARunningControlHooksItsFormADesignerDoesNot) {
  for (const bool userMode : {true, false}) {
    host.SetUserMode(userMode);
    const core::ControlState& state = core::CoreAccess::Of(LoadedCopy({})).State();
    EXPECT_EQ(state.UserMode, userMode);
    EXPECT_FALSE(state.PollingNeeded);
    EXPECT_EQ(state.ParentIsForm, userMode);
    EXPECT_EQ(state.ParentWindow != host::kNoWindow, userMode);
  }
}

TEST_F(Persistence, ALoadedControlPaintsTheSamePixels) {
  AddIcon("Mail").SetBytes(1, 4, Image(1, 4, 3));
  bar->SetBarPicture(TestPicture());
  bar->SetHeaderFont(Font("Tahoma", 11, 0));
  bar->SetHoverColor(0x000080FF);
  // Automatic hiding returns to the count remembered while the scheme is polled, which
  // only the running (loaded) control does; without it both show the bars they were given.
  bar->SetAutoHide(false);
  Wayband& copy = LoadedCopy(Saved());
  for (Wayband* control : {bar.get(), &copy}) {
    for (const char* key : {"A", "B", "C"})
      control->WaybandPanels().Add(key, {}, key, "Mail");
    control->SetBarsToShow(2);
  }
  site2->Show();
  ResizePixels(180, 300);
  site2->Resize(180 * tpp, 300 * tpp);
  for (const auto surface : {InspectedSurface::kControl, InspectedSurface::kToolbar}) {
    const SurfaceView a = bar->InspectSurface(surface);
    const SurfaceView b = copy.InspectSurface(surface);
    ASSERT_EQ(a.Height(), b.Height());
    for (int32_t y = 0; y < a.Height(); ++y)
      ASSERT_TRUE(std::ranges::equal(a.Row(y), b.Row(y))) << "row " << y;
  }
}

}  // namespace
}  // namespace wayband::testing
