// The program's start: identity, logging switch, log files and crash
// handlers, the three services published to QML, and the root QML file.
#pragma once

namespace quendal_app {

// The variable trimmed and lower-cased is "1", "true", "yes" or "on".
bool envFlagEnabled(const char* name);

// Everything `main` does, from the application object to the end of its
// event loop; returns the exit status.
int runTessaval(int argc, char** argv);

}  // namespace quendal_app
