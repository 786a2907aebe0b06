// Text output and measurement on drawing contexts: DrawTextW, ExtTextOutW,
// GetTextExtentPoint32W and GetTextMetricsW, with the platform's flags and results.
//
// Strings are UTF-8 (std::string_view) and end at the view's end or at its first NUL
// character, whichever comes first; text that is not well-formed UTF-8 draws and measures
// nothing. Texts longer than kMaxTextCharacters are cut there. Text is drawn in the
// context's font (DefaultGuiLogFont() while none is selected), text colour and, in opaque
// background mode, on the background colour; glyphs are shaped (joining scripts,
// combining marks), ordered by the bidirectional algorithm, and drawn from fallback faces
// where the selected face lacks a character. Control characters draw nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/text/text_metric.h"

namespace wayband::platform {

inline constexpr size_t kMaxTextCharacters = size_t{1} << 16;

// DrawTextW format flags.
inline constexpr uint32_t DT_TOP = 0x0;
inline constexpr uint32_t DT_LEFT = 0x0;
inline constexpr uint32_t DT_CENTER = 0x1;
inline constexpr uint32_t DT_RIGHT = 0x2;
inline constexpr uint32_t DT_VCENTER = 0x4;
inline constexpr uint32_t DT_BOTTOM = 0x8;
inline constexpr uint32_t DT_WORDBREAK = 0x10;
inline constexpr uint32_t DT_SINGLELINE = 0x20;
inline constexpr uint32_t DT_NOCLIP = 0x100;
inline constexpr uint32_t DT_CALCRECT = 0x400;
inline constexpr uint32_t DT_NOPREFIX = 0x800;
inline constexpr uint32_t DT_END_ELLIPSIS = 0x8000;
inline constexpr uint32_t DT_RTLREADING = 0x20000;
inline constexpr uint32_t DT_HIDEPREFIX = 0x100000;

// DrawTextW: formats the text in the rectangle and returns the height of the text drawn
// in pixels (lines x the font's cell height); with DT_SINGLELINE and DT_VCENTER or
// DT_BOTTOM it returns the offset from the rectangle's top to the bottom of the text.
// Returns 0 and draws nothing for a null context or rectangle, an empty or invalid text,
// or an empty rectangle (unless DT_CALCRECT).
//   - Lines break at CR LF, CR and LF; with DT_WORDBREAK also between words (after
//     spaces, and between ideographs) where a line would pass the right edge. A word
//     longer than the line stays whole. DT_SINGLELINE keeps everything on one line.
//   - DT_CENTER and DT_RIGHT align each line; DT_VCENTER and DT_BOTTOM place a single line.
//   - DT_END_ELLIPSIS: when the last line is wider than the rectangle, its end is replaced
//     by "..." so that it fits, cutting only between clusters.
//   - "&" marks the next character as a mnemonic (underlined; "&&" shows "&") unless
//     DT_NOPREFIX; DT_HIDEPREFIX removes the marks without underlining.
//   - Drawing is clipped to the rectangle unless DT_NOCLIP.
//   - DT_CALCRECT draws nothing: it sets the rectangle's right to its left plus the
//     widest line and its bottom to its top plus the text height.
//   - DT_RTLREADING makes the paragraph direction right to left.
int DrawTextW(DrawingContext* dc, std::string_view text, Rect* rect, uint32_t format);

// A text formatted by DrawTextW's rules once, to be drawn many times: the font realized
// from the context's selected font, the lines broken, shaped, shortened and placed in the
// rectangle. Drawing it paints what DrawTextW(dc, text, &rect, format) paints with the
// context's text colour, background mode and colour at the time of drawing, and returns
// what DrawTextW returns. Null where DrawTextW draws nothing (see above) or with
// DT_CALCRECT.
class PreparedText;
std::shared_ptr<const PreparedText> PrepareTextW(const DrawingContext& dc, std::string_view text,
                                                 const Rect& rect, uint32_t format);
int DrawPreparedText(DrawingContext* dc, const PreparedText& text);
// A rectangle holding every pixel DrawPreparedText(dc, text) paints on a bitmap without
// edges, in the context's current background mode; empty when it paints none.
Rect PreparedTextInk(const DrawingContext& dc, const PreparedText& text);

// ExtTextOutW options.
inline constexpr uint32_t ETO_OPAQUE = 0x2;
inline constexpr uint32_t ETO_CLIPPED = 0x4;
inline constexpr uint32_t ETO_RTLREADING = 0x80;

// ExtTextOutW: draws one line with the top-left of its cell at (x, y). ETO_OPAQUE fills
// `rect` with the background colour first; ETO_CLIPPED clips the text to `rect`. Without
// ETO_OPAQUE, opaque background mode fills the text's cell. False for a null context or
// invalid text; an empty text only does the ETO_OPAQUE fill.
bool ExtTextOutW(DrawingContext* dc, int32_t x, int32_t y, uint32_t options, const Rect* rect,
                 std::string_view text);

// GetTextExtentPoint32W: the width of the text laid out on one line and the font's cell
// height. False for a null context or size, or invalid text.
bool GetTextExtentPoint32W(const DrawingContext* dc, std::string_view text, Size* size);
// The height GetTextExtentPoint32W gives for the text in a context holding the font, which
// needs no layout: nothing where it would fail.
std::optional<int32_t> TextExtentHeight(const LogFont& font, std::string_view text);

// GetTextMetricsW: the measures of the context's font. False for a null argument or when
// no face can be opened.
bool GetTextMetricsW(const DrawingContext* dc, TextMetric* metrics);

}  // namespace wayband::platform
