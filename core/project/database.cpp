#include "project/database.h"

#include "json/js_json.h"

namespace vignetta::project {

const std::array<TableFile, 14> &databaseTables()
{
    static const std::array<TableFile, 14> tables{{
        {"actors", "Actors.json"},
        {"classes", "Classes.json"},
        {"skills", "Skills.json"},
        {"items", "Items.json"},
        {"weapons", "Weapons.json"},
        {"armors", "Armors.json"},
        {"enemies", "Enemies.json"},
        {"troops", "Troops.json"},
        {"states", "States.json"},
        {"animations", "Animations.json"},
        {"tilesets", "Tilesets.json"},
        {"commonEvents", "CommonEvents.json"},
        {"system", "System.json"},
        {"mapInfos", "MapInfos.json"},
    }};
    return tables;
}

std::size_t tableMemoryBudget(std::size_t textBytes)
{
    constexpr std::size_t floor = 16u << 20;
    if (textBytes > (SIZE_MAX - floor) / 16)
        return SIZE_MAX;
    return 16 * textBytes + floor;
}

bool isFailedTableValue(const Json &value)
{
    if (value.is_null())
        return true;
    if (value.is_boolean())
        return !value.get<bool>();
    if (value.is_number())
        return value.get<double>() == 0.0;
    if (value.is_string())
        return value.get_ref<const std::string &>().empty();
    return false;
}

std::optional<Json> parseDataFile(const std::string &text, std::string *error)
{
    if (text.empty()) {
        if (error)
            *error = "empty file";
        return std::nullopt;
    }
    json::ParseLimits limits;
    limits.maxMemory = tableMemoryBudget(text.size());
    json::ParseResult parsed = json::parseJson(text, limits);
    if (!parsed) {
        if (error)
            *error = parsed.error;
        return std::nullopt;
    }
    return std::move(parsed.value);
}

Database::~Database()
{
    json::dismantle(tables_);
    json::dismantle(backup_);
}

void Database::clear()
{
    json::dismantle(tables_);
    tables_ = Json::object();
    errorFileName_.clear();
    errorMessage_.clear();
}

bool Database::load(const DataFileReader &read)
{
    clear();
    for (const TableFile &t : databaseTables()) {
        const std::optional<std::string> text = read ? read(t.file) : std::nullopt;
        std::string why;
        std::optional<Json> value;
        if (!text)
            why = "cannot be read";
        else
            value = parseDataFile(*text, &why);
        if (value && isFailedTableValue(*value)) {
            why = "holds no table (" + json::stringify(*value) + ")";
            value.reset();
        }
        if (!value) {
            errorFileName_ = t.file;
            errorMessage_ = std::string(t.file) + ": " + why;
            return false;
        }
        tables_[t.member] = std::move(*value);
    }
    json::dismantle(backup_);
    backup_ = tables_;
    return true;
}

const Json &Database::table(const std::string &member) const
{
    static const Json null;
    const auto it = tables_.find(member);
    return it == tables_.end() ? null : *it;
}

Json &Database::mutableTable(const std::string &member)
{
    return tables_[member];
}

std::string Database::gameTitle() const
{
    const Json &system = table("system");
    if (!system.is_object())
        return {};
    const auto it = system.find("gameTitle");
    return it != system.end() && it->is_string() ? it->get<std::string>() : std::string();
}

std::string Database::actorName(long long id) const
{
    const Json &actors = table("actors");
    if (!actors.is_array() || id < 0 || static_cast<unsigned long long>(id) >= actors.size())
        return {};
    const Json &actor = actors[static_cast<size_t>(id)];
    if (!actor.is_object())
        return {};
    const auto it = actor.find("name");
    return it != actor.end() && it->is_string() ? it->get<std::string>() : std::string();
}

} // namespace vignetta::project
