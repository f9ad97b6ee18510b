#pragma once

#include <string>

// The temporary files that are alive now, so that they can be taken away
// when the program is ended by a signal (or, on Windows, by Ctrl+C) before
// it could do it itself. The list is fixed in size and walked without
// locks or allocation, as a signal handler must.
namespace TemporaryFiles {

// Remembers a temporary file; the slot to forget it by, or -1 where the
// list is full or the path too long (the file is then still removed on
// every ordinary way out, only not on a signal).
int Remember(const std::string& path);
void Forget(int slot);

// Removes every remembered file. Safe inside a signal handler.
void RemoveAll();

// Ends the program on SIGINT, SIGTERM, SIGHUP and SIGPIPE (Ctrl+C and the
// console's close on Windows) as it would end anyway, after RemoveAll.
void RemoveOnSignals();

}  // namespace TemporaryFiles
