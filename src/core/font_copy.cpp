#include "core/font_copy.h"

namespace wayband::core {

std::shared_ptr<StdFont> CopyFont(const std::shared_ptr<StdFont>& source) {
  auto copy = std::make_shared<StdFont>();
  if (!source) {
    copy->SetName(kFallbackFontName);
    copy->SetSize(kFallbackFontSize);
    return copy;
  }
  copy->SetBold(source->Bold());
  copy->SetCharset(source->Charset());
  copy->SetItalic(source->Italic());
  copy->SetName(source->Name());
  copy->SetSize(source->Size());
  copy->SetStrikethrough(source->Strikethrough());
  copy->SetUnderline(source->Underline());
  copy->SetWeight(source->Weight());
  return copy;
}

}  // namespace wayband::core
