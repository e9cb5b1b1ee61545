#pragma once
// The Lister plug-in interface as this library implements it.
#include <windows.h>

// What a Lister tells its plug-ins once, right after loading them. The
// structure may be shorter in older hosts: size says how much of it is there.
struct ListDefaultParamStruct {
    int size;
    DWORD PluginInterfaceVersionLow;
    DWORD PluginInterfaceVersionHi;
    char DefaultIniName[MAX_PATH];  // a settings file beside the host's own (ANSI)
};

extern "C" {
HWND WINAPI ListLoad(HWND parentWin, char* fileToLoad, int showFlags);
HWND WINAPI ListLoadW(HWND parentWin, WCHAR* fileToLoad, int showFlags);
// 0 when the file shows in the plug-in's window, 1 to have the host load it afresh.
int WINAPI ListLoadNext(HWND parentWin, HWND pluginWin, char* fileToLoad, int showFlags);
int WINAPI ListLoadNextW(HWND parentWin, HWND pluginWin, WCHAR* fileToLoad, int showFlags);
void WINAPI ListCloseWindow(HWND listWin);
int WINAPI ListSendCommand(HWND listWin, int command, int parameter);
void WINAPI ListGetDetectString(char* detectString, int maxLength);
int WINAPI ListSearchText(HWND listWin, char* searchString, int searchParameter);
int WINAPI ListSearchTextW(HWND listWin, WCHAR* searchString, int searchParameter);
void WINAPI ListSetDefaultParams(ListDefaultParamStruct* params);
// Margins in tenths of a millimetre.
int WINAPI ListPrint(HWND listWin, char* fileToPrint, char* defPrinter, int printFlags, RECT* margins);
int WINAPI ListPrintW(HWND listWin, WCHAR* fileToPrint, WCHAR* defPrinter, int printFlags, RECT* margins);
// A bitmap no larger than width x height, which the host deletes; or null.
HBITMAP WINAPI ListGetPreviewBitmap(char* fileToLoad, int width, int height, char* contentBuf, int contentBufLen);
HBITMAP WINAPI ListGetPreviewBitmapW(WCHAR* fileToLoad, int width, int height, char* contentBuf, int contentBufLen);
}
