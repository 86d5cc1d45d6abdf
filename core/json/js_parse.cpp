// The program's one JSON reader. Text is first measured in a single pass that builds nothing:
// how deep it nests, how much memory its value will occupy and how many elements each larger
// array or object holds. Text that nests too deep or would take too much memory is refused
// there. Otherwise the value is built through the library's event interface with every larger
// container reserved at its final size, so the memory used is the memory measured.

#include "json/js_json.h"
#include "json/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

namespace vignetta::json {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Containers of at least this many elements are reserved at their size; smaller ones grow by
// doubling, which costs little at that size.
constexpr std::uint32_t kReserveFrom = 8;
// Objects up to this many keys find a duplicate key by looking; larger ones sort their keys once
// when they are complete.
constexpr std::size_t kLinearKeys = 16;

// Memory of one heap block as the allocator hands it out (a header, 16-byte steps).
std::size_t heapBlock(std::size_t bytes)
{
    return (bytes + 8 + 15) / 16 * 16;
}

// A string's heap use beyond its slot: the string object, and its characters when they do not
// fit the object itself.
std::size_t stringBytes(std::size_t length)
{
    return length > 15 ? heapBlock(length + 1) : 0;
}

std::size_t capacityFor(std::uint32_t count)
{
    if (count >= kReserveFrom || count == 0)
        return count;
    std::size_t capacity = 1;
    while (capacity < count)
        capacity *= 2;
    return capacity;
}

constexpr std::size_t kSlot = sizeof(Json);
constexpr std::size_t kMember = sizeof(Json::object_t::value_type);

struct Shape
{
    std::size_t tooDeepAt = npos;
    std::size_t memory = 0;
    // (opening order, element count) of every container with at least kReserveFrom elements.
    std::vector<std::pair<std::size_t, std::uint32_t>> large;
};

struct OpenContainer
{
    bool object = false;
    bool expectKey = false;
    std::size_t ordinal = 0;
    std::uint32_t count = 0;
};

// Walks the text once without building anything. Invalid text gives a partial measure; the
// parser then reports the real error.
Shape measure(std::string_view text, int maxDepth, bool keepLarge)
{
    Shape shape;
    std::vector<OpenContainer> open;
    std::size_t opened = 0;
    bool inLiteral = false;
    auto valueStarts = [&open] {
        if (!open.empty() && open.back().count < UINT32_MAX)
            ++open.back().count;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            inLiteral = false;
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != '"')
                end += text[end] == '\\' ? 2 : 1;
            const std::size_t length = std::min(end, text.size()) - i - 1;
            if (!open.empty() && open.back().object && open.back().expectKey) {
                shape.memory += stringBytes(length); // the key lives in its member
            } else {
                valueStarts();
                shape.memory += heapBlock(sizeof(std::string)) + stringBytes(length);
            }
            i = end;
            continue;
        }
        switch (c) {
        case '[':
        case '{':
            inLiteral = false;
            if (static_cast<int>(open.size()) >= maxDepth) {
                shape.tooDeepAt = i;
                return shape;
            }
            valueStarts();
            open.push_back({c == '{', c == '{', opened++, 0});
            break;
        case ']':
        case '}': {
            inLiteral = false;
            if (open.empty())
                break;
            const OpenContainer closing = open.back();
            open.pop_back();
            const std::size_t capacity = capacityFor(closing.count);
            shape.memory += heapBlock(sizeof(std::vector<Json>));
            if (capacity > 0)
                shape.memory += heapBlock(capacity * (closing.object ? kMember : kSlot));
            if (keepLarge && closing.count >= kReserveFrom)
                shape.large.emplace_back(closing.ordinal, closing.count);
            break;
        }
        case ',':
            inLiteral = false;
            if (!open.empty() && open.back().object)
                open.back().expectKey = true;
            break;
        case ':':
            inLiteral = false;
            if (!open.empty())
                open.back().expectKey = false;
            break;
        case ' ':
        case '\t':
        case '\n':
        case '\r':
            inLiteral = false;
            break;
        default: // a number or a literal
            if (!inLiteral)
                valueStarts();
            inLiteral = true;
            break;
        }
    }
    // Containers are listed as they close; the builder needs them as they open.
    std::sort(shape.large.begin(), shape.large.end());
    return shape;
}

