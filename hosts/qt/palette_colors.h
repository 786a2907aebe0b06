// The desktop's colours from the application's palette: which palette role (and colour
// group) gives each system colour, and the desktop settings a control sees while it
// follows the palette.
//
//   index                          role (group)             why
//   COLOR_SCROLLBAR             0  Midlight                 the scroll bar's track
//   COLOR_BACKGROUND            1  Dark                     the desktop behind windows
//   COLOR_ACTIVECAPTION         2  Highlight                the active title bar
//   COLOR_INACTIVECAPTION       3  Mid                      a title bar without focus
//   COLOR_MENU                  4  Window                   menus sit on the window colour
//   COLOR_WINDOW                5  Base                     where lists and edits show text
//   COLOR_WINDOWFRAME           6  Shadow                   the thin frame
//   COLOR_MENUTEXT              7  WindowText               text on the window colour
//   COLOR_WINDOWTEXT            8  Text                     text on Base
//   COLOR_CAPTIONTEXT           9  HighlightedText          text on the active title bar
//   COLOR_ACTIVEBORDER         10  Button                   the sizing border
//   COLOR_INACTIVEBORDER       11  Button
//   COLOR_APPWORKSPACE         12  Mid                      behind documents
//   COLOR_HIGHLIGHT            13  Highlight                selections
//   COLOR_HIGHLIGHTTEXT        14  HighlightedText
//   COLOR_BTNFACE              15  Button                   buttons and bars
//   COLOR_BTNSHADOW            16  Dark                     the shadow of raised edges
//   COLOR_GRAYTEXT             17  WindowText (Disabled)    text of disabled items
//   COLOR_BTNTEXT              18  ButtonText
//   COLOR_INACTIVECAPTIONTEXT  19  Light                    text on the Mid title bar
//   COLOR_BTNHIGHLIGHT         20  Light                    the lit side of raised edges
//   COLOR_3DDKSHADOW           21  Shadow                   the outer dark edge
//   COLOR_3DLIGHT              22  Midlight                 the inner lit edge
//   COLOR_INFOTEXT             23  ToolTipText              tooltips
//   COLOR_INFOBK               24  ToolTipBase
//   (25 has no role and keeps the base colour)
//   COLOR_HOTLIGHT             26  Link                     hot-tracked items are links
//   COLOR_GRADIENTACTIVECAPTION   27  Highlight             title bars are drawn flat
//   COLOR_GRADIENTINACTIVECAPTION 28  Mid
//   COLOR_MENUHILIGHT          29  Highlight                the menu item under the mouse
//   COLOR_MENUBAR              30  Window
//
// Every role is read from the Active group except the disabled text.
#pragma once

#include <QPalette>
#include <span>

#include "platform/desktop_settings.h"

namespace wayband::qt {

struct PaletteRoleOfColor {
  int index;  // COLOR_*
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The table above.
std::span<const PaletteRoleOfColor> PaletteRoles();

// The system colours of `base` with every index of the table taken from the palette.
platform::SysColorTable SysColorsFromPalette(const QPalette& palette,
                                             const platform::SysColorTable& base);

// What the desktop looks like while it follows the palette: the classic look (a palette
// has no visual-style data) in the palette's colours, at the given logical DPI.
platform::DesktopState DesktopFromPalette(const QPalette& palette, int logicalDpi);

}  // namespace wayband::qt
