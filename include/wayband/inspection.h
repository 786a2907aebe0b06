// Inspection: what a control decided, for hosts, tools, accessibility layers and tests that
// must not scrape pixels to find out.
//
// Wayband::Inspect() returns a snapshot: a plain copy of the control's state at the moment
// of the call, with fields under the control's own names. It cannot change the control,
// does not refresh it, and the control keeps nothing for it, so it costs nothing unless it
// is taken. Wayband::InspectSurface() gives a read-only view of one of the control's
// off-screen surfaces without copying it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace wayband {

// A rectangle in pixels; left and top inside, right and bottom outside.
struct InspectedRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  friend bool operator==(const InspectedRect&, const InspectedRect&) = default;
};

// Where a child window of the control sits: in twips exactly as the host keeps it, and in
// the control's client pixels (each twips value converted as the control converts twips).
struct InspectedWindow {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  InspectedRect pixels;
  bool visible = false;
  // The window's handle in the host's window system; 0 for a windowless control.
  int32_t window = 0;
};

// One panel record, in panel order (the record's position is the panel's Index).
struct InspectedPanel {
  int32_t lID = 0;
  std::string sKey;
  std::string sCaption;
  std::string sIconKey;
  // Where the last refresh drew the panel: a large bar in control pixels, a toolbar
  // button in the toolbar strip's pixels; empty when it is drawn nowhere.
  InspectedRect rcItem;
  bool bInToolbar = false;
  bool bVisible = true;
  bool bEnabled = true;
  // 0 while the panel's cached bar image is valid.
  int16_t iBarImageStale = 0;
};

// A control the host placed inside the bar control (a panel's child control, or any
// other).
struct InspectedControl {
  std::string name;
  std::string typeName;
  InspectedWindow geometry;
};

inline constexpr size_t kInspectedPaletteSlots = 44;

struct WaybandInspection {
  // Geometry and interaction state.
  int32_t BarsToShow = 0;
  int32_t BarsTop = 0;
  int32_t MaxBars = 0;
  int32_t PreferredBarCount = 0;
  int32_t SelectedIndex = 0;
  int32_t HoverIndex = 0;
  int32_t PressedIndex = 0;
  bool SplitterDragging = false;
  int32_t LastSplitterTop = 0;  // twips
  int32_t BarPadding = 0;
  bool UserMode = false;
  // No hook on the parent form could be installed: the colour scheme is polled.
  bool PollingNeeded = false;
  bool ToolbarDirty = false;
  bool AnimationEnabled = false;

  // The mouse. Positions are whole twips of the control's own window.
  bool ChevronHot = false;
  int32_t LastMouseX = 0;
  int32_t LastMouseY = 0;
  bool MouseLeft = false;
  int32_t SplitterAnchorY = 0;  // control pixels
  int32_t AnimationStep = 0;
  // Shared by every control of the thread: a toolbar strip has seen the mouse.
  bool HandCursorArmed = false;
  // m_oMouseTimer's interval, milliseconds; 0 while the mouse-leave poll is idle.
  int32_t MouseTimerInterval = 0;
  // The toolbar strip's tooltip text (display form); empty before the first hover.
  std::string ToolTipText;
  // Mouse pointers, numbered as the MousePointer property: 0 default, 7 north-south
  // sizing, 99 custom (the hand).
  int32_t ControlPointer = 0;
  int32_t ToolbarPointer = 0;
  int32_t SplitterPointer = 0;

  std::vector<InspectedPanel> panels;

  // The control's client size in pixels and its child strips.
  int32_t clientWidth = 0;
  int32_t clientHeight = 0;
  InspectedWindow ctlToolbar;
  InspectedWindow ctlSplitBar;
  std::vector<InspectedControl> containedControls;

  // The colour scheme the control paints with: 44 colour values (red in the low byte, or
  // a system colour reference with bit 31 set), slot by slot.
  std::array<uint32_t, kInspectedPaletteSlots> SchemePalette{};

  // Refreshes that got past the Redraw gate and ran to the end.
  uint64_t completedFramePasses = 0;
};

// The off-screen surfaces of a control.
enum class InspectedSurface { kControl, kToolbar, kSplitter };

// A read-only view of a 32-bit surface. Coordinates are the surface's own: (0, 0) is the
// top-left pixel, rows counted downward whatever order the surface stores them in. The
// view reads the surface in place; it is valid until the control recreates the surface (a
// resize) or is destroyed.
class SurfaceView {
 public:
  SurfaceView() = default;
  // `rows` holds `height` rows of `stride` bytes, 4 bytes per pixel (blue, green, red,
  // alpha); bottomUp: the first stored row is the bottom row of the picture.
  SurfaceView(std::span<const uint8_t> rows, int32_t width, int32_t height, size_t stride,
              bool bottomUp);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  // The pixel at (x, y) as 0xAARRGGBB; 0 outside the surface.
  uint32_t Pixel(int32_t x, int32_t y) const;
  // The pixel's colour without its alpha byte as 0xRRGGBB.
  uint32_t Rgb(int32_t x, int32_t y) const { return Pixel(x, y) & 0x00FFFFFFu; }
  // Row y (from the top) as Width() pixels of four bytes: blue, green, red, alpha. Empty
  // outside the surface.
  std::span<const uint8_t> Row(int32_t y) const;

 private:
  std::span<const uint8_t> rows_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  size_t stride_ = 0;
  bool bottomUp_ = false;
};

}  // namespace wayband
