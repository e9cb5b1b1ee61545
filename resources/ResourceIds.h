// Identifiers shared by VornView.rc and the code. Stored documents and
// language files do not see them, but menus do: keep the numbers.
#pragma once

#define IDD_VIEWER 1000
#define IDD_PASSWORD 1001
#define IDR_TREE_MENU 1002
#define IDR_TEXT_MENU 1003
#define IDI_RECYCLE_FULL 1005
#define IDI_RECYCLE_EMPTY 1006
#define IDI_FOLDER_CLOSED 1007
#define IDI_FOLDER_OPEN 1008
#define IDI_PLUGIN 1009

// Password dialog controls.
#define IDC_PASSWORD_EDIT 1000
#define IDC_PASSWORD_PROMPT 1001
#define IDC_PASSWORD_SHOW 1002

// Commands.
#define ID_BACKGROUND_COLOR 32771
#define ID_TEXT_COLOR 32772
#define ID_FONT 32773
#define ID_EXPAND_ALL 32774
#define ID_COLLAPSE_ALL 32775
#define ID_TREE_PANE 32776
#define ID_EDIT_DOCUMENT 32777
#define ID_COPY_URL 32779
#define ID_SEND_BUG_REPORT 32780
#define ID_COPY_PLAIN 32781
#define ID_COPY_RTF 32782
#define ID_EDIT_COPY 57634
#define ID_EDIT_SELECT_ALL 57642
