// wayband-render: renders a scene file to PNG.
//
//   wayband-render [--state STATE.json] [--save-form FORM.json] SCENE.json OUTPUT.png
//
// Writes the control's window image to OUTPUT.png and, with --state, the control's
// inspection snapshot to STATE.json; with --save-form, the form file of the control after
// the scene (the scene's form with the control's entries as they are now). A scene with steps
// renders once before the steps and once after each: OUTPUT.png, OUTPUT-1.png, OUTPUT-2.png ...
// (and STATE-1.json ...).
//
// Exit codes: 0 rendered; 1 an output file could not be written; 2 the command line or
// the scene is wrong (the message names the file, the line and what is wrong). Missing
// icon and picture files are reported as warnings and the render goes on without them.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace wayband::render_tool {

inline constexpr int kExitRendered = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitBadInput = 2;

// Runs the tool with the arguments after the program name.
int RunRenderTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace wayband::render_tool
