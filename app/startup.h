#pragma once

namespace vignetta::app {

// The editor's whole life: prepares the process, registers the native QML types, installs the
// translations, hands a project named on the command line to the QML code through the settings
// store, loads the main window and runs the event loop. Returns the event loop's exit code.
int runApplication(int argc, char **argv);

} // namespace vignetta::app
