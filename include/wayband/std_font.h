// The standard font object: what a host hands a control as its font and what the control
// keeps as `HeaderFont` and `SelectedFont`. Fonts are shared by reference
// (std::shared_ptr): two properties holding the same object see each other's changes.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace wayband {

inline constexpr int16_t kFontWeightNormal = 400;
inline constexpr int16_t kFontWeightBold = 700;
// Weights above this one read as bold.
inline constexpr int16_t kFontBoldThreshold = 550;
inline constexpr int16_t kAnsiCharset = 0;
inline constexpr int16_t kDefaultCharset = 1;

class StdFont {
 public:
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // Points, kept to four decimal places like the platform's currency type. Negative
  // sizes are refused.
  double Size() const { return size_; }
  void SetSize(double points);

  // Bold and Weight are one setting: Bold reads Weight above kFontBoldThreshold, setting
  // Bold sets Weight to 700 or 400.
  bool Bold() const { return weight_ > kFontBoldThreshold; }
  void SetBold(bool bold) { weight_ = bold ? kFontWeightBold : kFontWeightNormal; }
  int16_t Weight() const { return weight_; }
  void SetWeight(int16_t weight) { weight_ = weight; }

  bool Italic() const { return italic_; }
  void SetItalic(bool italic) { italic_ = italic; }
  bool Underline() const { return underline_; }
  void SetUnderline(bool underline) { underline_ = underline; }
  bool Strikethrough() const { return strikethrough_; }
  void SetStrikethrough(bool strikethrough) { strikethrough_ = strikethrough; }
  int16_t Charset() const { return charset_; }
  void SetCharset(int16_t charset) { charset_ = charset; }

  friend bool operator==(const StdFont&, const StdFont&) = default;

 private:
  std::string name_ = "Tahoma";
  double size_ = 8.0;
  int16_t weight_ = kFontWeightNormal;
  bool italic_ = false;
  bool underline_ = false;
  bool strikethrough_ = false;
  int16_t charset_ = kAnsiCharset;
};

}  // namespace wayband
