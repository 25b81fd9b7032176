#pragma once
// Resource and control ids, shared by the resource script and the code.

#define IDD_CHIMELO 2000
#define IDI_SOUND 1001  // the frame's icon, drawn beside every associated sound

#define IDC_EVENT_LIST 101
#define IDC_ASSOCIATED_LIST 102
#define IDC_FILES 103
#define IDC_WAV_LIST 104
#define IDC_ADD_TO_CURRENT 105
#define IDC_ADD_TO_ALL 106
#define IDC_REMOVE_FROM_CURRENT 107
#define IDC_REMOVE_FROM_ALL 108
#define IDC_SAVE 109
#define IDC_DRIVE_COMBO 110
#define IDC_WAV_LABEL 111  // "WAV Files On Hard Disk", hidden with the browser
#define IDC_FILTER 112        // narrows the WAV list to the rows holding every word typed
#define IDC_FILTER_LABEL 113  // "F&ilter", hidden with the browser

// The associated-sounds list's context menu; its third item is
// IDC_REMOVE_FROM_CURRENT, as the button.
#define IDM_ADD_SOUNDS 120
#define IDM_PLAY 121
