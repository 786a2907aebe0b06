// frmOptions: the navigation options dialog ("Navigation Pane Options") as a model that a
// host shows modally (host::ModalDialog). The user reorders the bars in lstBars with
// cmdUp and cmdDown, ticks the bars to show, restores the original order with cmdReset,
// and applies everything with cmdOK; cmdCancel and every other way of closing leave the
// control as it was. The dialog works on its own list and touches the control only in
// OK, through the control's BeginReorder, PlaceRecord and EndReorder.
//
// Buttons enabled after each fill, move and list click:
//   fewer than 2 entries: none of cmdUp, cmdDown, cmdReset
//   current entry first: cmdDown, cmdReset;  last: cmdUp, cmdReset;  otherwise all three
//
// cmdReset restores the order in which the panels were added (their IDs) and ticks every
// bar, keeping the current entry on the same bar.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/modal_dialog.h"

namespace wayband::core {
class ControlCore;
}

namespace wayband::interaction {

inline constexpr const char* kOptionsCaption = "Navigation Pane Options";
inline constexpr const char* kLstBars = "lstBars";
inline constexpr const char* kCmdUp = "cmdUp";
inline constexpr const char* kCmdDown = "cmdDown";
inline constexpr const char* kCmdReset = "cmdReset";
inline constexpr const char* kCmdOK = "cmdOK";
inline constexpr const char* kCmdCancel = "cmdCancel";

class frmOptions final : public host::ModalDialog {
 public:
  struct Entry {
    std::string text;      // the panel's Caption as stored
    int32_t itemData = 0;  // the panel's Index when the list was filled
    bool ticked = false;   // the panel's Visible
    int32_t panelId = 0;   // the panel's lID, for cmdReset's order of creation
  };

  // The owner is not kept alive by the dialog.
  explicit frmOptions(std::weak_ptr<core::ControlCore> owner);

  // The dialog's operations.
  void Fill();
  void UpdateButtons();
  void MoveUp();
  void MoveDown();
  void Reset();
  void OK();
  void Cancel();
  // A click on the list (also a tick toggled): the entry becomes current when it exists.
  void ListClick(int32_t entry);

  const std::vector<Entry>& Entries() const { return lstBars_; }
  int16_t Current() const { return current_; }

  // host::ModalDialog
  std::string Caption() const override { return kOptionsCaption; }
  std::string FontName() const override;
  double FontSize() const override;
  double ClientWidth() const override;
  double ClientHeight() const override;
  std::span<const host::DialogItem> Items() const override;
  std::vector<host::DialogListEntry> ListEntries(std::string_view list) const override;
  int32_t CurrentEntry(std::string_view list) const override;
  bool ItemEnabled(std::string_view name) const override;
  bool Closed() const override { return closed_; }
  void ClickButton(std::string_view name) override;
  void ClickEntry(std::string_view list, int32_t entry) override;
  void SetTicked(std::string_view list, int32_t entry, bool ticked) override;
  void Close() override { Cancel(); }

 private:
  bool HasCurrent() const;
  void Swap(int32_t a, int32_t b);

  std::weak_ptr<core::ControlCore> owner_;
  std::vector<Entry> lstBars_;
  int16_t current_ = -1;
  bool upEnabled_ = false;
  bool downEnabled_ = false;
  bool resetEnabled_ = false;
  bool closed_ = false;
};

}  // namespace wayband::interaction
