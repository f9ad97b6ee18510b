#pragma once

// The test form's template items.
#define IDC_FIELD 102
#define IDC_LABEL 103
#define IDC_WRAPPING 104
#define IDC_BUTTON 105
#define IDC_CHECK 106
#define IDC_GROUP 107
#define IDC_FRAME 108
#define IDC_FIELD2 109
#define IDM_SAVE 1008
#define IDM_LOAD 1010
#define IDM_INFO 1011
