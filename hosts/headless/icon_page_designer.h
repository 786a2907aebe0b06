// The headless host as the form designer that shows the icon page (prpImage): it hands
// the page the selected control, counts the changes the page marks, and plays scripted
// actions on it as a developer would (type a key, browse to a file or cancel the dialog,
// click a button, click the preview, answer Delete All's question, apply, close). Open-file
// choices and message-box answers go through the host's scripts.
//
// Not installed with the headless host: it builds on the library's internal page model.
#pragma once

#include <cstdint>
#include <string>

#include "headless/dialog_host.h"
#include "headless/headless_host.h"
#include "proppage/prp_image.h"

namespace wayband::headless {

struct PageAction {
  enum class Kind {
    kTypeKey,       // `text` into txtKey
    kBrowse,        // Command1, the dialog choosing the file `text`
    kCancelBrowse,  // Command1, the dialog cancelled
    kClick,         // the button `text`
    kClickPreview,  // a press on the preview strip at `x` pixels from its left edge
    kDeleteAll,     // Command2, the question answered Yes when `confirm`, else No
    kApply,         // the designer's Apply
    kClose,         // the designer closes the page (its OK or Cancel)
  };
  Kind kind = Kind::kClick;
  std::string text;
  int32_t x = 0;
  bool confirm = true;
};

class IconPageDesigner final : public proppage::PageSite {
 public:
  // The host must outlive the designer.
  explicit IconPageDesigner(HeadlessHost& host);

  // The designer's selection changes to `control` (monostate: none).
  void Select(proppage::DesignedControl control);
  void Perform(const PageAction& action);

  proppage::prpImage& Page() { return page_; }
  // How often the page marked itself changed.
  int32_t ChangesMarked() const { return changesMarked_; }
  // What the page shows now.
  DialogSnapshot Snapshot() const { return SnapshotOf(page_); }

  // proppage::PageSite
  proppage::DesignedControl FirstSelectedControl() const override { return selected_; }
  void MarkChanged() override { ++changesMarked_; }
  double TwipsPerPixelX() const override { return host_.Settings().twipsPerPixelX; }
  double TwipsPerPixelY() const override { return host_.Settings().twipsPerPixelY; }

 private:
  HeadlessHost& host_;
  proppage::DesignedControl selected_;
  int32_t changesMarked_ = 0;
  proppage::prpImage page_{*this};
};

}  // namespace wayband::headless
