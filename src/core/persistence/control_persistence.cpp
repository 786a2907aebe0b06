// Save and load of the bar control's properties: the entries of its property bag with
// their write and read defaults, in their fixed order.
#include <array>
#include <memory>

#include "core/control_core.h"
#include "core/persistence/icon_persistence.h"
#include "core/persistence/property_reads.h"
#include "render/scheme/scheme_update.h"

namespace wayband::core {

namespace {

// Defaults that differ between writing and reading: a value equal to the write default is
// not stored, and an absent entry reads as the read default.
constexpr uint32_t kForeColorWriteDefault = 0x80000012;  // button text
constexpr uint32_t kForeColorReadDefault = 0x80000008;   // window text
constexpr uint32_t kBackColorWriteDefault = 0x80000005;  // window background
constexpr uint32_t kBackColorReadDefault = kButtonFace;
constexpr uint32_t kHoverColorDefault = 0x8000000D;  // highlight
constexpr int32_t kBarsToShowDefault = 1;
constexpr int16_t kScaleModeDefault = static_cast<int16_t>(host::ScaleMode::kTwips);

// The hover colour is written under one spelling and read under another; the bag's names
// compare without regard to case, so both reach the same entry.
constexpr const char* kHoverColorWritten = "Hovercolor";
constexpr const char* kHoverColorRead = "HoverColor";

struct PictureEntry {
  const char* name;
  std::shared_ptr<Picture> ControlState::*field;
};
constexpr std::array<PictureEntry, 7> kPictureEntries{{
    {"BackgroundPicture", &ControlState::BackgroundPicture},
    {"BarPicture", &ControlState::BarPicture},
    {"BarHoverPicture", &ControlState::BarHoverPicture},
    {"BarSelectedPicture", &ControlState::BarSelectedPicture},
    {"BarPressedPicture", &ControlState::BarPressedPicture},
    {"ToolbarPicture", &ControlState::ToolbarPicture},
    {"HeaderPicture", &ControlState::HeaderPicture},
}};

std::shared_ptr<StdFont> CopyOf(const std::shared_ptr<StdFont>& font) {
  return font ? std::make_shared<StdFont>(*font) : nullptr;
}

// The bag keeps what the control had when it saved, not the live object.
Variant FontSnapshot(const std::shared_ptr<StdFont>& font) {
  return Variant(CopyOf(font));
}

bool IsScaleMode(int16_t mode) {
  return mode >= static_cast<int16_t>(host::ScaleMode::kUser) &&
         mode <= static_cast<int16_t>(host::ScaleMode::kCentimeters);
}

}  // namespace

void ControlCore::WriteProperties(PropertyBag& bag) {
  if (!Alive()) return;
  bag.WriteProperty("Font", FontSnapshot(site_->Font()));
  bag.WriteProperty("HeaderFont", FontSnapshot(state_.HeaderFont));
  bag.WriteProperty("SelectedFont", FontSnapshot(state_.SelectedFont));
  bag.WriteProperty("Enabled", Variant(site_->Enabled()), Variant(true));
  bag.WriteProperty("ForeColor", Variant(site_->ForeColor()), Variant(kForeColorWriteDefault));
  bag.WriteProperty("BarsToShow", Variant(state_.BarsToShow), Variant(kBarsToShowDefault));
  bag.WriteProperty("ScaleMode", Variant(static_cast<int16_t>(site_->GetScaleMode())),
                    Variant(kScaleModeDefault));
  bag.WriteProperty("Redraw", Variant(state_.Redraw), Variant(true));
  bag.WriteProperty("RightToLeft", Variant(state_.RightToLeft), Variant(false));
  bag.WriteProperty("BackColor", Variant(site_->BackColor()), Variant(kBackColorWriteDefault));
  bag.WriteProperty("HeaderForeColor", Variant(state_.HeaderForeColor), Variant(kWhite));
  bag.WriteProperty(kHoverColorWritten, Variant(state_.HoverColor), Variant(kHoverColorDefault));
  bag.WriteProperty("EmptyPanelCaption", Variant(state_.EmptyPanelCaption),
                    Variant(kDefaultEmptyPanelCaption));
  for (const PictureEntry& picture : kPictureEntries)
    bag.WriteProperty(picture.name, Variant(state_.*picture.field));
  bag.WriteProperty("ShowHeaderIcon", Variant(state_.ShowHeaderIcon), Variant(true));
  bag.WriteProperty("ToolbarOnTop", Variant(state_.ToolbarOnTop), Variant(false));
  bag.WriteProperty("LockSplitter", Variant(state_.LockSplitter), Variant(false));
  bag.WriteProperty("AutoHide", Variant(state_.AutoHide), Variant(true));
  bag.WriteProperty("Center", Variant(state_.Center), Variant(false));
  SaveIcons(state_.Icons, bag);
}

void ControlCore::ReadProperties(const PropertyBag& bag) {
  if (!Alive()) return;
  const auto keepAlive = shared_from_this();
  state_.UserMode = site_->AmbientUserMode();
  if (state_.UserMode) StartSchemeWatch();

  // A font the bag lacks is a copy of the ambient font, so that the control never changes
  // the host's own font object and the three fonts stay apart.
  site_->SetFont(ReadFont(bag, "Font", CopyOf(site_->AmbientFont())));
  state_.HeaderFont = ReadFont(bag, "HeaderFont", CopyOf(site_->AmbientFont()));
  state_.SelectedFont = ReadFont(bag, "SelectedFont", CopyOf(site_->AmbientFont()));
  site_->SetEnabled(ReadBoolean(bag, "Enabled", true));
  site_->SetForeColor(ReadColor(bag, "ForeColor", kForeColorReadDefault));
  for (const auto& font : {site_->Font(), state_.HeaderFont, state_.SelectedFont}) {
    if (font && font->Charset() == kAnsiCharset) font->SetCharset(kDefaultCharset);
  }

  // Stored as it is: a count beyond the panels the program adds later is corrected by the
  // next BarsToShow assignment or resize.
  state_.BarsToShow = ReadLong(bag, "BarsToShow", kBarsToShowDefault);
  if (const int16_t mode = ReadInteger(bag, "ScaleMode", kScaleModeDefault); IsScaleMode(mode)) {
    site_->SetScaleMode(static_cast<host::ScaleMode>(mode));
  }
  state_.Redraw = ReadBoolean(bag, "Redraw", true);
  state_.RightToLeft = ReadBoolean(bag, "RightToLeft", false);
  site_->SetBackColor(ReadColor(bag, "BackColor", kBackColorReadDefault));
  state_.HeaderForeColor = ReadColor(bag, "HeaderForeColor", kWhite);
  state_.HoverColor = ReadColor(bag, kHoverColorRead, kHoverColorDefault);
  state_.EmptyPanelCaption =
      ReadString(bag, "EmptyPanelCaption", std::string(kDefaultEmptyPanelCaption));

  state_.Center = ReadBoolean(bag, "Center", false);
  state_.AutoHide = ReadBoolean(bag, "AutoHide", true);
  state_.ShowHeaderIcon = ReadBoolean(bag, "ShowHeaderIcon", true);
  state_.ToolbarOnTop = ReadBoolean(bag, "ToolbarOnTop", false);
  state_.LockSplitter = ReadBoolean(bag, "LockSplitter", false);
  toolbar_->SetAlign(state_.ToolbarOnTop ? host::StripAlign::kTop : host::StripAlign::kBottom);
  // A locked splitter shows the default pointer, as the LockSplitter setter leaves it: a
  // sizing arrow over a splitter that cannot be dragged would promise what it cannot do.
  splitBar_->SetMousePointer(state_.LockSplitter ? host::MousePointer::kDefault
                                                 : host::MousePointer::kSizeNS);

  for (const PictureEntry& picture : kPictureEntries)
    state_.*picture.field = ReadPicture(bag, picture.name);
  render::UpdateColorScheme(state_.Palette, state_.WindowHandle);

  state_.Icons = LoadIcons(bag);
  // Nothing in a loaded control sets the extra travel of the splitter drag.
  state_.BarPadding = 0;
}

}  // namespace wayband::core
