#include "core/icon_import.h"

#include <filesystem>
#include <memory>
#include <utility>

#include "wayband/wayband_control.h"

namespace wayband::core {
namespace {

// Characters of UTF-8 text: bytes that do not continue a sequence.
size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (const char c : text)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void NotifyAllChanged(ControlCore& core) {
  if (host::ControlSite* site = core.Site()) site->AllPropertiesChanged();
}

}  // namespace

bool LoadIconImageFromFile(ControlCore& core, const std::string& file, const std::string& key) {
  if (!core.Alive()) return false;
  if (CharacterCount(file) < kMinIconPathChars || key.empty() || IsDigit(key.front())) return false;
  if (core.State().Icons.Contains(key)) return false;

  imaging::CIconBytes icon;
  // The import may show a message, during which the host may run anything.
  icon.ImportFile(std::filesystem::path(file));
  if (!core.Alive()) return false;
  icon.SetKey(key);
  ControlState& state = core.MutableState();
  const bool added = state.Icons.Add(std::move(icon));
  state.LastIconFile = file;
  NotifyAllChanged(core);
  return added && state.Icons.Contains(key);
}

void RemoveIcon(ControlCore& core, std::string_view key) {
  if (!core.Alive()) return;
  core.MutableState().Icons.Remove(key);
  NotifyAllChanged(core);
}

void ClearIcons(ControlCore& core) {
  if (!core.Alive()) return;
  core.MutableState().Icons = IconStore{};
  NotifyAllChanged(core);
}

IconStore& IconStoreOf(ControlCore& core) {
  return core.MutableState().Icons;
}

}  // namespace wayband::core

namespace wayband {

bool Wayband::LoadIconImageFromFile(const std::string& sFile, const std::string& sKey) {
  // Held for the call: a host handler may destroy the control while a message shows.
  const std::shared_ptr<core::ControlCore> core = core_;
  return core::LoadIconImageFromFile(*core, sFile, sKey);
}

}  // namespace wayband
