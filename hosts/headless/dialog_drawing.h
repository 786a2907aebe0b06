// How the headless host draws a modal dialog for screenshots, in the desktop's system
// colours: a raised window frame, a caption bar with the title and a close box, and the
// client area with its items at their twips positions (converted as the controls convert
// twips) in the dialog's font. Labels are plain text; etched rules a shadow line over a
// highlight line; check lists a sunken white box of entries, each with a check box, the
// current entry highlighted; buttons raised with their caption centred and the access key
// underlined, greyed when disabled, the default one framed; text boxes a sunken white box
// with their text; pictures the model's pixels. An item with a face of its own (the arrow
// glyphs of a symbol font) is drawn in it.
#pragma once

#include "headless/dialog_host.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"

namespace wayband::headless {

// The dialog's client area, and its window with frame and caption bar, in pixels.
platform::Size DialogClientSize(const DialogSnapshot& dialog, double twipsPerPixelX,
                                double twipsPerPixelY);
platform::Size DialogWindowSize(const DialogSnapshot& dialog, double twipsPerPixelX,
                                double twipsPerPixelY);

// Draws the dialog's window with its top-left corner at `at` of a 32-bit context. The
// context's colours, mode and font are left as they were.
void DrawDialog(platform::DrawingContext& dc, const DialogSnapshot& dialog, platform::Point at,
                double twipsPerPixelX, double twipsPerPixelY);
// Draws the client area alone (a page shown inside another window's frame) with its
// top-left corner at `at`.
void DrawDialogClient(platform::DrawingContext& dc, const DialogSnapshot& dialog,
                      platform::Point at, double twipsPerPixelX, double twipsPerPixelY);

}  // namespace wayband::headless
