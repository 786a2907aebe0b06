// The interface description agrees with the classes: every described property can be read
// by name and assigned by DISPID, every setter notifies its own name, the platform's
// conversions apply, and unknown members, read-only properties and mismatched types are
// refused.
#include "wayband/interface_description.h"

#include <gtest/gtest.h>

#include <set>

#include "control_fixture.h"

namespace wayband::testing {
namespace {

TEST(InterfaceTables, DispidsAndNamesAreUniqueAndFoundInAnyCase) {
  for (const auto* description : {&WaybandInterface(), &WaybandEventInterface(),
                                  &ShortcutPanelsInterface(), &ShortcutPanelInterface()}) {
    std::set<int32_t> dispids;
    std::set<std::string_view> names;
    for (const auto& member : description->members) {
      EXPECT_TRUE(dispids.insert(member.dispid).second) << member.name;
      EXPECT_TRUE(names.insert(member.name).second) << member.name;
    }
  }
  EXPECT_EQ(WaybandInterface().members.size(), 29u);
  EXPECT_EQ(ShortcutPanelInterface().members.size(), 16u);
  const auto* hover = WaybandInterface().Find("barhoverpicture");
  ASSERT_NE(hover, nullptr);
  EXPECT_TRUE(hover->canPutRef && !hover->canPut);  // pictures are assigned by reference
  EXPECT_EQ(WaybandInterface().Find(int32_t{-514})->name, "Enabled");
  EXPECT_TRUE(ShortcutPanelsInterface().Find("Add")->parameters[1].optional);
}

using InterfaceDescriptionTest = ControlFixture;

TEST_F(InterfaceDescriptionTest, EveryDescribedPropertyIsReadAssignedAndNotifiedAsDescribed) {
  AddPanels(2);
  for (const auto& member : WaybandInterface().members) {
    if (member.kind != MemberKind::kProperty) continue;
    SCOPED_TRACE(member.name);
    const auto value = GetProperty(*bar, member.name);
    ASSERT_TRUE(value);
    host.Record().Clear();
    EXPECT_EQ(PutProperty(*bar, member.dispid, *value), member.canPut || member.canPutRef);
    const auto& changes = host.Record().propertyChanges;
    if ((member.canPut || member.canPutRef) && member.name != "SelectedBar") {  // selects
      ASSERT_FALSE(changes.empty());
      EXPECT_EQ(changes.front().name, member.name);
    }
  }
  auto panel = *Panels().Item(1);
  for (const auto& member : ShortcutPanelInterface().members) {
    const auto value = GetProperty(panel, member.dispid);
    ASSERT_TRUE(value) << member.name;
    EXPECT_EQ(PutProperty(panel, member.dispid, *value), member.canPut) << member.name;
  }
}

TEST_F(InterfaceDescriptionTest, PropertiesSetByNameConvertTheirValues) {
  EXPECT_TRUE(PutProperty(*bar, "emptypanelcaption", Variant("Nothing here")));
  EXPECT_EQ(bar->EmptyPanelCaption(), "Nothing here");
  EXPECT_TRUE(PutProperty(*bar, "HoverColor", Variant("&HFF")));
  EXPECT_EQ(bar->HoverColor(), 0xFFu);
  EXPECT_TRUE(PutProperty(*bar, "Center", Variant("True")));
  EXPECT_TRUE(bar->Center());
  EXPECT_TRUE(PutProperty(*bar, 0x68030002, Variant(0.0)));
  EXPECT_EQ(GetProperty(*bar, "BarsToShow"), Variant(0));
  EXPECT_EQ(GetProperty(*bar, "hwnd"), Variant(site->hWnd()));
  auto font = std::make_shared<StdFont>();
  EXPECT_TRUE(PutProperty(*bar, "HeaderFont", Variant(font)));
  EXPECT_EQ(bar->HeaderFont(), font);
  EXPECT_TRUE(PutProperty(*bar, "HeaderFont", Variant()));
  EXPECT_EQ(bar->HeaderFont(), nullptr);
}

TEST_F(InterfaceDescriptionTest, MismatchesReadOnlyAndUnknownMembersAreRefused) {
  host.Record().Clear();
  EXPECT_FALSE(PutProperty(*bar, "BarsToShow", Variant("many")));
  EXPECT_FALSE(PutProperty(*bar, "Center", Variant(std::make_shared<StdFont>())));
  EXPECT_FALSE(PutProperty(*bar, "HeaderFont", Variant("Arial")));
  EXPECT_FALSE(PutProperty(*bar, "hwnd", Variant(5)));
  EXPECT_FALSE(PutProperty(*bar, "WaybandPanels", Variant()));
  EXPECT_FALSE(PutProperty(*bar, "NoSuchProperty", Variant(1)));
  EXPECT_FALSE(PutProperty(*bar, "ShowNavigationOptions", Variant()));
  EXPECT_FALSE(GetProperty(*bar, "NoSuchProperty"));
  EXPECT_FALSE(GetProperty(*bar, int32_t{12345}));
  EXPECT_TRUE(host.Record().propertyChanges.empty());
}

TEST_F(InterfaceDescriptionTest, PanelsAndTheSelectedBarGoThroughVariants) {
  AddPanels(3);
  auto panels = Panels();
  EXPECT_EQ(GetProperty(panels, "Count"), Variant(3));
  const auto selected = GetProperty(*bar, "SelectedBar");
  ASSERT_TRUE(selected && selected->Get<Variant::PanelRef>());
  EXPECT_EQ((*selected->Get<Variant::PanelRef>())->Key(), "P1");
  auto third = std::make_shared<ShortcutPanel>(*Panels().Item(3));
  EXPECT_TRUE(PutProperty(*bar, "SelectedBar", Variant(third)));
  EXPECT_EQ(bar->SelectedBar()->Key(), "P3");
  EXPECT_TRUE(PutProperty(*third, "Caption", Variant(42)));
  EXPECT_EQ(third->Caption(), "42");
  EXPECT_FALSE(PutProperty(*third, "Key", Variant("K")));
  auto child = AddChild("Child");
  EXPECT_TRUE(PutProperty(*third, "Panel", Variant(Variant::ControlRef(child))));
  EXPECT_EQ(third->Panel(), child);
}

}  // namespace
}  // namespace wayband::testing
