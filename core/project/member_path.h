#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace vignetta::project {

// A member path names nested members joined by "." ("startPosition.x", "list.0").
std::vector<std::string> splitMemberPath(const std::string &member);

// A decimal array index ("0", "12"; not "01", at most nine digits), or -1 for any other name.
long long memberIndex(const std::string &name);

// Highest index at which a write may create an array entry. A write within an array's present
// length is always allowed; beyond it the array grows only up to this index, so that a path such
// as "switches.999999999" cannot make it a billion entries long.
constexpr long long maxGrownArrayIndex = 65535;

// When a missing step of a path is created, it becomes an array if the name of the step after
// it contains a decimal digit ("list" in "list.0"), otherwise an object.
bool stepNeedsArray(const std::string &nextName);

// Follows `member` from `object` and returns the value found, or `defaultValue` when `object`
// is null, `member` is empty or any step is missing. A present null, 0, false or "" is
// returned as it is. Array steps take decimal indices.
nlohmann::ordered_json getObjectValue(const nlohmann::ordered_json &object,
                                      const std::string &member,
                                      const nlohmann::ordered_json &defaultValue);

// Follows `member` from `object`, creating missing (or null) intermediate steps, and stores
// `value` under the last name. Returns whether the stored value changed. Returns false and
// changes nothing when `object` is null, `member` is empty, a step is a plain value (or an
// array addressed by a name that is not an index) that cannot hold members, or an index would
// grow an array past maxGrownArrayIndex.
bool setObjectValue(nlohmann::ordered_json &object, const std::string &member,
                    const nlohmann::ordered_json &value);

} // namespace vignetta::project
