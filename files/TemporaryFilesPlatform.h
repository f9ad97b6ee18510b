#pragma once

// What the list of temporary files needs from the system: removing a file
// by name from inside a signal handler.
namespace TemporaryFiles {

void RemovePathNow(const char* path);

}  // namespace TemporaryFiles
