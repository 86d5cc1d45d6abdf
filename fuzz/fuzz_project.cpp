// Feeds arbitrary bytes to the project loader: the input is cut at each "\n;;\n" into the texts
// of the fourteen data files, in load order, and the plugin list's script (the fifteenth part).
// The loader must refuse what it cannot use with a message and never crash, hang or run away
// with memory; a loaded database must answer its queries, and member paths read from the
// input must be followed and written safely.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "project/database.h"
#include "project/member_path.h"
#include "project/plugin_list.h"

namespace {

std::vector<std::string> parts(std::string_view text)
{
    std::vector<std::string> out;
    for (;;) {
        const std::size_t cut = text.find("\n;;\n");
        out.emplace_back(text.substr(0, cut));
        if (cut == std::string_view::npos)
            return out;
        text.remove_prefix(cut + 4);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vignetta::project;
    const std::vector<std::string> texts =
        parts(std::string_view(reinterpret_cast<const char *>(data), size));

    // The tables: file n of the load order is part n (missing parts are missing files).
    std::size_t asked = 0;
    Database db;
    const bool loaded = db.load([&](const std::string &) -> std::optional<std::string> {
        const std::size_t n = asked++;
        if (n >= texts.size())
            return std::nullopt;
        return texts[n];
    });
    if (!loaded && (db.errorFileName().empty() || db.errorMessage().empty()))
        std::abort(); // a failed load names its file and says why
    if (loaded) {
        db.gameTitle();
        db.actorName(1);
        // The last part doubles as a member path into the system table.
        Json &system = db.mutableTable("system");
        getObjectValue(system, texts.back(), nullptr);
        setObjectValue(system, texts.back(), Json(1));
    }

    // The plugin list.
    std::string error;
    const auto plugins = parsePluginScript(texts.size() > 14 ? texts[14] : texts.back(), &error);
    if (!plugins && error.empty())
        std::abort();
    return 0;
}
