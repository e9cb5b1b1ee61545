// The functions a Lister calls. Each one is a boundary: nothing thrown
// inside may reach the host.
#include "frontends/win32/plugin/Exports.h"

#include "docfile/TempFiles.h"
#include "frontends/win32/plugin/ViewerRegistry.h"
#include "frontends/win32/print/PrintViewer_win.h"
#include "frontends/win32/thumbnail/PreviewBitmap_win.h"
#include "frontends/win32/viewer/Settings.h"
#include "frontends/win32/viewer/ViewerWindow_win.h"
#include "platform/CodePage.h"
#include "platform/win32/Guard.h"
#include "platform/win32/Module.h"
#include "platform/win32/Profile.h"
#include "platform/win32/WideText.h"
#include "resources/ResourceIds.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>

namespace {

constexpr int kCommandCopy = 1;
constexpr int kCommandNewParams = 2;
constexpr int kCommandSelectAll = 3;
constexpr int kWrapText = 1;
constexpr int kDarkMode = 128;
constexpr int kDarkModeNative = 256;
constexpr int kListerOk = 0;
constexpr int kListerError = 1;

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

// What a load takes from the host's show flags, the first load and the next
// alike: the look. Word wrap follows the host's new parameters only.
void ApplyShowFlags(viewer::ViewerWindow& viewer, int showFlags)
{
    viewer.SetDarkMode((showFlags & kDarkMode) != 0, (showFlags & kDarkModeNative) != 0);
}

// A load that leaves the viewer without a window takes the viewer away too:
// the Lister may give its handle to another window later, which must not
// find a viewer made for this one. A viewer still showing an earlier
// document keeps it.
HWND LoadInto(HWND parentWin, const std::filesystem::path& file, int showFlags)
{
    viewer::ViewerWindow& viewer = plugin::Viewers().GetOrCreate(parentWin);
    ApplyShowFlags(viewer, showFlags);
    auto forgetIfWindowless = [&] {
        if (!viewer.Hwnd())
            plugin::Viewers().Remove(parentWin);
    };
    HWND window = nullptr;
    try {
        window = viewer.Load(parentWin, file);
    } catch (...) {
        forgetIfWindowless();
        throw;
    }
    if (!window) {
        forgetIfWindowless();
        return nullptr;
    }
    SendMessageW(parentWin, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PluginIcon(32)));
    SendMessageW(parentWin, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(PluginIcon(16)));
    return window;
}

// Only into the window this Lister window holds: a stray handle, or a
// Lister whose viewer has none, gets the error that makes the host load
// afresh.
int LoadNextInto(HWND parentWin, HWND pluginWin, const std::filesystem::path& file, int showFlags)
{
    viewer::ViewerWindow* viewer = plugin::Viewers().Find(parentWin);
    if (!viewer || !pluginWin || viewer->Hwnd() != pluginWin || !viewer->LoadNext(parentWin, file))
        return kListerError;
    ApplyShowFlags(*viewer, showFlags);
    return kListerOk;
}

int PrintIn(HWND listWin, const std::wstring& printer, const RECT* margins)
{
    viewer::ViewerWindow* viewer = plugin::Viewers().Find(GetParent(listWin));
    std::optional<core::Margins> tenthsOfMm;
    if (margins)
        tenthsOfMm = core::Margins{margins->left, margins->top, margins->right, margins->bottom};
    return viewer && viewer::PrintShownPage(*viewer, printer, tenthsOfMm) ? kListerOk : kListerError;
}

int SearchIn(HWND listWin, std::u16string_view pattern, int searchParameter)
{
    viewer::ViewerWindow* viewer = plugin::Viewers().Find(GetParent(listWin));
    return viewer && viewer->Search(pattern, searchParameter) ? kListerOk : kListerError;
}

}  // namespace

