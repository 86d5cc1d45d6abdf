#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace vignetta::project {
class Database;
}

namespace vignetta::text {

// What message text takes from the game database: actor names, the starting party and the
// currency unit. A plain copy, so that the text engine does not depend on where the database
// lives or when it is reloaded.
struct NameSource
{
    // Actor names by id; ids without an actor are absent.
    std::unordered_map<long long, std::string> actors;
    // Actor ids of the starting party, in order (party member n is entry n - 1).
    std::vector<long long> party;
    std::string currencyUnit;

    // The name of actor `id`; "" for an id without an actor.
    std::string actorName(long long id) const;
    // The name of party member n (1-based); "" when there is no such member or actor.
    std::string partyMemberName(long long n) const;
};

// Reads the names from a loaded database: "name" of every actor object, "partyMembers" and
// "currencyUnit" of the system table. Entries of the wrong type are left out.
NameSource namesFromDatabase(const project::Database &database);

} // namespace vignetta::text
