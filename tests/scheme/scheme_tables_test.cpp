// Every cell of the scheme tables, held to an independent transcription: first the tables
// as the code stores them, then the palettes a build writes from them when the system
// colours are the ones a row was tuned for.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "desktop_fixture.h"
#include "render/scheme/color_xp.h"
#include "render/scheme/scheme_tables.h"
#include "scheme_table_transcription.h"

namespace wayband::test {
namespace {

using render::RowLook;

constexpr std::array<int, 10> kDrawnSlots = {1, 2, 6, 8, 9, 11, 12, 16, 17, 27};
constexpr std::array<int, 18> kCarriedSlots = {0,  3,  4,  5,  7,  10, 13, 14, 15,
                                               18, 19, 20, 21, 22, 23, 24, 25, 26};
constexpr int kFirstStyled = 28;
constexpr size_t kKeyedRowCount = 28;

struct Label {
  std::string key;  // empty for the row of any other name
  RowLook look = RowLook::kAny;
};

Label ParseLabel(const std::string& text) {
  Label label;
  if (text == "any other name") return label;
  const size_t close = text.find('"', 1);
  label.key = text.substr(1, close - 1);
  const std::string rest = text.substr(close + 1);
  if (rest == ", styled") label.look = RowLook::kStyled;
  if (rest == ", plain") label.look = RowLook::kPlain;
  return label;
}

const render::SchemeRow& ProductRow(const Label& label) {
  if (label.key.empty()) return render::AnyOtherNameRow();
  const render::SchemeRow* row = render::FindSchemeRow(label.key, label.look == RowLook::kStyled);
  EXPECT_NE(row, nullptr) << label.key;
  return row != nullptr ? *row : render::AnyOtherNameRow();
}

uint32_t TranscribedCell(const std::optional<uint32_t>& cell) {
  return cell.value_or(render::kUnsetCell);
}

TEST(SchemeTables, DrawnAndCarriedRowsMatchTheTranscription) {
  const auto tableA = ParseTranscription(kTranscribedTableA);
  const auto tableD = ParseTranscription(kTranscribedTableD);
  ASSERT_EQ(tableA.size(), kKeyedRowCount + 1);
  ASSERT_EQ(tableD.size(), tableA.size());
  EXPECT_EQ(render::SchemeRows().size(), kKeyedRowCount);
  for (size_t r = 0; r < tableA.size(); ++r) {
    SCOPED_TRACE(tableA[r].label);
    ASSERT_EQ(tableA[r].label, tableD[r].label);
    const Label label = ParseLabel(tableA[r].label);
    const render::SchemeRow& row = ProductRow(label);
    EXPECT_EQ(row.key, label.key);
    EXPECT_EQ(row.look, label.look);
    ASSERT_EQ(tableA[r].cells.size(), row.drawn.size());
    ASSERT_EQ(tableD[r].cells.size(), row.carried.size());
    for (size_t c = 0; c < row.drawn.size(); ++c) {
      EXPECT_EQ(row.drawn[c], TranscribedCell(tableA[r].cells[c])) << "slot " << kDrawnSlots[c];
    }
    for (size_t c = 0; c < row.carried.size(); ++c) {
      EXPECT_EQ(row.carried[c], TranscribedCell(tableD[r].cells[c])) << "slot " << kCarriedSlots[c];
    }
  }
}

TEST(SchemeTables, ExpectedColorsMatchTheTranscriptionAndHighContrastHasNone) {
  const auto tableB = ParseTranscription(kTranscribedTableB);
  ASSERT_EQ(tableB.size(), 21u);
  for (const TranscribedLine& line : tableB) {
    const Label label = ParseLabel(line.label);
    const auto expected = render::FindExpectedColors(label.key);
    ASSERT_TRUE(expected.has_value()) << label.key;
    EXPECT_EQ(expected->window, *line.cells[0]) << label.key;
    EXPECT_EQ(expected->face, *line.cells[1]) << label.key;
    EXPECT_EQ(expected->highlight, *line.cells[2]) << label.key;
  }
  for (const char* key : {"HIGH CONTRAST #1", "HIGH CONTRAST #2", "HIGH CONTRAST BLACK",
                          "HIGH CONTRAST WHITE", "", "Windows Standard"}) {
    EXPECT_FALSE(render::FindExpectedColors(key).has_value()) << key;
  }
}

TEST(SchemeTables, StyledSlotsMatchTheTranscription) {
  const auto tableC = ParseTranscription(kTranscribedTableC);
  ASSERT_EQ(tableC.size(), 16u);
  const std::array<const char*, 3> keys = {"NORMALCOLOR", "HOMESTEAD", "METALLIC"};
  for (size_t k = 0; k < keys.size(); ++k) {
    const auto cells = render::FindStyledSlots(keys[k]);
    ASSERT_TRUE(cells.has_value()) << keys[k];
    for (size_t s = 0; s < tableC.size(); ++s) {
      EXPECT_EQ(std::stoi(tableC[s].label), kFirstStyled + static_cast<int>(s));
      EXPECT_EQ((*cells)[s], *tableC[s].cells[k]) << keys[k] << " slot " << tableC[s].label;
    }
  }
  EXPECT_FALSE(render::FindStyledSlots("WINDOWS STANDARD").has_value());
}

// The palette a build writes for each keyed row, checked slot by slot.
class SchemeTablePalettes : public DesktopTest {};

TEST_F(SchemeTablePalettes, UnderivedBuildWritesEveryCellOfItsRow) {
  const auto tableA = ParseTranscription(kTranscribedTableA);
  const auto tableB = ParseTranscription(kTranscribedTableB);
  const auto tableC = ParseTranscription(kTranscribedTableC);
  const auto tableD = ParseTranscription(kTranscribedTableD);
  const std::array<std::string, 3> styledKeys = {"NORMALCOLOR", "HOMESTEAD", "METALLIC"};
  UsePreset("Windows Standard");

  for (size_t r = 0; r + 1 < tableA.size(); ++r) {
    const Label label = ParseLabel(tableA[r].label);
    SCOPED_TRACE(tableA[r].label);
    std::array<uint32_t, 3> expected = {0, 0, 0};
    for (const TranscribedLine& line : tableB) {
      if (ParseLabel(line.label).key == label.key) {
        expected = {*line.cells[0], *line.cells[1], *line.cells[2]};
      }
    }
    SetKeyColors(expected[0], expected[1], expected[2]);

    render::CColorXP builder;
    builder.BuildPalette(label.key, label.look == RowLook::kStyled, 0);
    EXPECT_FALSE(builder.Derived());
    const render::SchemePalette palette = builder.GetPalette();
    for (size_t c = 0; c < kDrawnSlots.size(); ++c) {
      EXPECT_EQ(palette[kDrawnSlots[c]], FromRedFirst(tableA[r].cells[c].value_or(0)))
          << "slot " << kDrawnSlots[c];
    }
    for (size_t c = 0; c < kCarriedSlots.size(); ++c) {
      EXPECT_EQ(palette[kCarriedSlots[c]], FromRedFirst(tableD[r].cells[c].value_or(0)))
          << "slot " << kCarriedSlots[c];
    }
    const size_t styledColumn =
        std::find(styledKeys.begin(), styledKeys.end(), label.key) - styledKeys.begin();
    for (size_t s = 0; s < tableC.size(); ++s) {
      const bool written = label.look == RowLook::kStyled;
      const uint32_t cell = written ? FromRedFirst(*tableC[s].cells[styledColumn]) : 0;
      EXPECT_EQ(palette[kFirstStyled + s], cell) << "slot " << kFirstStyled + s;
    }
  }
}

TEST_F(SchemeTablePalettes, UnsetCellsAndUntouchedStyledSlotsKeepEarlierValues) {
  render::CColorXP builder;
  SetKeyColors(0xFFFFFF, 0xECE9D8, 0x316AC5);
  builder.BuildPalette("NormalColor", true, 0);
  const render::SchemePalette styled = builder.GetPalette();

  // High Contrast White writes neither slot 21 nor 22, and no row but the styled ones
  // writes slots 28-43.
  SetKeyColors(0x000000, 0x000000, 0x000000);
  builder.BuildPalette("High Contrast White", false, 0);
  ASSERT_FALSE(builder.Derived());
  const render::SchemePalette palette = builder.GetPalette();
  EXPECT_EQ(palette[21], styled[21]);
  EXPECT_EQ(palette[22], styled[22]);
  for (size_t s = kFirstStyled; s < render::kSchemeSlotCount; ++s)
    EXPECT_EQ(palette[s], styled[s]);
  EXPECT_EQ(palette[render::Slot::Text], FromRedFirst(0x000000));
  EXPECT_EQ(palette[render::Slot::Extra4], FromRedFirst(0x4BFF4B));
}

}  // namespace
}  // namespace wayband::test
