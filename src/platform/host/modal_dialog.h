// A modal dialog a control asks its host to show over a model the control keeps
// (ControlSite::ShowModal). The model holds the dialog's layout, the live state of its
// items and all of its behaviour; the host only shows it and relays what the user does.
// A host draws the items at their twips positions in the model's font, shows the list
// entries with their check boxes and the current entry, enables items as the model says
// and returns from ShowModal once the model reports that it closed.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing_context.h"

namespace wayband::host {

enum class DialogItemKind {
  kLabel,
  // An etched horizontal rule: a shadow line at `top` and a highlight line at `top` +
  // `height`, from `left` to `left` + `width`.
  kEtchedRule,
  // A list with a check box per entry.
  kCheckList,
  kButton,
  // A one-line text box the user types into.
  kTextBox,
  // A picture the model paints (ItemImage) and that hears mouse presses.
  kPicture,
};

struct DialogItem {
  std::string name;  // the item's name, such as "cmdOK"
  DialogItemKind kind = DialogItemKind::kLabel;
  // An ampersand marks the following letter as the access key ("&&" is one ampersand).
  std::string caption;
  // Twips in the dialog's client area; a label's width and height of 0 fit its text.
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  bool isDefault = false;     // Enter presses it
  bool isCancel = false;      // Escape presses it
  std::string tooltip = {};   // shown while the mouse rests on the item; empty for none
  std::string fontName = {};  // the item's own face at the dialog's size; empty: the dialog's
};

struct DialogListEntry {
  std::string text;
  bool ticked = false;
  friend bool operator==(const DialogListEntry&, const DialogListEntry&) = default;
};

class ModalDialog {
 public:
  virtual ~ModalDialog() = default;

  // --- Layout ---------------------------------------------------------------------------
  virtual std::string Caption() const = 0;
  virtual std::string FontName() const = 0;
  virtual double FontSize() const = 0;  // points
  // The client area, twips.
  virtual double ClientWidth() const = 0;
  virtual double ClientHeight() const = 0;
  virtual std::span<const DialogItem> Items() const = 0;

  // --- Live state -----------------------------------------------------------------------
  virtual std::vector<DialogListEntry> ListEntries(std::string_view list) const = 0;
  // The highlighted entry (0-based), -1 for none.
  virtual int32_t CurrentEntry(std::string_view list) const = 0;
  virtual bool ItemEnabled(std::string_view name) const = 0;
  virtual bool Closed() const = 0;
  // A text box's text.
  virtual std::string ItemText(std::string_view /*name*/) const { return {}; }
  // A picture's pixels as the model painted them, at the item's size; null for none.
  virtual const platform::DrawingContext* ItemImage(std::string_view /*name*/) const {
    return nullptr;
  }

  // --- What the user does (each does nothing once the dialog is closed) ------------------
  // A click on an enabled button.
  virtual void ClickButton(std::string_view name) = 0;
  // A click on an entry's text: it becomes current.
  virtual void ClickEntry(std::string_view list, int32_t entry) = 0;
  // A click on an entry's check box: it becomes current and takes the tick.
  virtual void SetTicked(std::string_view list, int32_t entry, bool ticked) = 0;
  // The user changed a text box's text to `text`.
  virtual void SetItemText(std::string_view /*name*/, const std::string& /*text*/) {}
  // A press of the left button on a picture at (x, y), twips from its top-left corner.
  virtual void ClickPicture(std::string_view /*name*/, double /*x*/, double /*y*/) {}
  // Closing by other means than a button (the close box, Escape without a cancel button).
  virtual void Close() = 0;
};

}  // namespace wayband::host
