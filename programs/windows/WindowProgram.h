// The console companion hands a command line without answer options to the window program
// beside it (zmatch.com -> zmatch.exe in the same folder), with its arguments exactly as
// typed, and returns at once: cmd's prompt comes back while the window opens.
#pragma once

namespace console {

// Raises tk::Exception saying which file could not be started, and why.
void StartWindowProgram();

} // namespace console
