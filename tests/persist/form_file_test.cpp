// The property bag's write and read rules, and form files: every kind of value through the
// text and back, damaged texts, and atomic writing.
#include <gtest/gtest.h>

#include <filesystem>

#include "persist/persist_support.h"
#include "platform/bitmap.h"
#include "wayband/byte_array.h"
#include "wayband/form_file.h"
#include "wayband/std_font.h"

namespace wayband {
namespace {

using testing::SameValue;
using testing::TestPicture;

std::shared_ptr<const ByteArray> Bytes(std::vector<ByteArray::Dimension> dims, size_t count) {
  std::vector<uint8_t> data(count);
  for (size_t i = 0; i < count; ++i)
    data[i] = static_cast<uint8_t>(i * 37 + 11);
  return std::make_shared<const ByteArray>(*ByteArray::Create(std::move(dims), std::move(data)));
}

TEST(PropertyBag, NamesIgnoreCaseDefaultsAreLeftOutAndWritesMoveToTheEnd) {
  PropertyBag bag;
  bag.WriteProperty("Hovercolor", Variant(uint32_t{5}), Variant(uint32_t{0x8000000D}));
  bag.WriteProperty("Other", Variant(int32_t{1}));
  EXPECT_EQ(bag.ReadProperty("HOVERCOLOR", Variant(uint32_t{9})), Variant(uint32_t{5}));
  EXPECT_EQ(bag.ReadProperty("Missing", Variant("d")), Variant("d"));
  // Equal to its default (across number types): the entry goes.
  bag.WriteProperty("other", Variant(int16_t{1}), Variant(int32_t{1}));
  EXPECT_FALSE(bag.Contains("Other"));
  bag.WriteProperty("A", Variant(true));
  bag.WriteProperty("hovercolor", Variant(uint32_t{6}));
  std::vector<std::string> order;
  bag.ForEach([&](const PropertyBag::Entry& e) { order.push_back(e.name); });
  EXPECT_EQ(order, (std::vector<std::string>{"A", "hovercolor"}));
  EXPECT_EQ(bag.RemoveIf([](std::string_view n) { return n == "A"; }), 1u);
  EXPECT_EQ(bag.Count(), 1u);
}

TEST(FormFile, EveryKindOfValueComesBackAsItWasWritten) {
  auto font = std::make_shared<StdFont>();
  font->SetName("Fancy \"Sans\"");
  font->SetSize(9.1234);
  font->SetWeight(650);
  font->SetItalic(true);
  font->SetStrikethrough(true);
  font->SetCharset(204);
  const auto picture = TestPicture();
  ASSERT_TRUE(picture);
  const std::vector<std::pair<std::string, Variant>> values = {
      {"Empty", Variant()},
      {"Flag", Variant(false)},
      {"Small", Variant(int16_t{-32768})},
      {"Big", Variant(int32_t{2147483647})},
      {"Colour", Variant(uint32_t{0x8000000F})},
      {"Ratio", Variant(-0.1)},
      {"Text", Variant("Zeile \xC3\xA4 \"quoted\"\n")},
      {"Raw", Variant(std::string("\xFF\xFE", 2))},
      {"Font", Variant(font)},
      {"NoFont", Variant(Variant::FontRef())},
      {"Picture", Variant(picture)},
      {"NoPicture", Variant(Variant::PictureRef())},
      {"Image", Variant(Bytes({{0, 4}, {0, 16}, {0, 16}}, 4 * 16 * 16))},
      {"Shifted", Variant(Bytes({{-3, 2}, {7, 3}}, 6))},
      {"NoElements", Variant(Bytes({{0, 0}}, 0))},
  };
  Form form;
  for (const auto& [name, value] : values)
    form.Control("Wayband1", "Wayband").properties.WriteProperty(name, value);
  form.Control("Second", "Other");
  int reports = 0;
  const Form back = ParseForm(FormText(form), [&](const FormDiagnostic&) { ++reports; });
  EXPECT_EQ(reports, 0);
  ASSERT_EQ(back.controls.size(), 2u);
  EXPECT_EQ(back.controls[1].type, "Other");
  const PropertyBag& bag = back.controls[0].properties;
  EXPECT_EQ(bag.Count(), values.size());
  for (const auto& [name, value] : values) {
    EXPECT_TRUE(SameValue(bag.ReadProperty(name, Variant("absent")), value)) << name;
  }
  // The text of a form read back is the text it was read from.
  EXPECT_EQ(FormText(back), FormText(form));
}

struct Damage {
  const char* label;
  std::string from, to;  // the change made to the good text
  FormDamage damage;
  std::vector<std::string> kept;  // entries that must still load
};

class DamagedForm : public ::testing::TestWithParam<Damage> {};

constexpr const char* kGood = R"({"format": "wayband-form", "version": 1, "controls": [
 {"name": "W1", "type": "Wayband", "properties": {
  "A": {"long": 7},
  "B": {"bytes": {"bounds": [[0, 2], [0, 2]], "data": "AQIDBA=="}},
  "C": {"string": "c"}}}]})";