// The library's message without its "[json.exception...] " prefix, and with any byte that is
// not printable UTF-8 (the message quotes the offending input) shown as '?'.
std::string cleanMessage(const char *what)
{
    std::string msg(what);
    if (!msg.empty() && msg[0] == '[') {
        const auto close = msg.find("] ");
        if (close != std::string::npos)
            msg.erase(0, close + 2);
    }
    std::string clean;
    for (std::size_t i = 0; i < msg.size();) {
        const auto c = static_cast<unsigned char>(msg[i]);
        const std::size_t len = utf8SequenceLength(msg, i);
        if (len == 0 || c < 0x20 || c == 0x7F) {
            clean += '?';
            ++i;
        } else {
            clean.append(msg, i, len);
            i += len;
        }
    }
    return clean;
}

// Builds the value from the parser's events, as the library's own builder does, but with the
// measured containers reserved and duplicate keys of large objects resolved in one sort.
class Builder
{
public:
    using string_t = Json::string_t;

    Builder(Json &root, const std::vector<std::pair<std::size_t, std::uint32_t>> &large)
        : root_(root), large_(large)
    {
    }

    bool null() { return put(nullptr); }
    bool boolean(bool value) { return put(value); }
    bool number_integer(Json::number_integer_t value) { return put(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return put(value); }
    bool number_float(Json::number_float_t value, const string_t &) { return put(value); }
    bool string(string_t &value) { return put(std::move(value)); }
    bool binary(Json::binary_t &) { return put(nullptr); } // text JSON has none

    bool start_object(std::size_t)
    {
        Json *object = place(Json::value_t::object);
        if (const std::uint32_t n = reservedCount())
            object->get_ref<Json::object_t &>().reserve(n);
        stack_.push_back(object);
        return true;
    }

    bool key(string_t &name)
    {
        auto &members = stack_.back()->get_ref<Json::object_t &>();
        if (members.size() < kLinearKeys) {
            for (auto &member : members) {
                if (member.first == name) {
                    slot_ = &member.second;
                    return true;
                }
            }
        }
        members.emplace_back(std::move(name), nullptr);
        slot_ = &members.back().second;
        return true;
    }

    bool end_object()
    {
        auto &members = stack_.back()->get_ref<Json::object_t &>();
        if (members.size() > kLinearKeys)
            mergeDuplicateKeys(members);
        stack_.pop_back();
        return true;
    }

    bool start_array(std::size_t)
    {
        Json *array = place(Json::value_t::array);
        if (const std::uint32_t n = reservedCount())
            array->get_ref<Json::array_t &>().reserve(n);
        stack_.push_back(array);
        return true;
    }

    bool end_array()
    {
        stack_.pop_back();
        return true;
    }

    template <class Exception>
    bool parse_error(std::size_t position, const std::string &token, const Exception &error)
    {
        errorPosition_ = position;
        errorToken_ = token;
        errorMessage_ = cleanMessage(error.what());
        errorIsSyntax_ = error.id >= 101 && error.id < 200;
        return false;
    }

    std::size_t errorPosition() const { return errorPosition_; }
    const std::string &errorToken() const { return errorToken_; }
    const std::string &errorMessage() const { return errorMessage_; }
    bool errorIsSyntax() const { return errorIsSyntax_; }

private:
    template <class Value> bool put(Value &&value)
    {
        place(std::forward<Value>(value));
        return true;
    }

    template <class Value> Json *place(Value &&value)
    {
        if (stack_.empty()) {
            root_ = Json(std::forward<Value>(value));
            return &root_;
        }
        Json &top = *stack_.back();
        if (top.is_array()) {
            auto &items = top.get_ref<Json::array_t &>();
            items.emplace_back(std::forward<Value>(value));
            return &items.back();
        }
        *slot_ = Json(std::forward<Value>(value));
        return slot_;
    }

    // The measured size of the container opening now, or 0 when it is small.
    std::uint32_t reservedCount()
    {
        const std::size_t ordinal = opened_++;
        while (nextLarge_ < large_.size() && large_[nextLarge_].first < ordinal)
            ++nextLarge_;
        if (nextLarge_ < large_.size() && large_[nextLarge_].first == ordinal)
            return large_[nextLarge_].second;
        return 0;
    }

    // A key given twice keeps its first position and its last value.
    static void mergeDuplicateKeys(Json::object_t &object)
    {
        // By position: the object type's own operator[] takes keys.
        using MemberList =
            std::vector<Json::object_t::value_type, Json::object_t::allocator_type>;
        MemberList &members = object;
        std::vector<std::uint32_t> order(members.size());
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(), [&members](std::uint32_t a, std::uint32_t b) {
            return members[a].first < members[b].first;
        });
        std::vector<bool> dropped(members.size(), false);
        bool any = false;
        for (std::size_t i = 0; i < order.size();) {
            std::size_t j = i + 1;
            while (j < order.size() && members[order[j]].first == members[order[i]].first)
                ++j;
            if (j - i > 1) {
                any = true;
                members[order[i]].second = std::move(members[order[j - 1]].second);
                for (std::size_t k = i + 1; k < j; ++k)
                    dropped[order[k]] = true;
            }
            i = j;
        }
        if (!any)
            return;
        Json::object_t kept;
        kept.reserve(members.size());
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (!dropped[i])
                kept.emplace_back(members[i].first, std::move(members[i].second));
        }
        object = std::move(kept);
    }

    Json &root_;
    const std::vector<std::pair<std::size_t, std::uint32_t>> &large_;
    std::size_t nextLarge_ = 0;
    std::size_t opened_ = 0;
    std::vector<Json *> stack_;
    Json *slot_ = nullptr;
    std::size_t errorPosition_ = 0;
    std::string errorToken_;
    std::string errorMessage_;
    bool errorIsSyntax_ = true;
};

