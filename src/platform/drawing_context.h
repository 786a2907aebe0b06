// The drawing context of the platform stand-in and the drawing calls on it. This header is
// the one interface through which imaging and rendering draw: a memory context with one
// selected bitmap and the state the drawing calls read (text and background colours,
// background mode, brush origin, current position, selected pen and brush).
//
// The calls keep the platform's names and semantics so that drawing code reads like the
// algorithms it implements. All coordinates are pixels with (0,0) at the top-left of the
// selected bitmap, whatever its row order; every call clips to the bitmaps it touches.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/gdi_objects.h"
#include "platform/geometry.h"
#include "platform/text/logical_font.h"

namespace wayband::platform {

enum class BackgroundMode { kTransparent = 1, kOpaque = 2 };

class DrawingContext {
 public:
  // CreateCompatibleDC: a memory context compatible with `reference` (null: the screen).
  // Like a fresh memory context it holds a 1 x 1 monochrome bitmap until another is
  // selected; text colour black, background colour white, opaque background mode, brush
  // origin and current position (0,0), a white solid brush and a black pen.
  static std::unique_ptr<DrawingContext> CreateCompatible(const DrawingContext* reference);

  // The display's context (GetDC of no window): 32 bits per pixel. It has no pixels of
  // its own; drawing into it does nothing. It serves as the reference for compatible
  // contexts and bitmaps.
  static DrawingContext& Screen();

  // SelectObject of a bitmap: selects it and returns the bitmap selected before. A null
  // bitmap is refused (returns null, nothing changes), and so is any bitmap on the screen.
  BitmapHandle SelectBitmap(BitmapHandle bitmap);
  const BitmapHandle& bitmap() const { return bitmap_; }
  // Bits per pixel of the context: those of the selected bitmap (32 for the screen).
  int BitsPerPixel() const;

  ColorRef SetTextColor(ColorRef color);
  ColorRef TextColor() const { return textColor_; }
  ColorRef SetBkColor(ColorRef color);
  ColorRef BkColor() const { return bkColor_; }
  BackgroundMode SetBkMode(BackgroundMode mode);
  BackgroundMode BkMode() const { return bkMode_; }
  // SetBrushOrgEx: returns the previous origin.
  Point SetBrushOrg(Point origin);
  Point BrushOrg() const { return brushOrg_; }
  Point CurrentPosition() const { return position_; }
  void SetCurrentPosition(Point p) { position_ = p; }

  // SelectObject of a brush or pen: returns the one selected before.
  Brush SelectBrush(Brush brush);
  const Brush& brush() const { return brush_; }
  Pen SelectPen(Pen pen);
  const Pen& pen() const { return pen_; }
  // SelectObject of a font: returns the one selected before. A fresh context holds the
  // null font, for which the text calls use DefaultGuiLogFont().
  Font SelectFont(Font font);
  const Font& font() const { return font_; }

  bool IsScreen() const { return isScreen_; }

  DrawingContext(const DrawingContext&) = delete;
  DrawingContext& operator=(const DrawingContext&) = delete;
  ~DrawingContext();

 private:
  explicit DrawingContext(bool isScreen);

