// Builds a scene's NorvaleContainer in the headless host: a site of the container's type
// on the form, the container on it with its defaults, icons, caption and properties, and
// its placeholder controls placed on it.
#pragma once

#include <memory>

#include "container_scene.h"
#include "headless/headless_host.h"
#include "wayband/norvale_container.h"
#include "window_image.h"

namespace wayband::render_tool {

struct ContainerInstance {
  headless::HeadlessSite* site = nullptr;
  std::unique_ptr<NorvaleContainer> container;
};

// `name` names the container's site; its placeholders are recorded in `placeholders`.
// Throws SceneError when the container refuses a value.
ContainerInstance BuildContainer(headless::HeadlessHost& host, host::WindowHandle form,
                                 const std::string& name, const ContainerScene& scene,
                                 const SceneReader& reader, const Warn& warn,
                                 Placeholders& placeholders);

}  // namespace wayband::render_tool
