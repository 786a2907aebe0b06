// Messages of LoadIconImageFromFile's import reach the host through its message-box
// service.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "control_fixture.h"

namespace wayband::testing {
namespace {

// A PNG of only its signature and a 30 x 20 header: enough to be refused as not square.
std::filesystem::path WideHeaderOnlyPng() {
  const std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,  // signature
                                      0,    0,   0,   13,  'I',  'H',  'D',  'R',  0, 0, 0, 30,
                                      0,    0,   0,   20,  8,    6,        // IHDR
                                      0,    0,   0,   0,   0,    0,    0,  // ... and its CRC
                                      0,    0,   0,   0,   'I',  'E',  'N',  'D',  0, 0, 0, 0};
  const auto path = std::filesystem::temp_directory_path() / "wayband_wide_header.png";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

using LoadIconMessagesTest = ControlFixture;

TEST_F(LoadIconMessagesTest, ImportMessagesReachTheHost) {
  EXPECT_TRUE(bar->LoadIconImageFromFile(WideHeaderOnlyPng().string(), "Wide"));
  const auto& shown = host.Record().messageBoxes;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].prompt,
            "This image is not supported. PNG images must have equal width and height.");
  EXPECT_EQ(shown[0].title, "Merrowind PNG Decoder");
  EXPECT_EQ(shown[0].buttons, 0x30);
}

}  // namespace
}  // namespace wayband::testing
