#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace vignetta::project {

// Extracts the JSON array from the host's "js/plugins.js" script. The host writes the array
// assigned to a variable, one plugin per line, after comment lines, closed by a line "];".
// The text is split at CR LF, CR or LF; a line that is exactly "];" becomes "]"; lines starting
// with "//" or "var" are dropped; the rest is joined without separators and parsed.
// Returns nothing when no text remains or it is not JSON (`error` then says why). The entries
// are not checked.
std::optional<nlohmann::ordered_json> parsePluginScript(const std::string &script,
                                                        std::string *error = nullptr);

} // namespace vignetta::project
