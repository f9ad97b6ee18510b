#include "batch/cli/Terminal.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#define VANTREL_ISATTY _isatty
#else
#include <unistd.h>
#define VANTREL_ISATTY isatty
#endif

bool ErrorIsTerminal() { return VANTREL_ISATTY(fileno(stderr)) != 0; }
