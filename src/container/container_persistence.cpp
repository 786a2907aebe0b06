// Save and load of the container: its entries in their fixed order, then the icon store
// with the entries every holder of icons uses. IconKey is not stored, and IconSize is
// stored as the icon's pixels.
#include "container/container_core.h"
#include "core/persistence/icon_persistence.h"
#include "core/persistence/property_reads.h"
#include "imaging/icon_sizes.h"
#include "render/draw/font_record.h"

namespace wayband::container {

namespace {

constexpr uint32_t kBackColorDefault = 0x80000005;  // window background
constexpr uint32_t kForeColorDefault = 0x80000012;  // button text

std::shared_ptr<StdFont> CopyOf(const std::shared_ptr<StdFont>& font) {
  return font ? std::make_shared<StdFont>(*font) : nullptr;
}

}  // namespace

void ContainerCore::WriteProperties(PropertyBag& bag) const {
  if (!Alive()) return;
  bag.WriteProperty("AutoSizeControls", Variant(state_.AutoSizeControls), Variant(false));
  bag.WriteProperty("BackColor", Variant(site_->BackColor()), Variant(kBackColorDefault));
  bag.WriteProperty("BarColor", Variant(state_.BarColor), Variant(kSchemeBarColor));
  bag.WriteProperty("Caption", Variant(state_.Caption), Variant(std::string()));
  bag.WriteProperty("Enabled", Variant(site_->Enabled()), Variant(true));
  // The bag keeps the font as it is now, not the live object.
  bag.WriteProperty("Font", Variant(CopyOf(site_->Font())));
  bag.WriteProperty("ForeColor", Variant(site_->ForeColor()), Variant(kForeColorDefault));
  bag.WriteProperty("IconSize", Variant(state_.IconPixelSize), Variant(kDefaultIconPixels));
  bag.WriteProperty("TopMargin", Variant(state_.TopMargin), Variant(int32_t{0}));
  if (state_.Icons) core::SaveIcons(*state_.Icons, bag);
}

void ContainerCore::ReadProperties(const PropertyBag& bag) {
  if (!Alive()) return;
  state_.AutoSizeControls = core::ReadBoolean(bag, "AutoSizeControls", false);
  site_->SetBackColor(core::ReadColor(bag, "BackColor", kBackColorDefault));
  state_.BarColor = core::ReadColor(bag, "BarColor", kSchemeBarColor);
  state_.Caption = core::ReadString(bag, "Caption", std::string());
  site_->SetEnabled(core::ReadBoolean(bag, "Enabled", true));
  // An absent font reads as a copy of the ambient font: the host's object stays its own.
  const std::shared_ptr<StdFont> font =
      core::ReadFont(bag, "Font", render::CloneFont(site_->AmbientFont()));
  if (font && font->Charset() <= kAnsiCharset) font->SetCharset(kDefaultCharset);
  site_->SetFont(font);
  site_->SetForeColor(core::ReadColor(bag, "ForeColor", kForeColorDefault));
  // A stored size that is no standard size lays out with its pixels and draws at index 0.
  state_.IconPixelSize = core::ReadLong(bag, "IconSize", kDefaultIconPixels);
  state_.IconSizeIndex = imaging::IconSizeIndex(state_.IconPixelSize);
  state_.TopMargin = core::ReadLong(bag, "TopMargin", 0);
  state_.Icons = core::LoadIcons(bag);
}

}  // namespace wayband::container
