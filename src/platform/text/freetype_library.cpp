#include "platform/text/freetype_library.h"

#include FT_LCD_FILTER_H

namespace wayband::platform::text {
namespace {

class Library {
 public:
  Library() {
    if (FT_Init_FreeType(&handle_) != 0) {
      handle_ = nullptr;
      return;
    }
    // Subpixel glyphs get the default five-tap filter so that colour fringes stay faint.
    // Builds without the filter render their own subpixel layout; the call then fails
    // harmlessly.
    FT_Library_SetLcdFilter(handle_, FT_LCD_FILTER_DEFAULT);
  }
  ~Library() {
    if (handle_ != nullptr) FT_Done_FreeType(handle_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  FT_Library handle() const { return handle_; }

 private:
  FT_Library handle_ = nullptr;
};

}  // namespace

FT_Library FreeTypeLibrary() {
  static Library library;
  return library.handle();
}

}  // namespace wayband::platform::text
