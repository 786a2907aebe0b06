// The interface description agrees with the classes: every described property can be read
// by name and assigned by DISPID, every setter notifies its own name, the platform's
// conversions apply, and unknown members, read-only properties and mismatched types are
// refused.
#include "wayband/interface_description.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

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
  EXPECT_EQ(WaybandInterface().Find("barhoverpicture"), WaybandInterface().Find(0x68030032));
  EXPECT_EQ(WaybandInterface().Find("NoSuchMember"), nullptr);
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

// Assignments by name (any case) or DISPID with the platform's conversions; mismatched
// types, read-only properties and unknown members are refused and notify nothing.
TEST_F(InterfaceDescriptionTest, PropertiesSetByNameConvertTheirValuesOrAreRefused) {
  auto font = std::make_shared<StdFont>();
  const std::tuple<const char*, Variant, bool> puts[] = {
      {"emptypanelcaption", Variant("Nothing here"), true},
      {"HoverColor", Variant("&HFF"), true},
      {"Center", Variant("True"), true},
      {"HeaderFont", Variant(font), true},
      {"BarsToShow", Variant("many"), false},
      {"Center", Variant(font), false},
      {"HeaderFont", Variant("Arial"), false},
      {"hwnd", Variant(5), false},
      {"WaybandPanels", Variant(), false},
      {"NoSuchProperty", Variant(1), false},
      {"ShowNavigationOptions", Variant(), false}};
  for (const auto& [name, value, accepted] : puts) {
    host.Record().Clear();
    EXPECT_EQ(PutProperty(*bar, name, value), accepted) << name;
    EXPECT_EQ(host.Record().propertyChanges.empty(), !accepted) << name;
  }
  EXPECT_EQ(std::make_tuple(bar->EmptyPanelCaption(), bar->HoverColor(), bar->Center(),
                            bar->HeaderFont()),
            std::make_tuple("Nothing here", 0xFFu, true, font));
  EXPECT_TRUE(PutProperty(*bar, 0x68030002, Variant(0.0)));
  EXPECT_EQ(GetProperty(*bar, "BarsToShow"), Variant(0));
  EXPECT_EQ(GetProperty(*bar, "hwnd"), Variant(site->hWnd()));
  EXPECT_TRUE(PutProperty(*bar, "HeaderFont", Variant()));
  EXPECT_EQ(bar->HeaderFont(), nullptr);
  EXPECT_FALSE(GetProperty(*bar, "NoSuchProperty"));
  EXPECT_FALSE(GetProperty(*bar, int32_t{12345}));
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
