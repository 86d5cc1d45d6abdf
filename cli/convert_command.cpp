#include "cli_common.h"
#include "commands.h"

#include "scene/conversion.h"
#include "json/js_json.h"

namespace vignetta::cli {

int runConvert(const std::vector<std::string> &args)
{
    if (args.size() != 1)
        return usageError("convert takes exactly one scene file");
    const auto doc = loadDocument(args[0]);
    if (!doc)
        return exit_bad_input;
    printLine(json::stringify(scene::convertData2Event(*doc)));
    return exit_ok;
}

} // namespace vignetta::cli
