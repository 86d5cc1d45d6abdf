#include "project/event_file_check.h"

#include "json/js_json.h"

namespace vignetta::project {

namespace {

bool isNonZeroId(const json::Json &id)
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
    // The reader skips a byte-order mark: files written by other tools may carry one.
    const json::ParseResult parsed = json::parseJson(text);
    if (!parsed)
        return EventFileVerdict::NotJson;
    const json::Json &value = parsed.value;
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
