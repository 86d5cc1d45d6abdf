#pragma once

#include <QString>

namespace vignetta::audio {

// The local folder of a project folder URL ("file:///games/Quest/" gives "/games/Quest"; a
// plain absolute path is taken as it is). Empty for anything that is not on the local disk.
QString localProjectFolder(const QString &folderUrl);

// Whether the page may be asked for the sound `name` of `channel` ("bgm", "bgs", "me", "se")
// in the project folder: the file "<folder>/audio/<channel>/<name>.ogg" must lie directly in
// that channel folder once every symbolic link on the way is resolved. A name with a path
// separator or a NUL character, or with no project folder, is refused; an empty name (which
// only stops the channel) is allowed, and so is a name whose file does not exist (the page
// finds nothing there and stays silent).
bool soundNameAllowed(const QString &projectFolder, const QString &channel, const QString &name);

} // namespace vignetta::audio
