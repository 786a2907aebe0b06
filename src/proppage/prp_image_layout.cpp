// The icon page's layout (twips, Tahoma 8 points) and the open-file dialog its Browse
// button shows.
#include <array>

#include "proppage/prp_image.h"

namespace wayband::proppage {
namespace {

using host::DialogItem;
using host::DialogItemKind;

constexpr const char* kFontName = "Tahoma";
constexpr double kFontSize = 8.0;
constexpr double kPageWidth = 5535.0;
constexpr double kPageHeight = 3600.0;
// The arrow buttons: Marlett's "3" and "4" are its left and right arrows. Their height is
// not tied to anything else on the page; 315 twips (the key box's) leaves a gap of 45
// twips above the preview strip.
constexpr const char* kArrowFont = "Marlett";
constexpr double kArrowHeight = 315.0;

DialogItem Label(const char* name, const char* caption, double left, double top,
                 double width = 0.0) {
  return {name, DialogItemKind::kLabel, caption, left, top, width, 0.0};
}

DialogItem Button(const char* name, const char* caption, const char* tooltip, double left,
                  double top, double width, double height, const char* font = "") {
  DialogItem item{name, DialogItemKind::kButton, caption, left, top, width, height};
  item.tooltip = tooltip;
  item.fontName = font;
  return item;
}

const std::array<DialogItem, 11>& Layout() {
  static const std::array<DialogItem, 11> items = [] {
    DialogItem strip{kPicture2, DialogItemKind::kPicture, "", 240, 2400, 5055, 495};
    strip.tooltip = "16x16 preview of currently assigned icons.";
    return std::array<DialogItem, 11>{{
        Label("Label1(1)", "1. Choose Key", 240, 120),
        {kTxtKey, DialogItemKind::kTextBox, "", 240, 360, 3255, 315},
        Label("Label1(2)", "2. Choose Icon To Add", 240, 960, 3255),
        Button(kCommand1, "Browse Icons...", "Browse and select an icon.", 240, 1200, 1935, 375),
        // Two lines, a shadow at 1905 and a highlight at 1920, from 240 to 5280.
        {"Line1", DialogItemKind::kEtchedRule, "", 240, 1905, 5040, 15},
        Label("Label1(0)", "16x16 Icon Preview:", 240, 2160),
        Button(kCmdNavPrevious, "3", "View previous set of icons.", 4560, 2040, 375, kArrowHeight,
               kArrowFont),
        Button(kCmdNavNext, "4", "View next set of icons.", 4920, 2040, 375, kArrowHeight,
               kArrowFont),
        strip,
        Button(kCommand2, "Delete All", "Deletes all icons.", 240, 3000, 1215, 375),
        Button(kCmdDeleteIcon, "Delete Icon", "Deletes the currently selected icon.", 4080, 3000,
               1215, 375),
    }};
  }();
  return items;
}

}  // namespace

host::OpenFileRequest BrowseRequest(host::WindowHandle owner) {
  return {"Select an image to add...",
          {
              {"Common image files (*.ico,*.bmp,*.png,*.gif,*.jpg,*.cur)",
               "*.bmp;*.gif;*.jpg;*.ico;*.png;*.cur"},
              {"Icon files (*.ico)", "*.ico"},
              {"PNG files (*.png)", "*.png"},
              {"Bitmap files (*.bmp)", "*.bmp"},
              {"GIF files (*.gif)", "*.gif"},
              {"JPG files (*.jpg)", "*.jpg"},
              {"Cursor files (*.cur)", "*.cur"},
              {"All Files (*.*)", "*.*"},
          },
          1,
          "ICO",
          owner};
}

std::string prpImage::FontName() const {
  return kFontName;
}
double prpImage::FontSize() const {
  return kFontSize;
}
double prpImage::ClientWidth() const {
  return kPageWidth;
}
double prpImage::ClientHeight() const {
  return kPageHeight;
}

std::span<const DialogItem> prpImage::Items() const {
  return Layout();
}

}  // namespace wayband::proppage
