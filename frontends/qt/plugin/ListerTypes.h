#pragma once
// The Lister plug-in interface as a Linux file manager calls it: plain C
// names and calling convention, handles as pointers (a window is the
// host's QWidget*), wide text as UTF-16 code units.
#include <cstdint>

using HWND = void*;
using WCHAR = uint16_t;
using DWORD = uint32_t;

inline constexpr int kListerOk = 0;     // LISTPLUGIN_OK
inline constexpr int kListerError = 1;  // LISTPLUGIN_ERROR

inline constexpr int kListerCommandCopy = 1;       // lc_copy
inline constexpr int kListerCommandNewParams = 2;  // lc_newparams
inline constexpr int kListerCommandSelectAll = 3;  // lc_selectall
inline constexpr int kListerWrapText = 1;          // lcp_wraptext

inline constexpr int kListerMaxPath = 260;

// What the host tells its plug-ins once, right after loading them; `size`
// says how much of it an older host filled.
struct ListDefaultParamStruct {
    int size;
    DWORD PluginInterfaceVersionLow;
    DWORD PluginInterfaceVersionHi;
    char DefaultIniName[kListerMaxPath];  // a settings file in the host's configuration folder
};

#define VV_LISTER_EXPORT extern "C" __attribute__((visibility("default")))

VV_LISTER_EXPORT HWND ListLoad(HWND parentWin, char* fileToLoad, int showFlags);
VV_LISTER_EXPORT HWND ListLoadW(HWND parentWin, WCHAR* fileToLoad, int showFlags);
VV_LISTER_EXPORT int ListLoadNext(HWND parentWin, HWND listWin, char* fileToLoad, int showFlags);
VV_LISTER_EXPORT int ListLoadNextW(HWND parentWin, HWND listWin, WCHAR* fileToLoad, int showFlags);
VV_LISTER_EXPORT void ListCloseWindow(HWND listWin);
VV_LISTER_EXPORT void ListGetDetectString(char* detectString, int maxLength);
VV_LISTER_EXPORT int ListSearchText(HWND listWin, char* searchString, int searchParameter);
VV_LISTER_EXPORT int ListSearchTextW(HWND listWin, WCHAR* searchString, int searchParameter);
VV_LISTER_EXPORT int ListSendCommand(HWND listWin, int command, int parameter);
VV_LISTER_EXPORT void ListSetDefaultParams(ListDefaultParamStruct* params);
