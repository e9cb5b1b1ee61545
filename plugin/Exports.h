#pragma once
// The Lister plug-in interface as this library implements it.
#include <windows.h>

extern "C" {
HWND WINAPI ListLoad(HWND parentWin, char* fileToLoad, int showFlags);
HWND WINAPI ListLoadW(HWND parentWin, WCHAR* fileToLoad, int showFlags);
void WINAPI ListCloseWindow(HWND listWin);
int WINAPI ListSendCommand(HWND listWin, int command, int parameter);
void WINAPI ListGetDetectString(char* detectString, int maxLength);
int WINAPI ListSearchText(HWND listWin, char* searchString, int searchParameter);
int WINAPI ListSearchTextW(HWND listWin, WCHAR* searchString, int searchParameter);
}
