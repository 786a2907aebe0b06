// InternalAlphaImg: the library's private holder control of an icon collection, which the
// design-time icon page edits and previews. It keeps the icons under keys (compared
// without regard to case), imports new ones from files and gives the page the scheme
// colours for its preview.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/icon_store.h"
#include "imaging/icon_bytes.h"
#include "platform/host/control_site.h"
#include "render/scheme/scheme_palette.h"

namespace wayband::proppage {

class InternalAlphaImg {
 public:
  // `site` (may be null) hears that the properties changed; it must outlive the holder.
  explicit InternalAlphaImg(host::ControlSite* site = nullptr) : site_(site) {}

  // The icon under the key, or null.
  const imaging::CIconBytes* GetIcoBytes(std::string_view sKey) const { return icons_.Find(sKey); }
  // Imports the file into a new icon with the key and adds it, unless an icon has the key
  // already; remembers the path, tells the host that the properties changed and returns
  // the new icon (also when it was not added).
  imaging::CIconBytes AddIconFromFile(const std::filesystem::path& path, const std::string& key);
  // Removes the icon under the key (nothing when there is none) and tells the host that
  // the properties changed.
  void RemoveIcon(std::string_view key);
  // Replaces the collection by an empty one.
  void ClearIcons() { icons_ = core::IconStore{}; }
  // The icons in collection order.
  const core::IconStore& Icons() const { return icons_; }
  // The path of the last file imported.
  const std::filesystem::path& LastIconFile() const { return lastIconFile_; }

  // The 44 scheme colours the icon page previews with: the user's appearance scheme, the
  // styled flag set, as seen from the holder's window.
  render::SchemePalette GetSchemeColours() const;

 private:
  void NotifyAllChanged();

  host::ControlSite* site_;
  core::IconStore icons_;
  std::filesystem::path lastIconFile_;
};

}  // namespace wayband::proppage