  bool isScreen_;
  BitmapHandle bitmap_;
  ColorRef textColor_ = RGB(0, 0, 0);
  ColorRef bkColor_ = RGB(255, 255, 255);
  BackgroundMode bkMode_ = BackgroundMode::kOpaque;
  Point brushOrg_;
  Point position_;
  Brush brush_;
  Pen pen_;
  Font font_;
};

// --- Bitmaps -----------------------------------------------------------------------------

// CreateCompatibleBitmap: a zero-filled bitmap of the context's format (32 bits per pixel
// for the screen and colour contexts, monochrome for a context holding a monochrome
// bitmap), top-down. Null when the size is refused (see Bitmap::Create).
BitmapHandle CreateCompatibleBitmap(const DrawingContext& dc, int32_t width, int32_t height);

// CreateDIBSection: a section of 1, 24 or 32 bits per pixel with header's width, height
// and row order (negative height: top-down). A 1-bit section takes the first two entries
// of `colors`. Null for other bit counts, compression other than BI_RGB, or a refused size.
BitmapHandle CreateDIBSection(const BitmapInfoHeader& header, std::span<const RgbQuad> colors);

// SetDIBitsToDevice: sets a block of the context's bitmap from packed DIB rows of 1, 4, 8,
// 24 or 32 bits per pixel (colour table for 1, 4 and 8 bits). (x, y, width, height) is the
// destination block; (xSrc, ySrc) its origin in the DIB, ySrc counted from the DIB's bottom
// row as the platform counts it (from the top row for a top-down DIB, negative height);
// `startScan` and `scanLines` select the rows present in `bits`, counted the same way and
// stored in the DIB's own order. Reads only whole rows within `bits` and returns the number
// of scan lines taken from it (at most the rows present and inside the DIB, whether or not
// the block clips them away; 0 on bad input). Paletted colours are matched to the
// destination as by GetNearestColor (indices beyond `colors` give black); 32-bit rows keep
// their alpha bytes on 32-bit bitmaps, other colours carry alpha 0.
int32_t SetDIBitsToDevice(DrawingContext& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                          int32_t xSrc, int32_t ySrc, uint32_t startScan, uint32_t scanLines,
                          std::span<const uint8_t> bits, const BitmapInfoHeader& header,
                          std::span<const RgbQuad> colors);

// --- Raster operations ------------------------------------------------------------------

// Ternary raster-operation codes (the operation index sits in bits 16-23).
using RasterOp = uint32_t;
inline constexpr RasterOp SRCCOPY = 0x00CC0020;
inline constexpr RasterOp SRCPAINT = 0x00EE0086;
inline constexpr RasterOp SRCAND = 0x008800C6;
inline constexpr RasterOp SRCINVERT = 0x00660046;
inline constexpr RasterOp SRCERASE = 0x00440328;
inline constexpr RasterOp NOTSRCCOPY = 0x00330008;
inline constexpr RasterOp NOTSRCERASE = 0x001100A6;
inline constexpr RasterOp MERGEPAINT = 0x00BB0226;
inline constexpr RasterOp PATCOPY = 0x00F00021;
inline constexpr RasterOp PATINVERT = 0x005A0049;
inline constexpr RasterOp DSTINVERT = 0x00550009;
inline constexpr RasterOp BLACKNESS = 0x00000042;
inline constexpr RasterOp WHITENESS = 0x00FF0062;

// BitBlt: combines the block (xSrc, ySrc, width, height) of `src` with the block at (x, y)
// of `dst` by the raster operation (and the selected brush of `dst` as pattern). Colour
// to monochrome: source pixels equal to the source context's background colour become 1,
// all others 0. Monochrome to colour: 0 bits take the destination's text colour, 1 bits
// its background colour. On 32-bit bitmaps operations act on whole pixel words: copies
// between 32-bit bitmaps keep the alpha bytes, converted colours carry alpha 0. `src` may
// be null for operations that do not read the source; a null brush makes operations that
// read the pattern draw nothing. Returns false when nothing could be drawn because a
// context has no bitmap, and for negative sizes.
bool BitBlt(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
            const DrawingContext* src, int32_t xSrc, int32_t ySrc, RasterOp rop);

// StretchBlt: as BitBlt with the source block (xSrc, ySrc, srcWidth, srcHeight) scaled to
// the destination block by nearest neighbour: each destination pixel takes the source pixel
// under its centre. Negative sizes mirror, as on the platform: a width of -w covers x, x - 1,
// ..., x - w + 1, and the picture is mirrored when the two widths (or heights) differ in
// sign. Destination pixels whose source pixel lies outside the source bitmap stay as they
// were.
bool StretchBlt(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                const DrawingContext* src, int32_t xSrc, int32_t ySrc, int32_t srcWidth,
                int32_t srcHeight, RasterOp rop);

// PatBlt: combines the selected brush with the destination block. Operations that read the
// source and negative sizes are refused (false).
bool PatBlt(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height, RasterOp rop);

// TransparentBlt without stretching: copies the source block to (x, y) except where the
// source colour equals `transparent`, where the destination stays as it was (alpha
// included). Both contexts must hold colour bitmaps; negative sizes are refused.
bool TransparentBlt(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                    const DrawingContext& src, int32_t xSrc, int32_t ySrc, ColorRef transparent);

// --- Alpha blending and gradients -------------------------------------------------------

inline constexpr uint8_t AC_SRC_OVER = 0;
inline constexpr uint8_t AC_SRC_ALPHA = 1;

struct BlendFunction {
  uint8_t BlendOp = AC_SRC_OVER;
  uint8_t BlendFlags = 0;
  uint8_t SourceConstantAlpha = 255;
  uint8_t AlphaFormat = 0;
};

// AlphaBlend (source-over) of the source block onto the destination block, stretching by
// nearest neighbour when the sizes differ. Per channel c of blue, green, red and alpha,
// with SCA = SourceConstantAlpha / 255:
//   AC_SRC_ALPHA: dst.c = src.c * SCA + dst.c * (1 - src.alpha * SCA / 255) (the source is
//   premultiplied); otherwise dst.c = src.c * SCA + dst.c * (1 - SCA).
// Results are within one unit of the exact arithmetic; sums above 255 (a source that is not
// premultiplied) saturate. 24-bit bitmaps blend their colour bytes, a 24-bit source counting
// as alpha 0. Fails (false, nothing drawn) when either block has a negative size, the source
// block leaves the source bitmap, either bitmap is monochrome, AC_SRC_ALPHA meets a source
// without alpha (not 32-bit), or the blend function holds another operation or flags.
bool AlphaBlend(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                const DrawingContext& src, int32_t xSrc, int32_t ySrc, int32_t srcWidth,
                int32_t srcHeight, BlendFunction blend);

// A gradient vertex: position and 16-bit channels (8-bit value << 8).
struct TriVertex {
  int32_t x = 0;
  int32_t y = 0;
  uint16_t Red = 0;
  uint16_t Green = 0;
  uint16_t Blue = 0;
  uint16_t Alpha = 0;
};
struct GradientRect {
  uint32_t UpperLeft = 0;
  uint32_t LowerRight = 0;
};
enum class GradientMode : uint32_t { GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1 };

// GradientFill of rectangles: each runs from its upper-left vertex colour at the left (H)
// or top (V) edge to its lower-right vertex colour at the other edge, linearly per pixel:
// pixel p of a rectangle L pixels long gets, per 16-bit channel,
// (first * (L - p) + second * p) / L, shown as its high byte; alpha goes to the alpha byte
// of 32-bit pixels. Swapped vertices keep their colours at their own edges. A rectangle
// naming a vertex that does not exist fails the whole call (false, nothing drawn).
bool GradientFill(DrawingContext& dst, std::span<const TriVertex> vertices,
                  std::span<const GradientRect> rects, GradientMode mode);

// --- Fills, pixels, lines ---------------------------------------------------------------

// FillRect: paints the rectangle with the brush (a pattern brush tiles from the brush
// origin). Solid fills leave the alpha bytes of 32-bit pixels 0. A null brush or an empty
// (or reversed) rectangle paints nothing.
bool FillRect(DrawingContext& dst, const Rect& rect, const Brush& brush);

// GetPixel: the colour at (x, y), or CLR_INVALID outside the selected bitmap.
ColorRef GetPixel(const DrawingContext& dc, int32_t x, int32_t y);
// SetPixel: sets (x, y) to the nearest colour (alpha 0) and returns it; CLR_INVALID
// outside the bitmap.
ColorRef SetPixel(DrawingContext& dc, int32_t x, int32_t y, ColorRef color);

// MoveToEx: sets the current position; `previous` receives the old one when given.
bool MoveToEx(DrawingContext& dc, int32_t x, int32_t y, Point* previous);
// LineTo: draws with the selected pen from the current position to (x, y), the end point
// not drawn, and makes (x, y) the current position. The line steps along its longer axis;
// at step t of n the other coordinate has moved round(t * other length / n), halves away
// from the start, so horizontal and vertical lines are exact. False (the position still
// moves) when the context has no bitmap.
bool LineTo(DrawingContext& dc, int32_t x, int32_t y);

// GetNearestColor: the colour the context would draw for `color` (the colour itself on
// colour bitmaps and the screen; black or white on monochrome ones: white when the
// luminance 0.299 R + 0.587 G + 0.114 B is above 127.5 — in general the colour-table entry
// of nearest luminance). CLR_INVALID for a context without a bitmap.
ColorRef GetNearestColor(const DrawingContext& dc, ColorRef color);

// GetObject of a bitmap: its width and height in pixels ((0,0) for no bitmap).
Size GetBitmapSize(const Bitmap* bitmap);

}  // namespace wayband::platform
