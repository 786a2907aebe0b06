#include "render_tool.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "page_scene.h"
#include "png_output.h"
#include "scene.h"
#include "scene_render.h"
#include "state_json.h"

namespace wayband::render_tool {

namespace {

constexpr std::string_view kUsage =
    "usage: wayband-render [--state STATE.json] [--save-form FORM.json] SCENE.json OUTPUT.png\n"
    "Renders the scene's control to OUTPUT.png (and one more PNG per step, OUTPUT-1.png ...);\n"
    "--state also writes the control's inspection snapshot as JSON, --save-form the form\n"
    "file of the control after the scene.\n";

struct Arguments {
  std::filesystem::path scene;
  std::filesystem::path output;
  std::optional<std::filesystem::path> state;
  std::optional<std::filesystem::path> saveForm;
};

// Nothing after printing the problem when the command line is wrong.
std::optional<Arguments> ParseArguments(std::span<const std::string_view> args, std::ostream& err) {
  Arguments parsed;
  std::vector<std::string_view> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--state" || args[i] == "--save-form") {
      if (i + 1 == args.size()) {
        err << "wayband-render: " << args[i] << " needs a file name\n" << kUsage;
        return std::nullopt;
      }
      (args[i] == "--state" ? parsed.state : parsed.saveForm) = std::string(args[i + 1]);
      ++i;
    } else if (args[i].starts_with("--")) {
      err << "wayband-render: unknown option " << args[i] << "\n" << kUsage;
      return std::nullopt;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) {
    err << kUsage;
    return std::nullopt;
  }
  parsed.scene = std::string(positional[0]);
  parsed.output = std::string(positional[1]);
  return parsed;
}

// OUTPUT.png for the scene itself, OUTPUT-N.png after step N.
std::filesystem::path Numbered(const std::filesystem::path& path, size_t step) {
  if (step == 0) return path;
  std::filesystem::path numbered = path;
  numbered.replace_filename(path.stem().string() + "-" + std::to_string(step) +
                            path.extension().string());
  return numbered;
}

// Writes the state file of `step` (0: before any step) and says so.
bool WriteStateFile(const nlohmann::ordered_json& json, const std::filesystem::path& base,
                    size_t step, std::ostream& out, std::ostream& err) {
  const std::filesystem::path path = Numbered(base, step);
  std::ofstream file(path);
  file << json.dump(2) << "\n";
  file.close();
  if (!file) {
    err << "wayband-render: cannot write " << path.string() << "\n";
    return false;
  }
  out << "wrote " << path.string() << "\n";
  return true;
}

// Writes the image of `step` (0: before any step) as OUTPUT.png or OUTPUT-N.png.
bool WriteImage(const imaging::CDib32& image, const std::filesystem::path& output, size_t step,
                std::ostream& out, std::ostream& err) {
  const std::filesystem::path png = Numbered(output, step);
  std::string error;
  if (!WritePng(image, png, &error)) {
    err << "wayband-render: " << error << "\n";
    return false;
  }
  out << "wrote " << png.string() << " (" << image.Width() << "x" << image.Height() << ")\n";
  return true;
}

// Writes the render after `step` (0: before any step), and its state when asked.
bool WriteOutputs(SceneRenderer& renderer, const Arguments& args, size_t step, std::ostream& out,
                  std::ostream& err) {
  if (!WriteImage(renderer.Render(), args.output, step, out, err)) return false;
  if (!args.state) return true;
  nlohmann::ordered_json json = InspectionToJson(renderer.Inspect());
  json["events"] = renderer.TakeEvents();
  return WriteStateFile(json, *args.state, step, out, err);
}

// An icon-page scene: the page before its actions and after each.
int RenderPageScene(const PageScene& scene, const Arguments& args, std::ostream& out,
                    std::ostream& err) {
  if (args.saveForm) err << "wayband-render: --save-form is not used by icon-page scenes\n";
  PageRenderer renderer(scene);
  for (size_t step = 0; step <= scene.actions.size(); ++step) {
    if (step > 0) renderer.Apply(scene.actions[step - 1]);
    if (!WriteImage(renderer.Render(), args.output, step, out, err)) return kExitOutputFailed;
    if (args.state && !WriteStateFile(renderer.State(), *args.state, step, out, err))
      return kExitOutputFailed;
  }
  return kExitRendered;
}

}  // namespace

int RunRenderTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage;
    return kExitRendered;
  }
  const auto parsed = ParseArguments(args, err);
  if (!parsed) return kExitBadInput;
  const Warn warn = [&err](const std::string& message) { err << message << "\n"; };
  try {
    const LocatedJson document = LoadSceneDocument(parsed->scene);
    const SceneReader reader(document, parsed->scene.string());
    if (IsPageScene(reader))
      return RenderPageScene(ReadPageScene(reader, parsed->scene.parent_path()), *parsed, out, err);
    const Scene scene = ReadScene(reader, parsed->scene.parent_path(), warn);
    SceneRenderer renderer(scene, reader, warn);
    if (!WriteOutputs(renderer, *parsed, 0, out, err)) return kExitOutputFailed;
    for (size_t i = 0; i < scene.steps.size(); ++i) {
      renderer.Apply(scene.steps[i]);
      if (!WriteOutputs(renderer, *parsed, i + 1, out, err)) return kExitOutputFailed;
    }
    if (parsed->saveForm) {
      std::string error;
      if (!WriteFormFile(*parsed->saveForm, renderer.SavedForm(), &error)) {
        err << "wayband-render: " << error << "\n";
        return kExitOutputFailed;
      }
      out << "wrote " << parsed->saveForm->string() << "\n";
    }
  } catch (const SceneError& error) {
    err << error.what() << "\n";
    return kExitBadInput;
  }
  return kExitRendered;
}

}  // namespace wayband::render_tool