TEST_P(DamagedForm, LoadsWhatCanBeReadAndReportsTheRest) {
  const Damage& d = GetParam();
  std::string text = kGood;
  if (!d.from.empty()) text.replace(text.find(d.from), d.from.size(), d.to);
  std::vector<FormDamage> reported;
  const Form form = ParseForm(text, [&](const FormDiagnostic& r) {
    reported.push_back(r.damage);
    EXPECT_GT(r.line, 0);
    throw 1;  // dropped by the reader
  });
  EXPECT_NE(std::ranges::find(reported, d.damage), reported.end()) << d.label;
  std::vector<std::string> kept;
  if (!form.controls.empty()) {
    form.controls[0].properties.ForEach(
        [&](const PropertyBag::Entry& e) { kept.push_back(e.name); });
  }
  EXPECT_EQ(kept, d.kept) << d.label;
}

INSTANTIATE_TEST_SUITE_P(
    Causes, DamagedForm,
    ::testing::Values(
        Damage{
            "wrong type", "{\"long\": 7}", "{\"long\": \"7\"}", FormDamage::kWrongType, {"B", "C"}},
        Damage{"out of range",
               "{\"long\": 7}",
               "{\"integer\": 40000}",
               FormDamage::kWrongType,
               {"B", "C"}},
        Damage{"font size",
               "{\"string\": \"c\"}",
               "{\"font\": {\"size\": 1e305}}",
               FormDamage::kWrongType,
               {"A", "B"}},
        Damage{"not tagged", "{\"long\": 7}", "7", FormDamage::kWrongType, {"B", "C"}},
        Damage{"huge",
               "[0, 2], [0, 2]",
               "[0, 2147483647], [0, 2147483647]",
               FormDamage::kBadDimension,
               {"A", "C"}},
        Damage{
            "negative", "[0, 2], [0, 2]", "[0, -2], [0, 2]", FormDamage::kBadDimension, {"A", "C"}},
        Damage{
            "mismatch", "[0, 2], [0, 2]", "[0, 3], [0, 2]", FormDamage::kBadDimension, {"A", "C"}},
        Damage{"past 32 bits",
               "[0, 2], [0, 2]",
               "[2147483647, 2], [0, 2]",
               FormDamage::kBadDimension,
               {"A", "C"}},
        Damage{"bad base64", "AQIDBA==", "AQID BA=", FormDamage::kBadBase64, {"A", "C"}},
        Damage{"loose padding bits", "AQIDBA==", "AQIDBB==", FormDamage::kBadBase64, {"A", "C"}},
        Damage{"duplicate",
               "\"C\":",
               "\"a\": {\"long\": 1}, \"C\":",
               FormDamage::kDuplicateName,
               {"A", "B", "C"}},
        Damage{"newer",
               "\"version\": 1",
               "\"version\": 2",
               FormDamage::kNewerVersion,
               {"A", "B", "C"}},
        Damage{"too deep",
               "\"C\": {\"string\": \"c\"}",
               "\"C\": " + std::string(40, '[') + "0" + std::string(40, ']'),
               FormDamage::kTooDeep,
               {"A", "B"}},
        Damage{"syntax", "\"C\"", "\"C\" oops", FormDamage::kSyntax, {"A", "B"}},
        Damage{"truncated", "\"c\"}}}]}", "\"c", FormDamage::kTruncated, {"A", "B"}},
        Damage{"not a form", "wayband-form", "something", FormDamage::kNotAForm, {}}),
    [](const auto& info) {
      std::string name = info.param.label;
      std::ranges::replace(name, ' ', '_');
      return name;
    });

