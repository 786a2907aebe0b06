// Wayband: the vertical navigation bar control. A host creates it on a site of the host
// contract (which must outlive it), gives it its defaults with InitProperties, sizes and
// shows it through the site, and adds panels through WaybandPanels().
//
// Every property setter stores the value, tells the host that the property changed and
// refreshes the control; the refresh does nothing while Redraw is false. Colours are
// 32-bit OLE colours (bit 31 set: a system colour reference). Nothing here throws except
// ShortcutPanels::Item on an empty collection.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "wayband/event.h"
#include "wayband/inspection.h"
#include "wayband/picture.h"
#include "wayband/property_bag.h"
#include "wayband/shortcut_panel.h"
#include "wayband/shortcut_panels.h"
#include "wayband/std_font.h"

namespace wayband {

namespace host {
class ControlSite;
}
namespace core {
class ControlCore;
struct CoreAccess;
}  // namespace core

class Wayband {
 public:
  // Creation: records the platform's flags, creates the child strips, timers and
  // surfaces. The control registers its resize and show callbacks with the site.
  explicit Wayband(host::ControlSite& site);
  // Destruction: empties the panel store and releases the timers.
  ~Wayband();
  Wayband(const Wayband&) = delete;
  Wayband& operator=(const Wayband&) = delete;

  // New instance: the defaults of a control without stored properties.
  void InitProperties();
  // Save: writes the control's properties and icons into the host's bag for it (entries of
  // other names stay). Panels are not stored: the program creates them at run time.
  void WriteProperties(PropertyBag& bag) const;
  // Load, instead of InitProperties: reads the properties and icons from the bag (absent
  // or unreadable entries take their defaults) and, in a running application, starts
  // watching the colour scheme. Does not repaint: the host sizes and shows the control
  // next. A load is meant once per control, in place of InitProperties; a second load
  // gives the properties and icons of the second bag and starts the scheme poll afresh.
  void ReadProperties(const PropertyBag& bag);

  uint32_t BackColor() const;
  void SetBackColor(uint32_t color);
  uint32_t HoverColor() const;
  void SetHoverColor(uint32_t color);
  std::shared_ptr<Picture> BackgroundPicture() const;
  void SetBackgroundPicture(std::shared_ptr<Picture> picture);
  std::shared_ptr<Picture> BarPicture() const;
  void SetBarPicture(std::shared_ptr<Picture> picture);
  std::shared_ptr<Picture> BarHoverPicture() const;
  void SetBarHoverPicture(std::shared_ptr<Picture> picture);
  std::shared_ptr<Picture> BarSelectedPicture() const;
  void SetBarSelectedPicture(std::shared_ptr<Picture> picture);
  std::shared_ptr<Picture> BarPressedPicture() const;
  void SetBarPressedPicture(std::shared_ptr<Picture> picture);
  std::shared_ptr<Picture> ToolbarPicture() const;
  void SetToolbarPicture(std::shared_ptr<Picture> picture);
  std::shared_ptr<Picture> HeaderPicture() const;
  void SetHeaderPicture(std::shared_ptr<Picture> picture);
  bool ShowHeaderIcon() const;
  void SetShowHeaderIcon(bool show);
  // Docks the toolbar strip to the top (true) or bottom edge.
  bool ToolbarOnTop() const;
  void SetToolbarOnTop(bool onTop);
  // True: the splitter cannot be dragged and shows the default pointer.
  bool LockSplitter() const;
  void SetLockSplitter(bool locked);
  bool Center() const;
  void SetCenter(bool center);
  bool AutoHide() const;
  void SetAutoHide(bool autoHide);
  // Also enables or disables every NorvaleContainer placed in the control.
  bool Enabled() const;
  void SetEnabled(bool enabled);
  ShortcutPanels WaybandPanels() const;
  // The host keeps the font; assigning one also carries its bold flag over.
  std::shared_ptr<StdFont> Font() const;
  void SetFont(const std::shared_ptr<StdFont>& font);
  std::shared_ptr<StdFont> SelectedFont() const;
  void SetSelectedFont(std::shared_ptr<StdFont> font);
  std::shared_ptr<StdFont> HeaderFont() const;
  void SetHeaderFont(std::shared_ptr<StdFont> font);
  uint32_t ForeColor() const;
  void SetForeColor(uint32_t color);
  uint32_t HeaderForeColor() const;
  void SetHeaderForeColor(uint32_t color);
  int32_t hwnd() const;
  // False: nothing is laid out or painted until it is true again, which re-applies
  // BarsToShow and refreshes once. Lets the host process pending messages.
  bool Redraw() const;
  void SetRedraw(bool redraw);
  bool RightToLeft() const;
  void SetRightToLeft(bool rightToLeft);
  // The selected panel, or nothing. Setting selects a visible, enabled panel; hidden or
  // disabled panels and nothing are ignored.
  std::optional<ShortcutPanel> SelectedBar() const;
  void SetSelectedBar(const std::optional<ShortcutPanel>& panel);
  std::string EmptyPanelCaption() const;
  void SetEmptyPanelCaption(const std::string& caption);
  // Large bars to show: clamped to the visible panels and to what fits; negative values
  // are ignored.
  int32_t BarsToShow() const;
  void SetBarsToShow(int32_t bars);

  // Imports an image file (ICO, PNG, BMP, GIF, JPG, CUR) as a new icon under sKey; true
  // when this call added it. False, and nothing added, when sFile has fewer than 5
  // characters, sKey is empty or starts with a digit, or an icon has the key already
  // (compared without regard to case). A file that yields no image still adds an empty
  // icon.
  bool LoadIconImageFromFile(const std::string& sFile, const std::string& sKey);

  // Opens the navigation options dialog modally through the host and returns when it is
  // closed: the user reorders the bars, ticks the ones to show and confirms with OK (Cancel
  // leaves the control as it was). Never fails.
  void ShowNavigationOptions();

  // A snapshot of what the control decided (wayband/inspection.h); it changes nothing.
  WaybandInspection Inspect() const;
  // A read-only view of one of the control's surfaces, valid until the control next
  // recreates it (a resize) or is destroyed.
  SurfaceView InspectSurface(InspectedSurface surface) const;

  // Events (raised by the mouse and splitter handling).
  Event<ShortcutPanel&> BarRightClick;
  Event<ShortcutPanel&> BarClick;
  Event<ShortcutPanel&> BarHover;
  Event<bool&> PanelResize;
  Event<> ShowChevronMenu;

 private:
  friend struct core::CoreAccess;
  std::shared_ptr<core::ControlCore> core_;
};

}  // namespace wayband
