#pragma once

// Resource numbers of the main form that code and resource script share.
#define IDI_VANTREL 101
#define IDC_SPONSOR_CURSOR 100

#define IDM_START 1001
#define IDM_STOP 1002
#define IDM_RESET 1004
#define IDM_EXIT 1006
#define IDM_SAVE 1008
#define IDM_LOAD 1010
#define IDM_INFO 1011
#define IDM_HELP 1012
#define IDM_ODDS 1013
