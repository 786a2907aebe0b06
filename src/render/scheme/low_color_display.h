// Whether the display shows 8 bits per pixel or fewer, where gradients would dither and
// the painters use flat fills instead. The flag is process-wide: the value computed last,
// by any control, wins.
#pragma once

namespace wayband::platform {
class DrawingContext;
}

namespace wayband::render {

// Reads the bits per pixel of `context` (the desktop window's context when null) and
// stores whether it lies in 1-8 as LowColorDisplay; returns the same value. A context
// that reports 0 clears the flag.
bool CheckLowColorDisplay(const platform::DrawingContext* context);

// The value the last CheckLowColorDisplay computed (false before any).
bool LowColorDisplay();

}  // namespace wayband::render
