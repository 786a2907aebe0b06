// The designer's side of a property page: what the page asks of the form designer that
// shows it. The designer in turn tells the page that its selection changed
// (prpImage::SelectionChanged) and that the user applies the page (prpImage::ApplyChanges).
#pragma once

#include <string_view>

#include "platform/host/window_system.h"
#include "proppage/icon_holder.h"

namespace wayband::proppage {

class PageSite {
 public:
  virtual ~PageSite() = default;
  // The first of the controls the designer has selected (monostate when there is none).
  virtual DesignedControl FirstSelectedControl() const = 0;
  // The page has changes: the designer offers Apply and marks the form modified.
  virtual void MarkChanged() = 0;
  // The screen's twips per pixel.
  virtual double TwipsPerPixelX() const = 0;
  virtual double TwipsPerPixelY() const = 0;
  // The window that shows one of the page's items, kNoWindow when it has none.
  virtual host::WindowHandle ItemWindow(std::string_view /*item*/) const { return host::kNoWindow; }
};

}  // namespace wayband::proppage
