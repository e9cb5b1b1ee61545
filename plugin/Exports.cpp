// The five functions a Lister calls. Each one is a boundary: nothing thrown
// inside may reach the host.
#include "plugin/Exports.h"

#include "docfile/TempFiles.h"
#include "platform/CodePage.h"
#include "platform/win32/Guard.h"
#include "platform/win32/Module.h"
#include "plugin/ViewerRegistry.h"
#include "resources/ResourceIds.h"
#include "viewer/Settings.h"
#include "viewer/ViewerWindow.h"

#include <windows.h>

namespace {

constexpr int kCommandCopy = 1;
constexpr int kCommandNewParams = 2;
constexpr int kCommandSelectAll = 3;
constexpr int kWrapText = 1;

// Loaded once: the Lister keeps using them after our window is gone, and a
// pair per document would leak with every file viewed.
HICON PluginIcon(int size)
{
    static HICON big = static_cast<HICON>(
        LoadImageW(win::ThisModule(), MAKEINTRESOURCEW(IDI_PLUGIN), IMAGE_ICON, 32, 32, 0));
    static HICON small = static_cast<HICON>(
        LoadImageW(win::ThisModule(), MAKEINTRESOURCEW(IDI_PLUGIN), IMAGE_ICON, 16, 16, 0));
    return size == 32 ? big : small;
}

}  // namespace

extern "C" {

HWND WINAPI ListLoad(HWND parentWin, char* fileToLoad, int /*showFlags*/)
{
    return win::Guard<HWND>(nullptr, [&]() -> HWND {
        viewer::ViewerWindow& viewer = plugin::Viewers().GetOrCreate(parentWin);
        std::u16string fileName = fileToLoad ? platform::AnsiToWide(fileToLoad) : std::u16string();
        HWND window = viewer.Load(parentWin, fileName);
        if (window) {
            SendMessageW(parentWin, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PluginIcon(32)));
            SendMessageW(parentWin, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(PluginIcon(16)));
        }
        return window;
    });
}

void WINAPI ListCloseWindow(HWND listWin)
{
    win::GuardVoid([&] {
        HWND lister = GetParent(listWin);
        plugin::Viewers().GetOrCreate(lister).DestroyWindow();
        plugin::Viewers().Remove(lister);
    });
    win::GuardVoid([] { viewer::SaveSettings(); });
    win::GuardVoid([] { docfile::TempFiles().DeleteAll(); });
}

int WINAPI ListSendCommand(HWND listWin, int command, int parameter)
{
    return win::Guard<int>(1, [&] {
        if (command != kCommandCopy && command != kCommandNewParams && command != kCommandSelectAll)
            return 1;
        viewer::ViewerWindow& viewer = plugin::Viewers().GetOrCreate(GetParent(listWin));
        if (command == kCommandCopy)
            viewer.Copy();
        else if (command == kCommandNewParams)
            viewer.SetWordWrap((parameter & kWrapText) != 0);
        else
            viewer.SelectAll();
        return 0;
    });
}

// No detect string: which files arrive is the host's configuration, and
// ListLoad turns away everything that is not a document.
void WINAPI ListGetDetectString(char* /*detectString*/, int /*maxLength*/) {}

int WINAPI ListSearchText(HWND /*listWin*/, char* /*searchString*/, int /*searchParameter*/)
{
    return 1;
}

}  // extern "C"
