#include "proppage/icon_holder.h"

#include "container/container_access.h"
#include "core/core_access.h"
#include "core/icon_import.h"
#include "render/scheme/scheme_update.h"

namespace wayband::proppage {
namespace {

class BarIcons final : public IconHolder {
 public:
  explicit BarIcons(std::weak_ptr<core::ControlCore> core) : core_(std::move(core)) {}

  void AddIconFromFile(const std::string& path, const std::string& key) override {
    if (const auto core = core_.lock()) core::LoadIconImageFromFile(*core, path, key);
  }
  void RemoveIcon(std::string_view key) override {
    if (const auto core = core_.lock()) core::RemoveIcon(*core, key);
  }
  void ClearIcons() override {
    if (const auto core = core_.lock()) core::ClearIcons(*core);
  }
  const core::IconStore* Icons() const override {
    const auto core = core_.lock();
    return core && core->Alive() ? &core->State().Icons : nullptr;
  }
  render::SchemePalette GetSchemeColours() const override {
    const auto core = core_.lock();
    return core && core->Alive() ? core->State().Palette : DesktopSchemeColours();
  }

 private:
  std::weak_ptr<core::ControlCore> core_;
};

class ContainerIcons final : public IconHolder {
 public:
  explicit ContainerIcons(std::weak_ptr<container::ContainerCore> core) : core_(std::move(core)) {}

  void AddIconFromFile(const std::string& path, const std::string& key) override {
    if (const auto core = core_.lock()) core->AddIconFromFile(path, key);
  }
  void RemoveIcon(std::string_view key) override {
    if (const auto core = core_.lock()) core->RemoveIcon(key);
  }
  void ClearIcons() override {
    if (const auto core = core_.lock()) core->ClearIcons();
  }
  const core::IconStore* Icons() const override {
    const auto core = core_.lock();
    return core && core->Alive() ? &core->Icons() : nullptr;
  }
  render::SchemePalette GetSchemeColours() const override {
    const auto core = core_.lock();
    return core && core->Alive() ? core->GetSchemeColours() : DesktopSchemeColours();
  }

 private:
  std::weak_ptr<container::ContainerCore> core_;
};

class HolderIcons final : public IconHolder {
 public:
  explicit HolderIcons(std::weak_ptr<InternalAlphaImg> holder) : holder_(std::move(holder)) {}

  void AddIconFromFile(const std::string& path, const std::string& key) override {
    if (const auto holder = holder_.lock()) holder->AddIconFromFile(path, key);
  }
  void RemoveIcon(std::string_view key) override {
    if (const auto holder = holder_.lock()) holder->RemoveIcon(key);
  }
  void ClearIcons() override {
    if (const auto holder = holder_.lock()) holder->ClearIcons();
  }
  const core::IconStore* Icons() const override {
    const auto holder = holder_.lock();
    return holder ? &holder->Icons() : nullptr;
  }
  render::SchemePalette GetSchemeColours() const override {
    const auto holder = holder_.lock();
    return holder ? holder->GetSchemeColours() : DesktopSchemeColours();
  }

 private:
  std::weak_ptr<InternalAlphaImg> holder_;
};

}  // namespace

render::SchemePalette DesktopSchemeColours() {
  return render::BuildCurrentPalette(host::kNoWindow, /*styled=*/true);
}

std::unique_ptr<IconHolder> IconHolderFor(const DesignedControl& control) {
  if (Wayband* const* bar = std::get_if<Wayband*>(&control); bar && *bar)
    return std::make_unique<BarIcons>(core::CoreAccess::Shared(**bar));
  if (NorvaleContainer* const* box = std::get_if<NorvaleContainer*>(&control); box && *box)
    return std::make_unique<ContainerIcons>(container::ContainerAccess::Shared(**box));
  if (const auto* holder = std::get_if<std::shared_ptr<InternalAlphaImg>>(&control);
      holder && *holder)
    return std::make_unique<HolderIcons>(*holder);
  return nullptr;
}

}  // namespace wayband::proppage
