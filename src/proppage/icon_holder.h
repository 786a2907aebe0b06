// What the icon page edits: the icon collection of the control the designer selected. A
// Wayband, a NorvaleContainer and the private InternalAlphaImg each keep one; IconHolderFor
// tries them in that order and gives the page one interface over whichever it found.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "core/icon_store.h"
#include "proppage/internal_alpha_img.h"
#include "render/scheme/scheme_palette.h"

namespace wayband {
class Wayband;
class NorvaleContainer;
}  // namespace wayband

namespace wayband::proppage {

// A control the designer has selected, as the page receives it. The designer owns the
// controls; a Wayband or a NorvaleContainer must live while it is selected (the page holds
// its core only weakly, so a control that goes while the page works leaves an inert
// holder), an InternalAlphaImg is shared. monostate stands for a control of another kind.
using DesignedControl =
    std::variant<std::monostate, Wayband*, NorvaleContainer*, std::shared_ptr<InternalAlphaImg>>;

class IconHolder {
 public:
  virtual ~IconHolder() = default;
  // Imports the file into a new icon under the key and adds it, as the control's own add
  // operation does (its key rules and refusals apply).
  virtual void AddIconFromFile(const std::string& path, const std::string& key) = 0;
  virtual void RemoveIcon(std::string_view key) = 0;
  // Replaces the collection by an empty one.
  virtual void ClearIcons() = 0;
  // The collection in its order; null when the control has none (or is gone).
  virtual const core::IconStore* Icons() const = 0;
  // The scheme colours the page previews with.
  virtual render::SchemePalette GetSchemeColours() const = 0;
};

// The scheme colours of the desktop as a control without a window sees them: the preview's
// colours while no control of the three kinds is edited.
render::SchemePalette DesktopSchemeColours();

// The holder over the selected control: a Wayband first, then a NorvaleContainer, then an
// InternalAlphaImg; null for a control of none of these kinds.
std::unique_ptr<IconHolder> IconHolderFor(const DesignedControl& control);

}  // namespace wayband::proppage
