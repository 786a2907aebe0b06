#include "container_render.h"

#include "wayband/container_interface.h"

namespace wayband::render_tool {

ContainerInstance BuildContainer(headless::HeadlessHost& host, host::WindowHandle form,
                                 const std::string& name, const ContainerScene& scene,
                                 const SceneReader& reader, const Warn& warn,
                                 Placeholders& placeholders) {
  ContainerInstance instance;
  instance.site = host.AddSite(form, name, 0, 0, 0, 0, host::kContainerTypeName);
  instance.container = std::make_unique<NorvaleContainer>(*instance.site);
  NorvaleContainer& container = *instance.container;
  container.InitProperties();
  for (const IconScene& icon : scene.icons) {
    if (!std::filesystem::is_regular_file(icon.file) ||
        !container.AddIconFromFile(icon.file.string(), icon.key)) {
      warn(reader.Place(icon.pointer) + ": icon file " + icon.file.string() +
           " could not be imported; \"" + icon.key + "\" is drawn without it");
    }
  }
  container.SetCaption(scene.caption);
  for (const Assignment& assignment : scene.properties) {
    if (!PutProperty(container, assignment.name, assignment.value)) {
      reader.FailAt(assignment.pointer, "the container refused the value of " + assignment.name);
    }
  }
  for (size_t i = 0; i < scene.controls.size(); ++i) {
    headless::ControlSpec spec;
    spec.name = name + "Control" + std::to_string(i + 1);
    spec.width = spec.height = 0;
    const auto child = host.AddControl(container.hWnd(), spec);
    if (child) placeholders[child->hWnd()] = {scene.controls[i].label, scene.controls[i].color};
  }
  return instance;
}

}  // namespace wayband::render_tool