extern "C" {

// A host that knows the wide form calls it instead, so that names outside
// the ANSI code page arrive whole; the narrow form stays for older hosts.
HWND WINAPI ListLoad(HWND parentWin, char* fileToLoad, int showFlags)
{
    return win::Guard<HWND>(nullptr, [&] {
        return LoadInto(parentWin, win::Wide(fileToLoad ? platform::AnsiToWide(fileToLoad) : u""), showFlags);
    });
}

HWND WINAPI ListLoadW(HWND parentWin, WCHAR* fileToLoad, int showFlags)
{
    return win::Guard<HWND>(nullptr, [&] { return LoadInto(parentWin, fileToLoad ? fileToLoad : L"", showFlags); });
}

// The next file in the window the first load made, as n and p in the Lister
// and the cursor in Quick View ask; on an error the host loads afresh.
int WINAPI ListLoadNext(HWND parentWin, HWND pluginWin, char* fileToLoad, int showFlags)
{
    return win::Guard<int>(kListerError, [&] {
        return LoadNextInto(parentWin, pluginWin, win::Wide(fileToLoad ? platform::AnsiToWide(fileToLoad) : u""),
                            showFlags);
    });
}

int WINAPI ListLoadNextW(HWND parentWin, HWND pluginWin, WCHAR* fileToLoad, int showFlags)
{
    return win::Guard<int>(kListerError, [&] {
        return LoadNextInto(parentWin, pluginWin, fileToLoad ? fileToLoad : L"", showFlags);
    });
}

void WINAPI ListCloseWindow(HWND listWin)
{
    win::GuardVoid([&] {
        HWND lister = GetParent(listWin);
        if (viewer::ViewerWindow* viewer = plugin::Viewers().Find(lister))
            viewer->Close();
        plugin::Viewers().Remove(lister);
    });
    win::GuardVoid([] { viewer::SaveSettings(); });
    win::GuardVoid([] { docfile::TempFiles().DeleteAll(); });
}

int WINAPI ListSendCommand(HWND listWin, int command, int parameter)
{
    return win::Guard<int>(1, [&] {
        viewer::ViewerWindow* viewer = plugin::Viewers().Find(GetParent(listWin));
        if (!viewer)
            return 1;
        switch (command) {
        case kCommandCopy:
            viewer->Copy();
            return 0;
        case kCommandNewParams:
            viewer->SetWordWrap((parameter & kWrapText) != 0);
            ApplyShowFlags(*viewer, parameter);
            return 0;
        case kCommandSelectAll:
            viewer->SelectAll();
            return 0;
        default:
            return 1;
        }
    });
}

// No detect string: which files arrive is the host's configuration, and
// ListLoad turns away everything that is not a document.
void WINAPI ListGetDetectString(char* /*detectString*/, int /*maxLength*/) {}

int WINAPI ListSearchText(HWND listWin, char* searchString, int searchParameter)
{
    return win::Guard<int>(kListerError, [&] {
        return SearchIn(listWin, searchString ? platform::AnsiToWide(searchString) : u"", searchParameter);
    });
}

int WINAPI ListSearchTextW(HWND listWin, WCHAR* searchString, int searchParameter)
{
    return win::Guard<int>(kListerError, [&] {
        return SearchIn(listWin, searchString ? win::U16(searchString) : u"", searchParameter);
    });
}

// The page shown, whatever file the host names: it is the one it showed.
int WINAPI ListPrint(HWND listWin, char* /*fileToPrint*/, char* defPrinter, int /*printFlags*/, RECT* margins)
{
    return win::Guard<int>(kListerError, [&] {
        return PrintIn(listWin, defPrinter ? win::Wide(platform::AnsiToWide(defPrinter)) : L"", margins);
    });
}

int WINAPI ListPrintW(HWND listWin, WCHAR* /*fileToPrint*/, WCHAR* defPrinter, int /*printFlags*/, RECT* margins)
{
    return win::Guard<int>(kListerError, [&] { return PrintIn(listWin, defPrinter ? defPrinter : L"", margins); });
}

// The first bytes the host passes are not needed: the card reads the file
// itself, and only as far as it must.
HBITMAP WINAPI ListGetPreviewBitmap(char* fileToLoad, int width, int height, char* /*contentBuf*/, int /*contentBufLen*/)
{
    return win::Guard<HBITMAP>(nullptr, [&]() -> HBITMAP {
        if (!fileToLoad)
            return nullptr;
        return viewer::PreviewBitmap(win::Wide(platform::AnsiToWide(fileToLoad)), width, height);
    });
}

HBITMAP WINAPI ListGetPreviewBitmapW(WCHAR* fileToLoad, int width, int height, char* /*contentBuf*/,
                                     int /*contentBufLen*/)
{
    return win::Guard<HBITMAP>(nullptr, [&]() -> HBITMAP {
        return fileToLoad ? viewer::PreviewBitmap(fileToLoad, width, height) : nullptr;
    });
}

// The profile goes beside the host's settings file, under its own name. The
// name is read only as far as the host's size says it reaches, and never
// past its buffer, with or without a terminating zero.
void WINAPI ListSetDefaultParams(ListDefaultParamStruct* params)
{
    win::GuardVoid([&] {
        constexpr size_t kNameOffset = offsetof(ListDefaultParamStruct, DefaultIniName);
        if (!params || params->size <= static_cast<int>(kNameOffset))
            return;
        const size_t room = std::min<size_t>(static_cast<size_t>(params->size) - kNameOffset, MAX_PATH);
        const std::string_view name(params->DefaultIniName, strnlen(params->DefaultIniName, room));
        win::SetHostSettingsFile(win::Wide(platform::AnsiToWide(name)));
    });
}

}  // extern "C"
