// ContainerCore: the NorvaleContainer itself, behind the thin public class. It keeps the
// container's state, implements its properties, painting, the arrangement of its
// contained controls, the colour refresh the bar control asks for, its icon store and its
// persistence. The public class holds it by shared pointer and every call holds it for
// its duration, so host code that destroys the container during a call leaves it safe.
//
// Files: container_core.cpp (lifecycle, properties), container_paint.cpp (painting),
// container_layout.cpp (resize handling, RefreshColours), container_icons.cpp (the icon
// store), container_persistence.cpp (save and load), container_dispatch.cpp (the interface
// description), container_inspection.cpp (Inspect).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "container/container_state.h"
#include "core/container_registry.h"
#include "imaging/icon_bytes.h"
#include "platform/host/control_site.h"
#include "wayband/container_inspection.h"
#include "wayband/property_bag.h"
#include "wayband/std_font.h"

namespace wayband::container {

class ContainerCore final : public host::ControlCallbacks,
                            public core::ContainerColours,
                            public std::enable_shared_from_this<ContainerCore> {
 public:
  explicit ContainerCore(host::ControlSite& site);
  ~ContainerCore() override;
  ContainerCore(const ContainerCore&) = delete;
  ContainerCore& operator=(const ContainerCore&) = delete;

  // --- Lifecycle (container_core.cpp) --------------------------------------------------
  // Start-up of every instance: the platform's flags, the display depth, the icon size
  // and a copy of the ambient font. Registers the callbacks and the colour refresh.
  void Create();
  void InitProperties();
  void Destroy();
  bool Alive() const { return site_ != nullptr; }

  // --- Properties (container_core.cpp) -------------------------------------------------
  // Stores a field, tells the host that `name` changed and paints.
  template <typename T>
  void StoreNotifyPaint(T ContainerState::*field, T value, const char* name) {
    if (!Alive()) return;
    state_.*field = std::move(value);
    Notify(name);
    Paint();
  }
  // Gives the host a property it keeps for the container (Enabled, ForeColor, BackColor),
  // tells it that `name` changed and paints.
  template <typename T>
  void SetHostKept(void (host::ControlSite::*setter)(T), T value, const char* name) {
    if (!Alive()) return;
    (site_->*setter)(value);
    Notify(name);
    Paint();
  }
  void SetIconSize(int32_t sizeIndex);
  void SetFont(const std::shared_ptr<StdFont>& font);
  void SetCaption(const std::string& caption);
  void SetAutoSizeControls(bool autoSize);
  void SetTopMargin(int32_t pixels);

  // --- Painting and layout (container_paint.cpp, container_layout.cpp) -----------------
  void Paint();
  void Resize() override;
  void Show() override { Paint(); }
  // core::ContainerColours
  void RefreshColours() override;
  const host::WindowSystem* ContainerWindows() const override;
  host::WindowHandle ContainerWindow() const override;

  // --- The icon store (container_icons.cpp) --------------------------------------------
  // Imports the file into a new icon under `key` and adds it unless the key is stored
  // already; remembers the path, tells the host that every property changed, paints and
  // returns the new icon (also when it was not added).
  imaging::CIconBytes AddIconFromFile(const std::filesystem::path& path, const std::string& key);
  // Removes the icon under `key` (nothing when absent) and tells the host.
  void RemoveIcon(std::string_view key);
  // Replaces the store by an empty one.
  void ClearIcons();
  // The store itself; an empty one while the container has none.
  const core::IconStore& Icons() const;
  bool HasIcons() const { return state_.Icons.has_value(); }
  const std::string& LastIconFile() const { return state_.LastIconFile; }
  // The 44 scheme colours as a container in this window sees them (styled flag set).
  render::SchemePalette GetSchemeColours() const;

  // --- Persistence (container_persistence.cpp) -----------------------------------------
  void WriteProperties(PropertyBag& bag) const;
  void ReadProperties(const PropertyBag& bag);

  // --- Inspection (container_inspection.cpp) --------------------------------------------
  ContainerInspection Inspect() const;

  // --- Access ----------------------------------------------------------------------------
  const ContainerState& State() const { return state_; }
  host::ControlSite* Site() const { return site_; }

 private:
  void Notify(const char* name);
  void NotifyAll();
  // The client area of the container's window, pixels.
  platform::Size ClientPixels() const;
  // The icon the caption bar shows: IconKey's, else the first stored one; null for none.
  const imaging::CIconBytes* ShownIcon() const;
  void ShowContainedControls();
  void ArrangeContainedControls();

  host::ControlSite* site_;
  ContainerState state_;
};

}  // namespace wayband::container
