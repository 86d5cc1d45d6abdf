#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace vignetta::project {

// A member path names nested members joined by "." ("startPosition.x", "list.0").
std::vector<std::string> splitMemberPath(const std::string &member);

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
// changes nothing when `object` is null, `member` is empty, or a step is a plain value (or an
// array addressed by a name that is not an index) that cannot hold members.
bool setObjectValue(nlohmann::ordered_json &object, const std::string &member,
                    const nlohmann::ordered_json &value);

} // namespace vignetta::project
