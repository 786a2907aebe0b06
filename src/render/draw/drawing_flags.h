// The process-wide facts the drawing helpers consult, computed once on first use (or by
// the first control's start-up) and never reset: whether the gradient primitive exists,
// which operating-system family and release runs, and which text quality fonts get.
#pragma once

namespace wayband::render {

struct DrawingFlags {
  // The imaging library loads and exports its gradient primitive.
  bool GradientFillAvailable = false;
  // The NT family at major version 4 or later: captions go through DrawTextW and frames
  // are painted off-screen.
  bool IsNT4OrLater = false;
  bool IsXPOrLater = false;
  bool IsVistaFamily = false;
  // The first release of Windows 95 (9x family, 4.0, build 950): pictures are tiled with
  // block copies instead of a pattern brush.
  bool IsWindows95FirstRelease = false;
  // Logical fonts ask for ClearType quality (5) instead of antialiased (4).
  bool ClearTypeQuality = false;

  friend bool operator==(const DrawingFlags&, const DrawingFlags&) = default;
};

// The flags as the platform recorded them: the operating-system version at its first
// query, the imaging library at the last control start-up.
const DrawingFlags& CurrentDrawingFlags();
// Records the version and the imaging library again, so the flags follow the current
// desktop settings. For tests and hosts that switch the desktop settings between controls.
void ResetDrawingFlags();

// IsAppThemed() != 0; false when the visual-style service is missing.
bool IsAppStyled();

}  // namespace wayband::render
