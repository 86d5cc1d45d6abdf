#include "preview/message_lines.h"

#include <vector>

namespace vignetta::preview {

std::string getMessageLines(const std::string &text, int index)
{
    std::vector<std::string> lines;
    std::string::size_type from = 0;
    while (true) {
        const auto end = text.find('\n', from);
        lines.push_back(
            text.substr(from, end == std::string::npos ? std::string::npos : end - from));
        if (end == std::string::npos)
            break;
        from = end + 1;
    }
    const long long start = (static_cast<long long>(index) / 4) * 4;
    std::string page;
    for (long long i = start; i < start + 4; ++i) {
        if (i >= 0 && i < static_cast<long long>(lines.size()))
            page += lines[static_cast<std::size_t>(i)] + "\n";
    }
    return page;
}

} // namespace vignetta::preview
