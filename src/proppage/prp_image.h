// prpImage: the design-time icon page (tab caption "Icons") as a model that a designer
// shows inside its property-page frame. The developer types a key into txtKey, picks an
// image file with Command1 ("Browse Icons...") to add it under that key, sees the stored
// icons as a strip of 16 x 16 previews in sets of 15 (cmdNav pages through the sets),
// clicks one to select it, deletes it with cmdDeleteIcon or deletes every icon with
// Command2. Every change goes straight into the edited control's icon store; the
// designer's Apply repeats a pending Delete All.
//
// Enabled states: Command1 follows the key rule (a key that is empty or starts with a
// digit disables it; the page opens with it enabled, so an empty key browses too);
// cmdDeleteIcon is enabled while an icon is selected; Command2 while the edited control
// has an icon store; cmdNav(0) (next set) while icons follow the shown set; cmdNav(1)
// (previous set) from the second set on.
//
// The layout and live state are offered through host::ModalDialog, so a host shows the
// page like its dialogs; the preview strip is the picture item Picture2, which the page
// paints itself (preview_painter).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/dib32.h"
#include "platform/host/modal_dialog.h"
#include "platform/host/open_file_dialog.h"
#include "proppage/icon_holder.h"
#include "proppage/page_site.h"

namespace wayband::proppage {

inline constexpr const char* kPageCaption = "Icons";
inline constexpr const char* kTxtKey = "txtKey";
inline constexpr const char* kCommand1 = "Command1";
inline constexpr const char* kCommand2 = "Command2";
inline constexpr const char* kCmdDeleteIcon = "cmdDeleteIcon";
inline constexpr const char* kCmdNavNext = "cmdNav(0)";
inline constexpr const char* kCmdNavPrevious = "cmdNav(1)";
inline constexpr const char* kPicture2 = "Picture2";

inline constexpr const char* kNumericKeyMessage = "Keys can not start with a numeric character.";
inline constexpr const char* kDeleteAllQuestion =
    "Are you sure you want to delete all assigned icons?";
inline constexpr const char* kDeleteAllTitle = "Delete All";
// The key an icon gets when the key box is empty: this prefix and the file's path.
inline constexpr const char* kPathKeyPrefix = "key_";

// The open-file dialog that Command1 shows.
host::OpenFileRequest BrowseRequest(host::WindowHandle owner);

class prpImage final : public host::ModalDialog {
 public:
  // The site (the designer) must outlive the page.
  explicit prpImage(PageSite& site);

  // --- Designer events -------------------------------------------------------------------
  // Takes the designer's first selected control as the edited control and refreshes the
  // preview.
  void SelectionChanged();
  // Empties the edited control's icon store when a Delete All is pending.
  void ApplyChanges();

  // --- The page's controls ---------------------------------------------------------------
  // The key box's text changed: Command1 follows the key rule.
  void txtKey_Change();
  void Command1_Click();
  void Command2_Click();
  void cmdDeleteIcon_Click();
  // index 0: the next set, 1: the previous set.
  void cmdNav_Click(int32_t index);
  // A press on the preview strip at x twips from its left edge.
  void Picture2_MouseDown(double xTwips);
  void RefreshPreview();

  // --- Page state --------------------------------------------------------------------------
  const std::string& FileName() const { return fileName_; }
  const std::string& SelectedKey() const { return selectedKey_; }
  int32_t SelectedX() const { return selectedX_; }
  int32_t Page() const { return page_; }
  bool DeleteAllPending() const { return deleteAllPending_; }
  const std::string& KeyText() const { return keyText_; }
  const IconHolder* Edited() const { return edited_.get(); }
  // The preview strip as last painted.
  const imaging::CDib32& Preview() const { return preview_; }

  // host::ModalDialog
  std::string Caption() const override { return kPageCaption; }
  std::string FontName() const override;
  double FontSize() const override;
  double ClientWidth() const override;
  double ClientHeight() const override;
  std::span<const host::DialogItem> Items() const override;
  std::vector<host::DialogListEntry> ListEntries(std::string_view) const override { return {}; }
  int32_t CurrentEntry(std::string_view) const override { return -1; }
  bool ItemEnabled(std::string_view name) const override;
  bool Closed() const override { return closed_; }
  std::string ItemText(std::string_view name) const override;
  const platform::DrawingContext* ItemImage(std::string_view name) const override;
  void ClickButton(std::string_view name) override;
  void ClickEntry(std::string_view, int32_t) override {}
  void SetTicked(std::string_view, int32_t, bool) override {}
  void SetItemText(std::string_view name, const std::string& text) override;
  void ClickPicture(std::string_view name, double x, double y) override;
  // The designer closed the page (its OK, Cancel or close box).
  void Close() override { closed_ = true; }

 private:
  std::string KeyForAdd() const;
  // Sets the key box's text, running its change rule when the text differs.
  void SetKeyText(const std::string& text);
  // The strip's size in pixels: its twips divided by the twips per pixel, truncated.
  platform::Size StripSize() const;

  PageSite& site_;
  // Shared, so that an operation keeps its holder while a message it shows lets the
  // designer change the selection.
  std::shared_ptr<IconHolder> edited_;
  std::string fileName_;
  std::string selectedKey_;
  int32_t selectedX_ = 0;
  int32_t page_ = 0;
  bool deleteAllPending_ = false;
  std::string keyText_;
  bool browseEnabled_ = true;
  bool deleteAllEnabled_ = true;
  bool deleteIconEnabled_ = false;
  bool nextEnabled_ = false;
  bool previousEnabled_ = false;
  bool closed_ = false;
  imaging::CDib32 preview_;
};

}  // namespace wayband::proppage
