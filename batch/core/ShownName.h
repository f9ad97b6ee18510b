#pragma once

#include <string>

// A name the user gave (a settings file's path) as the outputs show it:
// valid UTF-8 whatever its bytes, since pages, pictures and JSON declare
// UTF-8. A byte that begins no valid sequence is taken as Latin-1 ("caf\xe9"
// shows as "café"), and a control character is written as \xNN, so that a
// name is one line and well-formed XML wherever it stands.
std::string ShownName(const std::string& bytes);
