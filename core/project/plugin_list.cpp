#include "project/plugin_list.h"

#include "project/database.h"
#include "json/js_json.h"

namespace vignetta::project {

namespace {

bool startsWith(const std::string &s, const char *prefix)
{
    return s.rfind(prefix, 0) == 0;
}

} // namespace

std::optional<nlohmann::ordered_json> parsePluginScript(const std::string &script,
                                                        std::string *error)
{
    std::string joined;
    // A byte-order mark would hide the "//" of the first comment line.
    size_t pos = script.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (pos <= script.size()) {
        size_t end = script.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = script.size();
        std::string line = script.substr(pos, end - pos);
        if (line == "];")
            line = "]";
        if (!startsWith(line, "//") && !startsWith(line, "var"))
            joined += line;
        if (end == script.size())
            break;
        // A CR LF pair ends one line, not two.
        pos = end +
              ((script[end] == '\r' && end + 1 < script.size() && script[end + 1] == '\n') ? 2 : 1);
    }
    if (joined.empty()) {
        if (error)
            *error = "no plugin list found";
        return std::nullopt;
    }
    json::ParseLimits limits;
    limits.maxMemory = tableMemoryBudget(joined.size());
    json::ParseResult parsed = json::parseJson(joined, limits);
    if (!parsed) {
        if (error)
            *error = parsed.error;
        return std::nullopt;
    }
    return std::move(parsed.value);
}

} // namespace vignetta::project
