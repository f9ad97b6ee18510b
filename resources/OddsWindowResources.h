#pragma once

// Resource numbers of the odds window that code and resource script share.
#define IDC_ODDS_TEXT 2001
#define IDC_ODDS_STATUS 2002
#define IDC_ODDS_SAVE 2003
