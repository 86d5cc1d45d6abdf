#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace vignetta::project {

using Json = nlohmann::ordered_json;

// One table of the host game's database and the file in the project's "data" folder that holds it.
struct TableFile
{
    const char *member; // name under which the table is exposed ("actors", "system", ...)
    const char *file;   // file name inside "data/" ("Actors.json", ...)
};

// The fourteen tables, in the order in which they are loaded.
const std::array<TableFile, 14> &databaseTables();

// Returns the whole text of a file of the project's "data" folder, or nothing when it cannot
// be read. The loader asks for the files one by one, in table order.
using DataFileReader = std::function<std::optional<std::string>(const std::string &fileName)>;

// Whether a parsed data file counts as a failed load: the host never writes null, false, 0 or
// an empty string as a table, so such a value means a damaged or truncated file.
bool isFailedTableValue(const Json &value);

// The memory a data file's parsed value may take: sixteen times its text plus 16 MB. Tables
// hold long runs of small numbers (tile flags, parameter curves) and are never refused for
// their size in practice; a text of nothing but tiny values is.
std::size_t tableMemoryBudget(std::size_t textBytes);

// Parses one data file with the program's guarded reader (nesting and memory limits). Returns nothing when the text is empty or not JSON; `error` then
// receives a short description (empty text gives "empty file").
std::optional<Json> parseDataFile(const std::string &text, std::string *error = nullptr);

// The game database: every table exactly as parsed, with no schema imposed.
class Database
{
public:
    Database() = default;
    Database(const Database &) = default;
    Database &operator=(const Database &) = default;
    ~Database(); // takes the tables apart (json::dismantle) before they go

    // Empties every table and forgets the last failure.
    void clear();

    // Clears, then loads every table in order. Stops at the first file that cannot be read,
    // is not JSON or holds a failure value (see isFailedTableValue): returns false, names the
    // file in errorFileName() and leaves the tables read before it in place. On success takes
    // a backup copy of the whole database and returns true.
    bool load(const DataFileReader &read);

    const std::string &errorFileName() const { return errorFileName_; }
    // Describes the last failure for the log ("Troops.json: cannot be read", ...).
    const std::string &errorMessage() const { return errorMessage_; }

    // The table of that member name ("actors", ...); null when not loaded or unknown.
    const Json &table(const std::string &member) const;
    Json &mutableTable(const std::string &member);

    // All tables as one object keyed by member name.
    const Json &tables() const { return tables_; }
    // The copy taken after the last successful load; never used to restore.
    const Json &backup() const { return backup_; }

    // The system table's "gameTitle", or "" when absent or not a string.
    std::string gameTitle() const;

    // The "name" of actors[id]; "" for an id without an actor entry.
    std::string actorName(long long id) const;

private:
    Json tables_ = Json::object();
    Json backup_ = Json::object();
    std::string errorFileName_;
    std::string errorMessage_;
};

} // namespace vignetta::project
