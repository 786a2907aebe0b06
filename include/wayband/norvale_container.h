// NorvaleContainer: a container with a caption bar (19 pixels, in the desktop scheme's
// colours or a colour of the host's choice), an optional icon from its own icon store and
// a caption, which can stretch the controls placed on it to fill the area below the bar.
// A host creates it on a site of the host contract (which must outlive it), gives it its
// defaults with InitProperties or loads it with ReadProperties, and sizes and shows it
// through the site. It raises no events.
//
// Setters store the value, tell the host that the property changed and repaint (IconSize
// and TopMargin also re-arrange the contained controls; AutoSizeControls waits for the
// next resize). Colours are 32-bit OLE colours. Nothing here throws.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "wayband/alpha_icon_sizes.h"
#include "wayband/container_inspection.h"
#include "wayband/property_bag.h"
#include "wayband/std_font.h"

namespace wayband {

namespace host {
class ControlSite;
}
namespace container {
class ContainerCore;
struct ContainerAccess;
}  // namespace container

// The largest caption font, points: larger fonts would not fit the caption bar.
inline constexpr double kContainerMaxFontPoints = 9.0;

class NorvaleContainer {
 public:
  explicit NorvaleContainer(host::ControlSite& site);
  ~NorvaleContainer();
  NorvaleContainer(const NorvaleContainer&) = delete;
  NorvaleContainer& operator=(const NorvaleContainer&) = delete;

  // New instance: the host's ambient font, the scheme-following bar colour.
  void InitProperties();
  // Save and load in the host's property bag (the icon store included; IconKey is not
  // stored). Loading does not repaint: the host sizes and shows the container next.
  void WriteProperties(PropertyBag& bag) const;
  void ReadProperties(const PropertyBag& bag);

  bool Enabled() const;
  void SetEnabled(bool enabled);
  // The icon's size; values outside the enumeration give an icon of 0 pixels.
  eAlphaIconSizes IconSize() const;
  void SetIconSize(eAlphaIconSizes size);
  // A copy of the font is kept, at most kContainerMaxFontPoints large.
  std::shared_ptr<StdFont> Font() const;
  void SetFont(const std::shared_ptr<StdFont>& font);
  uint32_t ForeColor() const;
  void SetForeColor(uint32_t color);
  // The key of the icon drawn; the first stored icon when it is empty or not stored.
  std::string IconKey() const;
  void SetIconKey(const std::string& key);
  uint32_t BackColor() const;
  void SetBackColor(uint32_t color);
  // The system button-face colour 0x8000000F makes the bar follow the colour scheme.
  uint32_t BarColor() const;
  void SetBarColor(uint32_t color);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool AutoSizeControls() const;
  void SetAutoSizeControls(bool autoSize);
  // Extra pixels between the caption bar and the contained controls.
  int32_t TopMargin() const;
  void SetTopMargin(int32_t pixels);
  int32_t hWnd() const;

  // The icon store. AddIconFromFile imports an image file (ICO, PNG, BMP, GIF, JPG, CUR)
  // under the key unless the key is stored already (compared without regard to case) and
  // returns whether the store now holds an icon under the key.
  bool AddIconFromFile(const std::string& sFile, const std::string& sKey);
  void RemoveIcon(const std::string& sKey);
  void ClearIcons();
  std::vector<std::string> IconKeys() const;

  // Repaints, and gives contained controls that show the system window colour its current
  // value (the bar control asks this of its form's containers when the colours change).
  void RefreshColours();

  ContainerInspection Inspect() const;

 private:
  friend struct container::ContainerAccess;
  std::shared_ptr<container::ContainerCore> core_;
};

}  // namespace wayband
