#include "project/project_url.h"

namespace vignetta::project {

std::string projectFolderUrl(std::string_view fileUrl)
{
    const auto slash = fileUrl.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    return std::string(fileUrl.substr(0, slash + 1));
}

std::string urlFileName(std::string_view url)
{
    const auto slash = url.rfind('/');
    if (slash == std::string_view::npos)
        return std::string(url);
    return std::string(url.substr(slash + 1));
}

} // namespace vignetta::project
