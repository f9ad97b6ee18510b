#pragma once

// Whether standard error goes to a terminal, where a progress bar helps
// rather than fills a log.
bool ErrorIsTerminal();
