// The hand-tuned colour tables of the known schemes. A classic or visual-style scheme
// whose system colours the user did not edit is painted with these colours as they stand.
//
// Colours are written red first (0xRRGGBB) as the tables were drawn up; SchemeCellColor()
// turns a cell into a colour value. Keys are upper-cased scheme names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "render/scheme/scheme_palette.h"

namespace wayband::render {

// A cell the row does not write: the slot keeps what it had.
inline constexpr uint32_t kUnsetCell = 0xFFFFFFFFu;

// Which value of the styled argument a row serves; the three visual-style keys have a
// styled and a plain row, every other key one row for both.
enum class RowLook : uint8_t { kAny, kStyled, kPlain };

// The slots of the drawn columns and of the carried columns, in column order.
inline constexpr std::array<Slot, 10> kDrawnColumns = {
    Slot::LightFace, Slot::Border,    Slot::DarkFace,     Slot::HotFill,     Slot::MidFace,
    Slot::BarTop,    Slot::BarBottom, Slot::SelectedFill, Slot::PressedFill, Slot::FaceTint};
inline constexpr std::array<Slot, 18> kCarriedColumns = {
    Slot::Face,    Slot::Text,    Slot::Extra4,  Slot::Extra5,    Slot::HighlightDark,
    Slot::Extra10, Slot::Extra13, Slot::Extra14, Slot::Highlight, Slot::Extra18,
    Slot::Extra19, Slot::Extra20, Slot::Extra21, Slot::Extra22,   Slot::Extra23,
    Slot::Extra24, Slot::Extra25, Slot::Extra26};

struct SchemeRow {
  std::string_view key;
  RowLook look;
  std::array<uint32_t, kDrawnColumns.size()> drawn;      // drawn slots
  std::array<uint32_t, kCarriedColumns.size()> carried;  // carried slots
};

// The system colours a scheme's row was tuned for.
struct ExpectedColors {
  uint32_t window = 0;
  uint32_t face = 0;
  uint32_t highlight = 0;
};

inline constexpr size_t kStyledSlotCount = kSchemeSlotCount - kFirstStyledSlot;
using StyledSlotCells = std::array<uint32_t, kStyledSlotCount>;  // slots 28-43

// All keyed rows in table order (the row for any other name is not among them).
std::span<const SchemeRow> SchemeRows();
// The row for a name that matches no key.
const SchemeRow& AnyOtherNameRow();

// The row of `key` for the styled argument; null when the key is unknown. Keys compare
// exactly and case-sensitively.
const SchemeRow* FindSchemeRow(std::string_view key, bool styled);
// The expected system colours of `key`; nothing for keys without them.
std::optional<ExpectedColors> FindExpectedColors(std::string_view key);
// Slots 28-43 written by the styled row of `key`; nothing for other keys.
std::optional<StyledSlotCells> FindStyledSlots(std::string_view key);

// The colour value of a table cell.
OleColor SchemeCellColor(uint32_t rrggbb);

}  // namespace wayband::render
