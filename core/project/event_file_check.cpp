#include "project/event_file_check.h"

#include <nlohmann/json.hpp>

namespace vignetta::project {

namespace {

bool isNonZeroId(const nlohmann::json &id)
{
    if (id.is_number())
        return id.get<double>() != 0.0;
    if (id.is_string())
        return !id.get_ref<const std::string &>().empty();
    if (id.is_boolean())
        return id.get<bool>();
    // Objects and arrays count as present, null as absent, the way a script test would.
    return id.is_object() || id.is_array();
}

} // namespace

EventFileVerdict checkEventFileText(std::string_view text)
{
    if (text.empty())
        return EventFileVerdict::Empty;
    // A byte-order mark is not part of the JSON text; files written by other tools may
    // still carry one.
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    const nlohmann::json value = nlohmann::json::parse(text, nullptr, false);
    if (value.is_discarded())
        return EventFileVerdict::NotJson;
    if (!value.is_array() || value.empty())
        return EventFileVerdict::NotBlockList;
    for (const auto &element : value) {
        if (!element.is_object())
            return EventFileVerdict::NotBlockList;
    }
    const auto &first = value.front();
    const auto id = first.find("blockId");
    if (id == first.end() || !isNonZeroId(*id))
        return EventFileVerdict::NotBlockList;
    return EventFileVerdict::Importable;
}

} // namespace vignetta::project
