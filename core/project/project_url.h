#pragma once

#include <string>
#include <string_view>

namespace vignetta::project {

// The folder of a project file URL: everything up to and including its last "/", so the
// result always ends in "/" (empty when the URL has no "/" at all). Every project-relative
// location is this string followed by a relative path.
std::string projectFolderUrl(std::string_view fileUrl);

// The part of a URL after its last "/": the file name shown in messages.
std::string urlFileName(std::string_view url);

} // namespace vignetta::project
