// wayband-render: renders a scene file to PNG (see render_tool.h).
#include <iostream>
#include <string_view>
#include <vector>

#include "render_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return wayband::render_tool::RunRenderTool(args, std::cout, std::cerr);
}
