// The container's icon store, shaped as every holder of icons in the library: import a
// file under a key, remove one, clear all, and the store itself.
#include "container/container_core.h"

namespace wayband::container {

namespace {
const core::IconStore kNoIcons;
}  // namespace

imaging::CIconBytes ContainerCore::AddIconFromFile(const std::filesystem::path& path,
                                                   const std::string& key) {
  imaging::CIconBytes icon;
  if (!Alive()) return icon;
  const auto keepAlive = shared_from_this();
  // The import may show a message, during which the host may run anything.
  icon.ImportFile(path);
  if (!Alive()) return icon;
  icon.SetKey(key);
  if (!state_.Icons) state_.Icons.emplace();
  state_.Icons->Add(icon);
  state_.LastIconFile = path.string();
  NotifyAll();
  Paint();
  return icon;
}

void ContainerCore::RemoveIcon(std::string_view key) {
  if (!Alive() || !state_.Icons) return;
  state_.Icons->Remove(key);
  NotifyAll();
}

void ContainerCore::ClearIcons() {
  state_.Icons.emplace();
}

const core::IconStore& ContainerCore::Icons() const {
  return state_.Icons ? *state_.Icons : kNoIcons;
}

}  // namespace wayband::container
