#include "cli_common.h"
#include "commands.h"

#include "scene/conversion.h"

namespace vignetta::cli {

int runConvert(const std::vector<std::string> &args)
{
    if (args.size() != 1)
        return usageError("convert takes exactly one scene file");
    if (standardOutputIsAnInput(args))
        return exit_bad_usage;
    const auto doc = loadDocument(args[0]);
    if (!doc)
        return exit_bad_input;
    const scene::ConversionResult converted =
        scene::convertScene(*doc, scene::ConversionOutput::text);
    if (!converted) {
        printError(args[0] + ": " + converted.error + "; it cannot be converted");
        return exit_bad_input;
    }
    return printLine(converted.text) ? exit_ok : exit_bad_input;
}

} // namespace vignetta::cli
