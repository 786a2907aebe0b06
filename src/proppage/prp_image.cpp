#include "proppage/prp_image.h"

#include <cmath>
#include <filesystem>
#include <limits>

#include "imaging/icon_bytes.h"
#include "imaging/icon_sizes.h"
#include "platform/host/message_box.h"
#include "platform/twips.h"
#include "proppage/preview_layout.h"
#include "proppage/preview_painter.h"

namespace wayband::proppage {
namespace {

// The preview strip Picture2, twips.
constexpr double kStripWidthTwips = 5055.0;
constexpr double kStripHeightTwips = 495.0;

// The key box's text without the spaces around it.
std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool StartsWithDigit(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

// True when an import of the file stores an image at some size. The page adds nothing for
// a file that cannot be read or decoded (or is refused as not square): the control would
// keep an empty icon under the key, which the preview cannot show and which would hold
// the key against the file the developer picks next.
bool YieldsImage(const std::string& path) {
  imaging::CIconBytes probe;
  probe.ImportFile(std::filesystem::path(path));
  for (int32_t size = 0; size < imaging::kIconSizeCount; ++size) {
    if (probe.HasSize(size)) return true;
  }
  return false;
}

// A screen density the page can divide by.
double UsableTwipsPerPixel(double twipsPerPixel) {
  return std::isfinite(twipsPerPixel) && twipsPerPixel >= 1.0 ? twipsPerPixel
                                                              : platform::kDefaultTwipsPerPixel;
}

// Whole pixels of a twips length, truncated and kept within the 32-bit range.
int32_t TruncatedPixels(double twips, double twipsPerPixel) {
  const double pixels = std::trunc(twips / UsableTwipsPerPixel(twipsPerPixel));
  if (!(pixels > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (pixels >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(pixels);
}

}  // namespace

prpImage::prpImage(PageSite& site) : site_(site) {
  RefreshPreview();
}

void prpImage::SelectionChanged() {
  edited_ = IconHolderFor(site_.FirstSelectedControl());
  RefreshPreview();
}

void prpImage::ApplyChanges() {
  const std::shared_ptr<IconHolder> edited = edited_;
  if (edited && deleteAllPending_) edited->ClearIcons();
}

void prpImage::txtKey_Change() {
  const std::string_view key = Trimmed(keyText_);
  browseEnabled_ = !key.empty() && !StartsWithDigit(key);
}

void prpImage::SetKeyText(const std::string& text) {
  if (text == keyText_) return;
  keyText_ = text;
  txtKey_Change();
}

std::string prpImage::KeyForAdd() const {
  const std::string_view key = Trimmed(keyText_);
  if (key.empty()) return kPathKeyPrefix + fileName_;
  if (!StartsWithDigit(key)) return std::string(key);
  // The store's own key rules then take or refuse the empty key.
  host::MessageBox(kNumericKeyMessage, "", host::MB_OK | host::MB_ICONINFORMATION);
  return {};
}

void prpImage::Command1_Click() {
  fileName_.clear();
  const std::optional<std::string> chosen =
      host::ShowOpenFileDialog(BrowseRequest(site_.ItemWindow(kCommand1)));
  if (!chosen || chosen->empty()) return;
  fileName_ = *chosen;
  deleteAllPending_ = false;
  const std::string key = KeyForAdd();
  const std::shared_ptr<IconHolder> edited = edited_;
  if (edited && YieldsImage(fileName_)) edited->AddIconFromFile(fileName_, key);
  selectedX_ = 0;
  RefreshPreview();
  SetKeyText("");
  site_.MarkChanged();
}

void prpImage::Command2_Click() {
  const int32_t answer =
      host::MessageBox(kDeleteAllQuestion, kDeleteAllTitle,
                       host::MB_YESNO | host::MB_ICONQUESTION | host::MB_DEFBUTTON2);
  if (answer != host::IDYES) return;
  deleteAllPending_ = true;
  site_.MarkChanged();
  // The store empties now; the preview keeps showing the old icons until its next refresh.
  ApplyChanges();
}

void prpImage::cmdDeleteIcon_Click() {
  if (const std::shared_ptr<IconHolder> edited = edited_; edited && !selectedKey_.empty())
    edited->RemoveIcon(selectedKey_);
  deleteIconEnabled_ = false;
  selectedX_ = 0;
  SetKeyText("");
  RefreshPreview();
}

void prpImage::cmdNav_Click(int32_t index) {
  if (index == 0 && page_ < std::numeric_limits<int32_t>::max()) ++page_;
  if (index == 1 && page_ > 0) --page_;
  selectedX_ = 0;
  SetKeyText("");
  deleteIconEnabled_ = false;
  RefreshPreview();
}

void prpImage::Picture2_MouseDown(double xTwips) {
  selectedX_ = TruncatedPixels(xTwips, site_.TwipsPerPixelX());
  RefreshPreview();
}

platform::Size prpImage::StripSize() const {
  return {TruncatedPixels(kStripWidthTwips, site_.TwipsPerPixelX()),
          TruncatedPixels(kStripHeightTwips, site_.TwipsPerPixelY())};
}

void prpImage::RefreshPreview() {
  const platform::Size size = StripSize();
  if (!preview_.IsCreated() || preview_.Width() != size.cx || preview_.Height() != size.cy)
    preview_.Create(size.cx, size.cy);
  const std::shared_ptr<IconHolder> edited = edited_;
  nextEnabled_ = false;
  previousEnabled_ = page_ >= 1;
  const render::SchemePalette palette =
      edited ? edited->GetSchemeColours() : DesktopSchemeColours();
  const core::IconStore* icons = edited ? edited->Icons() : nullptr;
  deleteAllEnabled_ = icons != nullptr;
  PreviewLayout layout;
  if (icons) {
    layout = LayOutPreview(icons->Count(), page_, selectedX_, size.cy);
    nextEnabled_ = layout.hasNextSet;
    if (layout.selectedIcon) {
      const std::string key = icons->Items()[static_cast<size_t>(*layout.selectedIcon)].Key();
      deleteIconEnabled_ = true;
      selectedKey_ = key;
      SetKeyText(key);
    }
  }
  PaintPreview(preview_, palette, layout, icons);
}

bool prpImage::ItemEnabled(std::string_view name) const {
  if (name == kCommand1) return browseEnabled_;
  if (name == kCommand2) return deleteAllEnabled_;
  if (name == kCmdDeleteIcon) return deleteIconEnabled_;
  if (name == kCmdNavNext) return nextEnabled_;
  if (name == kCmdNavPrevious) return previousEnabled_;
  return true;
}

std::string prpImage::ItemText(std::string_view name) const {
  return name == kTxtKey ? keyText_ : std::string();
}

const platform::DrawingContext* prpImage::ItemImage(std::string_view name) const {
  return name == kPicture2 ? preview_.hDC() : nullptr;
}

void prpImage::ClickButton(std::string_view name) {
  if (closed_ || !ItemEnabled(name)) return;
  if (name == kCommand1) {
    Command1_Click();
  } else if (name == kCommand2) {
    Command2_Click();
  } else if (name == kCmdDeleteIcon) {
    cmdDeleteIcon_Click();
  } else if (name == kCmdNavNext) {
    cmdNav_Click(0);
  } else if (name == kCmdNavPrevious) {
    cmdNav_Click(1);
  }
}

void prpImage::SetItemText(std::string_view name, const std::string& text) {
  if (!closed_ && name == kTxtKey) SetKeyText(text);
}

void prpImage::ClickPicture(std::string_view name, double x, double /*y*/) {
  if (!closed_ && name == kPicture2) Picture2_MouseDown(x);
}

}  // namespace wayband::proppage
