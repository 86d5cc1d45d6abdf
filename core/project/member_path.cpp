#include "project/member_path.h"

#include <cctype>

namespace vignetta::project {

namespace {

using Json = nlohmann::ordered_json;

} // namespace

long long memberIndex(const std::string &name)
{
    if (name.empty() || name.size() > 9)
        return -1;
    long long n = 0;
    for (char c : name) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return -1;
        n = n * 10 + (c - '0');
    }
    // "01" is a member name in the scripts' world, not index 1.
    if (name.size() > 1 && name[0] == '0')
        return -1;
    return n;
}

namespace {

// The child of `node` under `name`, or nullptr when it has none.
const Json *child(const Json &node, const std::string &name)
{
    if (node.is_object()) {
        const auto it = node.find(name);
        return it == node.end() ? nullptr : &*it;
    }
    if (node.is_array()) {
        const long long i = memberIndex(name);
        return (i >= 0 && static_cast<size_t>(i) < node.size()) ? &node[static_cast<size_t>(i)]
                                                                : nullptr;
    }
    return nullptr;
}

// The slot of `node` under `name`, created as null when missing; nullptr when `node` cannot
// hold that name.
Json *slot(Json &node, const std::string &name)
{
    if (node.is_object())
        return &node[name];
    if (node.is_array()) {
        const long long i = memberIndex(name);
        if (i < 0 || (static_cast<size_t>(i) >= node.size() && i > maxGrownArrayIndex))
            return nullptr;
        if (static_cast<size_t>(i) >= node.size())
            node.get_ref<Json::array_t &>().resize(static_cast<size_t>(i) + 1);
        return &node[static_cast<size_t>(i)];
    }
    return nullptr;
}

} // namespace

std::vector<std::string> splitMemberPath(const std::string &member)
{
    std::vector<std::string> names;
    size_t pos = 0;
    while (true) {
        const size_t dot = member.find('.', pos);
        names.push_back(
            member.substr(pos, dot == std::string::npos ? std::string::npos : dot - pos));
        if (dot == std::string::npos)
            break;
        pos = dot + 1;
    }
    return names;
}

bool stepNeedsArray(const std::string &nextName)
{
    for (char c : nextName) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            return true;
    }
    return false;
}

Json getObjectValue(const Json &object, const std::string &member, const Json &defaultValue)
{
    if (object.is_null() || member.empty())
        return defaultValue;
    const Json *node = &object;
    for (const std::string &name : splitMemberPath(member)) {
        node = child(*node, name);
        if (!node)
            return defaultValue;
    }
    return *node;
}

bool setObjectValue(Json &object, const std::string &member, const Json &value)
{
    if (object.is_null() || member.empty())
        return false;
    const std::vector<std::string> names = splitMemberPath(member);

    // The write goes to a copy first, so that a refused path leaves no half-built steps behind.
    Json result = object;
    Json *node = &result;
    for (size_t i = 0; i + 1 < names.size(); ++i) {
        Json *next = slot(*node, names[i]);
        if (!next)
            return false;
        if (next->is_null())
            *next = stepNeedsArray(names[i + 1]) ? Json::array() : Json::object();
        else if (!next->is_structured())
            return false;
        node = next;
    }
    Json *target = slot(*node, names.back());
    if (!target || *target == value)
        return false;
    *target = value;
    object = std::move(result);
    return true;
}

} // namespace vignetta::project
