#include "image_cache_registry.h"

#include <map>

namespace vignetta::app {

namespace {

std::map<QString, std::function<void()>> &clearers()
{
    static std::map<QString, std::function<void()>> table;
    return table;
}

} // namespace

void setImageCacheClearer(const QString &key, std::function<void()> clearer)
{
    if (clearer)
        clearers()[key] = std::move(clearer);
    else
        clearers().erase(key);
}

void clearImageCaches()
{
    for (const auto &entry : clearers())
        entry.second();
}

} // namespace vignetta::app
