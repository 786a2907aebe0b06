// The values of a form file's entries: each entry's value is an object with one member
// whose key names the kind ("boolean", "long", "font", "bytes" ...) and whose value holds
// it. These functions turn such objects into property values and back.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "core/form/json_tree.h"
#include "wayband/form_file.h"
#include "wayband/property_bag.h"

namespace wayband::core::form {

using OrderedJson = nlohmann::ordered_json;

struct DecodedValue {
  enum class Outcome {
    kValue,    // `value` holds it
    kForeign,  // a kind this version does not read: keep its text (`foreignText`) as it is
    kSkipped,  // damaged: `damage` and `problem` say how
  };
  Outcome outcome = Outcome::kSkipped;
  Variant value;
  std::string foreignText;
  FormDamage damage = FormDamage::kWrongType;
  std::string problem;
};

// Decodes an entry's value object (complete, as the reader checks first).
DecodedValue DecodeValue(const JsonNode& value);

// The value object of an entry, or nothing for values that have no stored form.
std::optional<OrderedJson> EncodeValue(const PropertyBag::Entry& entry);

// The JSON text of a node; of repeated keys only the first is kept, as the reader reads it.
std::string JsonText(const JsonNode& node);

}  // namespace wayband::core::form
