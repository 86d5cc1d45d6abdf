#pragma once

#include <QString>

#include <functional>

namespace vignetta::app {

// Image loaders register here how their decoded-image tables are emptied; KivraAPI's
// clearImageCache() empties them all. A loader registers once, under its own key (registering
// the same key again replaces the earlier function, so repeated set-up does not pile up calls).
void setImageCacheClearer(const QString &key, std::function<void()> clearer);

// Runs every registered clearer, in the order of their keys. Does nothing when none is registered.
void clearImageCaches();

} // namespace vignetta::app
