// What the page adds is kept: it goes into the bar's icon store, is saved with the form
// and draws the same after a new control loads the form.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "headless/icon_page_designer.h"
#include "wayband/form_file.h"
#include "wayband/wayband_control.h"

namespace wayband::proppage {
namespace {

std::string Asset(const char* name) {
  const char* data = std::getenv("WAYBAND_TEST_DATA");
  return (std::filesystem::path(data ? data : "") / ".." / ".." / "examples" / "assets" / name)
      .string();
}

std::vector<uint8_t> PreviewPixels(const prpImage& page) {
  const auto bits = page.Preview().Bits();
  return {bits.begin(), bits.end()};
}

TEST(KeptIcons, AddedIconsSurviveAFormFileAndDrawTheSame) {
  headless::HostSettings settings;
  settings.userMode = false;
  headless::HeadlessHost host(settings);
  const host::WindowHandle form = host.CreateForm("Form1", {0, 0, 300, 500});
  Wayband bar(*host.AddSite(form, "Wayband1", 0, 0, 3000, 6000));
  bar.InitProperties();
  headless::IconPageDesigner designer(host);
  designer.Select(&bar);
  for (const char* file : {"mail.ico", "folder.png", "web.ico"}) {
    designer.Perform(
        {headless::PageAction::Kind::kTypeKey, std::string(file).substr(0, 4), 0, true});
    designer.Perform({headless::PageAction::Kind::kBrowse, Asset(file), 0, true});
  }
  const std::vector<uint8_t> added = PreviewPixels(designer.Page());

  Form saved;
  saved.controls.emplace_back();
  saved.controls[0].name = "Wayband1";
  saved.controls[0].type = "Wayband";
  bar.WriteProperties(saved.controls[0].properties);
  const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "kept.json";
  ASSERT_TRUE(WriteFormFile(path, saved));
  const Form loaded = ReadFormFile(path);
  ASSERT_NE(loaded.Find("Wayband1"), nullptr);
  Wayband reloaded(*host.AddSite(form, "Wayband2", 0, 0, 3000, 6000));
  reloaded.ReadProperties(loaded.Find("Wayband1")->properties);

  designer.Select(&reloaded);
  const IconHolder* edited = designer.Page().Edited();
  ASSERT_NE(edited, nullptr);
  std::vector<std::string> keys;
  for (const auto& icon : edited->Icons()->Items())
    keys.push_back(icon.Key());
  EXPECT_EQ(keys, (std::vector<std::string>{"mail", "fold", "web."}));
  EXPECT_EQ(PreviewPixels(designer.Page()), added);
}

}  // namespace
}  // namespace wayband::proppage
