#pragma once

namespace vignetta::app {

// Registers every native type and singleton that the QML documents import. Called once at
// start-up, before the engine loads a document, and by the QML test runner.
void registerQmlTypes();

} // namespace vignetta::app
