#include "project/event_file_check.h"

#include "scene/scene_file.h"

namespace vignetta::project {

EventFileVerdict checkEventFileText(std::string_view text)
{
    if (text.empty())
        return EventFileVerdict::Empty;
    const scene::SceneReadResult read = scene::readSceneText(text);
    if (read.ok)
        return EventFileVerdict::Importable;
    // A refusal with a byte offset is one of the JSON reader's; any other is the blocks'.
    return read.hasPosition ? EventFileVerdict::NotJson : EventFileVerdict::NotBlockList;
}

} // namespace vignetta::project
