// SchemePalette: the 44 colours a control paints with, derived from the desktop's colour
// scheme. Slots are stored in order as 44 consecutive 32-bit colour values, so the record
// copies as one 176-byte block. Slots 28 and 29 may hold system colour references; every
// consumer translates a slot before drawing with it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace wayband::render {

// Colour values as the controls store them: plain colours (red in the low byte) or
// system colour references (bit 31 set).
using OleColor = uint32_t;

enum class Slot : uint8_t {
  Face = 0,       // the translated button-face colour
  LightFace = 1,  // near-white face tint (container gradient)
  Border = 2,     // outline of the control, toolbar strip, splitter and container
  Text = 3,       // default text colour
  Extra4 = 4,
  Extra5 = 5,
  DarkFace = 6,       // darker face tone (plain splitter, container gradient)
  HighlightDark = 7,  // darkened highlight
  HotFill = 8,        // hot bar or toolbar button, plain look
  MidFace = 9,        // middle face tone
  Extra10 = 10,
  BarTop = 11,     // normal bar, plain look, top
  BarBottom = 12,  // normal bar, plain look, bottom
  Extra13 = 13,
  Extra14 = 14,
  Highlight = 15,     // the translated highlight colour
  SelectedFill = 16,  // selected bar, plain look
  PressedFill = 17,   // pressed bar and hot selected bar, plain look
  Extra18 = 18,
  Extra19 = 19,
  Extra20 = 20,
  Extra21 = 21,
  Extra22 = 22,
  Extra23 = 23,
  Extra24 = 24,
  Extra25 = 25,
  Extra26 = 26,
  FaceTint = 27,  // lightened face colour; watched by the scheme update
  HeaderTop = 28,
  HeaderBottom = 29,
  Extra30 = 30,
  SplitterTop = 31,
  SplitterBottom = 32,
  ContainerTop = 33,
  ContainerBottom = 34,
  ContainerBorder = 35,
  StyledBarTop = 36,  // normal bar, toolbar strip and empty control, styled look
  StyledBarBottom = 37,
  StyledSelectedTop = 38,
  StyledSelectedBottom = 39,
  StyledPressedTop = 40,  // pressed, and hot selected, styled look
  StyledPressedBottom = 41,
  StyledHotTop = 42,
  StyledHotBottom = 43,
};

inline constexpr size_t kSchemeSlotCount = 44;
// The styled look's slots, drawn when the application uses visual styles.
inline constexpr size_t kFirstStyledSlot = 28;

struct SchemePalette {
  std::array<OleColor, kSchemeSlotCount> slots{};

  OleColor& operator[](Slot slot) { return slots[static_cast<size_t>(slot)]; }
  OleColor operator[](Slot slot) const { return slots[static_cast<size_t>(slot)]; }
  OleColor& operator[](size_t index) { return slots[index]; }
  OleColor operator[](size_t index) const { return slots[index]; }

  friend bool operator==(const SchemePalette&, const SchemePalette&) = default;
};

static_assert(sizeof(SchemePalette) == kSchemeSlotCount * sizeof(uint32_t),
              "the palette copies as one block of 44 colour values");

}  // namespace wayband::render
