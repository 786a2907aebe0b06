// wayband-render with form files: the designed example saves the committed form file
// byte for byte, and the example that loads it renders the same pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "render_tool.h"

namespace wayband::render_tool {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int RunTool(std::vector<std::string> args) {
  std::ostringstream out, err;
  const std::vector<std::string_view> views(args.begin(), args.end());
  const int code = RunRenderTool(views, out, err);
  EXPECT_EQ(err.str(), "");
  return code;
}

TEST(FormScenes, TheLoadedExampleMatchesTheDesignedOne) {
  // From the test data folder, which ctest names with its full path (a compiler cache may
  // make __FILE__ relative to the build folder).
  const char* data = std::getenv("WAYBAND_TEST_DATA");
  ASSERT_NE(data, nullptr);
  const fs::path examples = fs::path(data) / ".." / ".." / "examples";
  const fs::path dir = fs::path(::testing::TempDir()) / "wayband-form-scenes";
  fs::create_directories(dir);
  ASSERT_EQ(RunTool({"--save-form", (dir / "saved.json").string(),
                     (examples / "form-designed.json").string(), (dir / "designed.png").string()}),
            kExitRendered);
  ASSERT_EQ(RunTool({(examples / "form-loaded.json").string(), (dir / "loaded.png").string()}),
            kExitRendered);
  EXPECT_EQ(Contents(dir / "saved.json"), Contents(examples / "forms" / "designed.form.json"))
      << "examples/forms/designed.form.json is stale: render form-designed.json with --save-form";
  EXPECT_EQ(Contents(dir / "designed.png"), Contents(dir / "loaded.png"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace wayband::render_tool
