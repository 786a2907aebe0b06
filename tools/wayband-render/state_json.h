// The control's inspection snapshot as JSON, fields under their own names; what
// `--state FILE.json` writes next to the PNG.
#pragma once

#include <nlohmann/json.hpp>

#include "wayband/inspection.h"

namespace wayband::render_tool {

nlohmann::ordered_json InspectionToJson(const WaybandInspection& inspection);

}  // namespace wayband::render_tool
