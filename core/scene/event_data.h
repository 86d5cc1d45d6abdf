#pragma once

#include <string>
#include <vector>

#include "json/js_json.h"

namespace vignetta::scene {

using Json = json::Json;

// The event data of a new block: every field of every kind with its default, in the order in
// which new blocks are built and files are written. `blockMode` 0 and `blockDelay` 60 here;
// the builders set the kind's own values.
const Json &defaultEventData();

// The top-level field names of defaultEventData(), in order. A field-by-field block copy
// carries exactly these.
const std::vector<std::string> &eventDataFieldNames();

} // namespace vignetta::scene
