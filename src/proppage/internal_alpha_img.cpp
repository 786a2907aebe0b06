#include "proppage/internal_alpha_img.h"

#include "render/scheme/scheme_update.h"

namespace wayband::proppage {

imaging::CIconBytes InternalAlphaImg::AddIconFromFile(const std::filesystem::path& path,
                                                      const std::string& key) {
  imaging::CIconBytes icon;
  icon.ImportFile(path);
  icon.SetKey(key);
  icons_.Add(icon);
  lastIconFile_ = path;
  NotifyAllChanged();
  return icon;
}

void InternalAlphaImg::RemoveIcon(std::string_view key) {
  icons_.Remove(key);
  NotifyAllChanged();
}

render::SchemePalette InternalAlphaImg::GetSchemeColours() const {
  const host::WindowHandle window = site_ ? site_->hWnd() : host::kNoWindow;
  return render::BuildCurrentPalette(window, /*styled=*/true);
}

void InternalAlphaImg::NotifyAllChanged() {
  if (site_) site_->AllPropertiesChanged();
}

}  // namespace wayband::proppage
