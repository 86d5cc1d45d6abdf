#include "text/names.h"

#include <cmath>

#include "project/database.h"

namespace vignetta::text {

namespace {

// A JSON number that is a whole, safely representable id.
bool wholeNumber(const project::Json &value, long long &out)
{
    if (value.is_number_integer()) {
        out = value.get<long long>();
        return true;
    }
    if (value.is_number_float()) {
        const double d = value.get<double>();
        if (std::isfinite(d) && std::trunc(d) == d && std::fabs(d) < 9.0e15) {
            out = static_cast<long long>(d);
            return true;
        }
    }
    return false;
}

} // namespace

std::string NameSource::actorName(long long id) const
{
    const auto it = actors.find(id);
    return it == actors.end() ? std::string() : it->second;
}

std::string NameSource::partyMemberName(long long n) const
{
    if (n < 1 || static_cast<unsigned long long>(n) > party.size())
        return {};
    return actorName(party[static_cast<std::size_t>(n - 1)]);
}

NameSource namesFromDatabase(const project::Database &database)
{
    NameSource names;
    const project::Json &actors = database.table("actors");
    if (actors.is_array()) {
        for (std::size_t id = 0; id < actors.size(); ++id) {
            const project::Json &actor = actors[id];
            if (!actor.is_object())
                continue;
            const auto name = actor.find("name");
            if (name != actor.end() && name->is_string())
                names.actors[static_cast<long long>(id)] = name->get<std::string>();
        }
    }
    const project::Json &system = database.table("system");
    if (system.is_object()) {
        const auto party = system.find("partyMembers");
        if (party != system.end() && party->is_array()) {
            for (const project::Json &member : *party) {
                long long id = 0;
                // A member that is not an actor id keeps its place but names nobody.
                names.party.push_back(wholeNumber(member, id) ? id : -1);
            }
        }
        const auto unit = system.find("currencyUnit");
        if (unit != system.end() && unit->is_string())
            names.currencyUnit = unit->get<std::string>();
    }
    return names;
}

} // namespace vignetta::text