TEST(FormFile, APictureMadeInMemoryIsKeptAsItsImage) {
  auto image = platform::Bitmap::Create(3, 2, 32);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 3; ++x)
      image->SetPixelAt(x, y, 0xFF000000u | static_cast<uint32_t>(x * 0x50 + y * 0x3000 + 7));
  }
  Form form;
  form.Control("W", "").properties.WriteProperty("P", Variant(Picture::FromImage(image)));
  const Variant back = ParseForm(FormText(form)).controls[0].properties.ReadProperty("P");
  const auto& picture = *back.Get<Variant::PictureRef>();
  ASSERT_TRUE(picture);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 3; ++x)
      EXPECT_EQ(picture->Image()->PixelAt(x, y) & 0xFFFFFF, image->PixelAt(x, y) & 0xFFFFFF);
  }
}

TEST(FormFile, EveryTruncationKeepsTheEntriesBeforeIt) {
  const Form whole = ParseForm(kGood);
  const std::string text = kGood;
  size_t keptBefore = 0;
  for (size_t cut = 0; cut < text.size(); ++cut) {
    int reports = 0;
    const Form part = ParseForm(text.substr(0, cut), [&](const FormDiagnostic&) { ++reports; });
    EXPECT_GT(reports, 0) << cut;
    const size_t kept = part.controls.empty() ? 0 : part.controls[0].properties.Count();
    EXPECT_GE(kept, keptBefore) << cut;
    keptBefore = kept;
    if (kept == 0) continue;
    part.controls[0].properties.ForEach([&](const PropertyBag::Entry& e) {
      EXPECT_TRUE(SameValue(e.value, whole.controls[0].properties.ReadProperty(e.name))) << cut;
    });
  }
  EXPECT_EQ(keptBefore, 3u);
}

TEST(FormFile, UnknownKindsSurviveAReadAndAWrite) {
  std::string text = kGood;
  text.replace(text.find("{\"string\": \"c\"}"), 15, R"({"currency": {"units": 12345}})");
  const Form form = ParseForm(text);
  EXPECT_EQ(form.controls[0].properties.ReadProperty("C", Variant("absent")), Variant("absent"));
  const Form again = ParseForm(FormText(form));
  EXPECT_EQ(again.controls[0].properties.Find("C")->foreignValue,
            R"({"currency":{"units":12345}})");
}

TEST(FormFile, WritingReplacesTheFileInOneStepOrLeavesItAlone) {
  const auto folder = std::filesystem::temp_directory_path() / "wayband_form_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "taken");
  Form form;
  form.Control("W1", "Wayband").properties.WriteProperty("A", Variant(int32_t{1}));
  EXPECT_TRUE(WriteFormFile(folder / "f.json", form));
  form.controls[0].properties.WriteProperty("A", Variant(int32_t{2}));
  EXPECT_TRUE(WriteFormFile(folder / "f.json", form));
  EXPECT_EQ(ReadFormFile(folder / "f.json").controls[0].properties.ReadProperty("A"),
            Variant(int32_t{2}));
  std::string error;
  EXPECT_FALSE(WriteFormFile(folder / "taken", form, &error));  // a folder is in the way
  EXPECT_FALSE(WriteFormFile(folder / "missing" / "f.json", form, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
  std::vector<FormDamage> reported;
  ReadFormFile(folder / "none.json",
               [&](const FormDiagnostic& d) { reported.push_back(d.damage); });
  EXPECT_EQ(reported, std::vector{FormDamage::kUnreadable});
  std::filesystem::remove_all(folder);
}

TEST(FormFile, FuzzCorpusInputsReadAndWriteBackStably) {
  int files = 0;
  const auto corpus = std::filesystem::path(__FILE__).parent_path() / "../../fuzz/corpus/form_file";
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    SCOPED_TRACE(entry.path().filename().string());
    const std::string written = FormText(ReadFormFile(entry.path()));
    EXPECT_EQ(FormText(ParseForm(written)), written);
    ++files;
  }
  EXPECT_GE(files, 2);
}

}  // namespace
}  // namespace wayband