std::string_view withoutByteOrderMark(std::string_view text)
{
    if (text.size() >= 3 && std::memcmp(text.data(), "\xEF\xBB\xBF", 3) == 0)
        text.remove_prefix(3);
    return text;
}

std::string megabytes(std::size_t bytes)
{
    return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}

} // namespace

std::size_t defaultMemoryBudget(std::size_t textBytes)
{
    constexpr std::size_t floor = 4u << 20;
    if (textBytes > (SIZE_MAX - floor) / 8)
        return SIZE_MAX;
    return 8 * textBytes + floor;
}

std::size_t parsedMemory(std::string_view text)
{
    return measure(withoutByteOrderMark(text), kMaxNestingDepth, false).memory;
}

ParseResult parseJson(std::string_view text, const ParseLimits &limits)
{
    ParseResult result;
    result.value = nullptr;
    text = withoutByteOrderMark(text);
    const std::size_t budget =
        limits.maxMemory > 0 ? limits.maxMemory : defaultMemoryBudget(text.size());
    try {
        const Shape shape = measure(text, limits.maxDepth, true);
        if (shape.tooDeepAt != npos) {
            result.position = shape.tooDeepAt;
            result.error = "nesting deeper than " + std::to_string(limits.maxDepth) +
                           " levels at byte " + std::to_string(shape.tooDeepAt);
            return result;
        }
        if (shape.memory > budget) {
            result.error = "the text holds too many values to read (they would take about " +
                           megabytes(shape.memory) + " of memory, more than the " +
                           megabytes(budget) + " allowed for " + std::to_string(text.size()) +
                           " bytes of text)";
            return result;
        }
        Json value;
        const DismantleOnExit partial(value); // what was built when the text turned out bad
        Builder builder(value, shape.large);
        if (Json::sax_parse(text.begin(), text.end(), &builder)) {
            result.value = std::move(value);
            result.ok = true;
            return result;
        }
        result.error = builder.errorMessage();
        if (builder.errorIsSyntax()) {
            result.position = builder.errorPosition() > 0 ? builder.errorPosition() - 1 : 0;
        } else {
            // A number too large for a double: the position is the end of its text.
            const std::size_t length = builder.errorToken().size();
            result.position = builder.errorPosition() >= length ? builder.errorPosition() - length
                                                                : 0;
            result.error += " at byte " + std::to_string(result.position);
        }
    } catch (const std::bad_alloc &) {
        result.error = "not enough memory to read the text";
    } catch (const Json::exception &e) {
        result.error = cleanMessage(e.what());
    }
    return result;
}

} // namespace vignetta::json
