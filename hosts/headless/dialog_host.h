// How the headless host shows modal dialogs: each dialog takes the scripted actions meant
// for it, in order, as a user would click; one still open when its actions run out is
// closed by other means (its close box). Just before a dialog closes, what it shows is
// kept as a snapshot, so tools can draw the dialog as the user last saw it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/host/modal_dialog.h"

namespace wayband::headless {

struct DialogAction {
  enum class Kind { kClickButton, kClickEntry, kSetTicked, kSetText, kClickPicture, kClose };
  Kind kind = Kind::kClose;
  std::string name;  // the button, the list, the text box or the picture
  int32_t entry = 0;
  bool ticked = false;
  std::string text = {};  // kSetText
  double x = 0.0;         // kClickPicture: twips from the picture's top-left corner
  double y = 0.0;
};

// What a dialog shows at one moment.
struct DialogSnapshot {
  std::string caption;
  std::string fontName;
  double fontSize = 0.0;
  double clientWidth = 0.0;  // twips
  double clientHeight = 0.0;
  std::vector<host::DialogItem> items;
  std::vector<bool> enabled;                   // per item
  std::vector<std::string> texts;              // per item: a text box's text, else empty
  std::vector<platform::BitmapHandle> images;  // per item: a copy of a picture's pixels, or null
  // The check list's entries and current entry (the dialogs here have one list).
  std::vector<host::DialogListEntry> entries;
  int32_t current = -1;
};

DialogSnapshot SnapshotOf(const host::ModalDialog& dialog);

// Does what the action says to the dialog, as a user would.
void Perform(host::ModalDialog& dialog, const DialogAction& action);

class DialogHost {
 public:
  using ActionObserver = std::function<void(host::ModalDialog& dialog)>;
  using CloseObserver = std::function<void(const DialogSnapshot& lastSeen)>;

  // The actions the next dialog takes; dialogs after it take none.
  void SetScript(std::vector<DialogAction> actions) { script_ = std::move(actions); }
  // Runs after each action while the dialog is still open, as the host's other handlers
  // may run during a modal loop.
  void SetActionObserver(ActionObserver observer) { observer_ = std::move(observer); }
  // Runs with what a dialog shows just before it closes (a screenshot's moment).
  void SetCloseObserver(CloseObserver observer) { closeObserver_ = std::move(observer); }
  // The modal loop of one dialog.
  void Run(host::ModalDialog& dialog);
  // Each dialog as it was just before it closed, oldest first.
  const std::vector<DialogSnapshot>& Shown() const { return shown_; }
  void Clear() { shown_.clear(); }

 private:
  std::vector<DialogAction> script_;
  ActionObserver observer_;
  CloseObserver closeObserver_;
  std::vector<DialogSnapshot> shown_;
};

}  // namespace wayband::headless
