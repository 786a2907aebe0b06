#include "container_scene.h"

#include "wayband/container_interface.h"

namespace wayband::render_tool {

ContainerScene ReadContainerScene(const ValueContext& values, const Field& field) {
  const SceneReader& r = values.reader;
  r.ExpectObject(field, "container");
  r.ExpectOnlyKeys(field, {"caption", "icons", "properties", "controls"}, "a container");
  ContainerScene container;
  if (auto caption = r.Member(field, "caption"))
    container.caption = r.String(*caption, "the container caption");
  if (auto icons = r.Member(field, "icons")) container.icons = ReadIcons(values, *icons);
  if (auto properties = r.Member(field, "properties")) {
    container.properties = ReadAssignments(values, *properties, NorvaleContainerInterface());
  }
  if (auto controls = r.Member(field, "controls")) {
    r.ExpectArray(*controls, "controls");
    for (size_t i = 0; i < controls->value.size(); ++i) {
      const std::string label = "Control" + std::to_string(i + 1);
      container.controls.push_back(ReadPlaceholder(r, r.Element(*controls, i), label));
    }
  }
  return container;
}

}  // namespace wayband::render_tool
