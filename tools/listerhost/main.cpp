// listerhost PLUGIN FILE [options]
//   --embedded          the Lister sits inside a panel window
//   --quickview         as a file manager's Quick View: the Lister is a child
//                       window beside a file list that keeps the keyboard
//   --menu              a menu bar with the host commands (copy, select all, wrap)
//   --size WxH          client size of the top-level window (default 900x600)
//   --command N[,P]     ListSendCommand(N, P) (repeatable)
//   --key KEY           press a key in the focused window, e.g. Ctrl+T (repeatable)
//   --next FILE         ListLoadNextW with FILE into the open view, as n and p do
//                       (repeatable); prints the answer, 1 being an error
//   --select TITLE      select the tree item labelled TITLE, opening folders to find it
//   --wait MS           pause between scripted steps
//   --screenshot PATH   picture of the top-level window, .png or .bmp
//   --quit-after MS     close the Lister that many milliseconds after the last step
//   --print             ListPrintW, as the Lister's Print does (repeatable)
//   --print-to PREFIX   the same with no printer: the print dialog is answered at
//                       once and each page written as PREFIXn.png
//   --printer NAME      the printer --print names (default: none)
//   --margins L,T,R,B   the margins --print passes, in tenths of a millimetre
//   --dark              ShowFlags with the dark-mode flag, as a dark Lister passes it
//   --dark-native       the same, with the flag that the system draws controls dark
//   --dpi-aware         the process is aware of each monitor's resolution, as the
//                       file manager is (else the system scales it, where it can)
//   --thumbnail WxH PATH
//                       only ListGetPreviewBitmapW for FILE, at most W x H, written
//                       to PATH (.png or .bmp); no Lister opens
// The steps run in the order given, after the document is shown. The keys
// that reached the Lister window are printed at the end ("keys: 4e 50").
// Exit codes: 0 shown (or the thumbnail written), 2 plug-in not loadable,
// 3 ListLoad returned no window (or no thumbnail came), 4 bad arguments.
#include "platform/win32/Guard.h"
#include "tools/listerhost/Keys.h"
#include "tools/listerhost/ListerWindow.h"
#include "tools/listerhost/Plugin.h"
#include "tools/listerhost/PrintCapture.h"
#include "tools/listerhost/Screenshot.h"
#include "tools/listerhost/TreeSelect.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Step {
    std::function<void()> run;
    UINT delayAfter = 300;
};

std::vector<Step> gSteps;
size_t gNextStep = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (gNextStep >= gSteps.size())
        return;
    Step& step = gSteps[gNextStep++];
    win::GuardVoid([&] { step.run(); });
    SetTimer(nullptr, 0, step.delayAfter, RunNextStep);
}

int Usage()
{
    fwprintf(stderr, L"usage: listerhost PLUGIN FILE [--embedded | --quickview] [--menu] [--size WxH] [--command N[,P]] [--key KEY]\n"
                     L"                  [--next FILE] [--select TITLE] [--wait MS] [--screenshot PATH] [--quit-after MS]\n"
                     L"                  [--print] [--print-to PREFIX] [--printer NAME] [--margins L,T,R,B]\n"
                     L"                  [--dark] [--dark-native] [--dpi-aware]\n"
                     L"       listerhost PLUGIN FILE --thumbnail WxH PATH\n");
    return 4;
}

// The flags a Lister passes in ShowFlags, from the options that set them.
int ShowFlagsOf(int argc, wchar_t** argv)
{
    constexpr int kDarkMode = 128, kDarkModeNative = 256;
    int flags = 0;
    for (int i = 3; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--dark")
            flags |= kDarkMode;
        else if (std::wstring(argv[i]) == L"--dark-native")
            flags |= kDarkMode | kDarkModeNative;
    }
    return flags;
}

// Per-monitor aware where the system knows of it, else aware of the
// system's resolution.
void BecomeDpiAware()
{
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    using SetAwareFn = BOOL(WINAPI*)();
    HMODULE user = GetModuleHandleW(L"user32.dll");
    if (!user)
        return;
    const auto setContext =
        reinterpret_cast<SetContextFn>(reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDpiAwarenessContext")));
    const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    if (setContext && setContext(perMonitorV2))
        return;
    const auto setAware =
        reinterpret_cast<SetAwareFn>(reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware")));
    if (setAware)
        setAware();
}

bool IsLookOption(const std::wstring& arg)
{
    return arg == L"--dark" || arg == L"--dark-native" || arg == L"--dpi-aware";
}

int WriteThumbnail(const listerhost::Plugin& plugin, const std::wstring& file, const std::wstring& size,
                   const std::wstring& path)
{
    int width = 0, height = 0;
    if (swscanf(size.c_str(), L"%dx%d", &width, &height) != 2)
        return Usage();
    const HBITMAP bitmap = plugin.ListGetPreviewBitmapW(file, width, height);
    if (!bitmap) {
        fwprintf(stderr, L"listerhost: no thumbnail for %ls\n", file.c_str());
        return 3;
    }
    BITMAP made{};
    GetObjectW(bitmap, sizeof made, &made);
    const bool written = listerhost::SaveBitmapPicture(bitmap, path);
    DeleteObject(bitmap);
    if (!written) {
        fwprintf(stderr, L"listerhost: cannot write %ls\n", path.c_str());
        return 2;
    }
    fwprintf(stdout, L"thumbnail %ldx%ld\n", made.bmWidth, made.bmHeight);
    return 0;
}

void AddNextFileStep(listerhost::ListerWindow& lister, const std::wstring& file)
{
    gSteps.push_back({[&lister, file] {
        const int result = lister.OpenNext(file);
        fwprintf(stdout, L"next %ls -> %d\n", file.c_str(), result);
        fflush(stdout);
    }});
}

bool CreateLister(listerhost::ListerWindow& lister, const RECT& rect, bool embedded, bool quickView)
{
    return quickView ? lister.CreateQuickView(rect) : lister.Create(rect, embedded);
}

void PrintReceivedKeys(const listerhost::ListerWindow& lister)
{
    if (lister.ReceivedKeys().empty())
        return;
    fwprintf(stdout, L"keys:");
    for (UINT key : lister.ReceivedKeys())
        fwprintf(stdout, L" %x", key);
    fwprintf(stdout, L"\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return Usage();
    std::wstring pluginPath = argv[1];
    std::wstring file = argv[2];
    bool embedded = false, quickView = false;
    bool menu = false;
    int width = 900, height = 600;
    std::wstring printer, thumbnailSize, thumbnailPath;
    RECT margins{};
    bool hasMargins = false;
    for (int i = 3; i < argc; ++i)
        if (std::wstring(argv[i]) == L"--embedded")
            embedded = true;
        else if (std::wstring(argv[i]) == L"--quickview")
            quickView = true;
        else if (std::wstring(argv[i]) == L"--menu")
            menu = true;
        else if (std::wstring(argv[i]) == L"--size" && i + 1 < argc && swscanf(argv[++i], L"%dx%d", &width, &height) != 2)
            return Usage();
        else if (std::wstring(argv[i]) == L"--printer" && i + 1 < argc)
            printer = argv[++i];
        else if (std::wstring(argv[i]) == L"--margins" && i + 1 < argc)
            hasMargins = swscanf(argv[++i], L"%ld,%ld,%ld,%ld", &margins.left, &margins.top, &margins.right,
                                 &margins.bottom) == 4;
        else if (std::wstring(argv[i]) == L"--thumbnail" && i + 2 < argc)
            thumbnailSize = argv[++i], thumbnailPath = argv[++i];

    for (int i = 3; i < argc; ++i)
        if (std::wstring(argv[i]) == L"--dpi-aware")
            BecomeDpiAware();
    listerhost::Plugin plugin;
    if (!plugin.Load(pluginPath)) {
        fwprintf(stderr, L"listerhost: cannot load plug-in %ls (error %lu)\n", pluginPath.c_str(), GetLastError());
        return 2;
    }
    if (!thumbnailPath.empty())
        return WriteThumbnail(plugin, file, thumbnailSize, thumbnailPath);
    listerhost::ListerWindow lister(plugin);
    RECT rect{20, 20, 20 + width, 20 + height};
    if (!CreateLister(lister, rect, embedded, quickView))
        return 2;
    lister.QuitOnDestroy = true;
    lister.ShowFlags = ShowFlagsOf(argc, argv);
    lister.Resize(width, height);
    if (menu && !embedded && !quickView)
        lister.AddMenu();
    if (!lister.Open(file)) {
        fwprintf(stderr, L"listerhost: the plug-in shows no window for %ls\n", file.c_str());
        lister.Close();
        return 3;
    }

    for (int i = 3; i < argc; ++i) {
        std::wstring arg = argv[i];
        std::wstring value = i + 1 < argc ? argv[i + 1] : L"";
        if (arg == L"--embedded" || arg == L"--quickview" || arg == L"--menu" || IsLookOption(arg)) {
            continue;
        } else if (arg == L"--size" || arg == L"--printer" || arg == L"--margins") {
            ++i;
        } else if (arg == L"--print") {
            gSteps.push_back({[&lister, &plugin, file, printer, margins, hasMargins] {
                RECT given = margins;
                const int result = plugin.ListPrintW(lister.PluginWindow(), file, printer, hasMargins ? &given : nullptr);
                fwprintf(stdout, L"print -> %d\n", result);
                fflush(stdout);
            }});
        } else if (arg == L"--print-to" && i + 1 < argc) {
            ++i;
            gSteps.push_back({[&lister, &plugin, file, printer, margins, hasMargins, value] {
                listerhost::PrintCapture capture(plugin.Module(), value);
                RECT given = margins;
                const int result = plugin.ListPrintW(lister.PluginWindow(), file, printer, hasMargins ? &given : nullptr);
                fwprintf(stdout, L"print -> %d: %d pages of \"%ls\" for printer \"%ls\"\n", result, capture.pages,
                         capture.document.c_str(), capture.preselected.c_str());
                fflush(stdout);
            }});
        } else if (arg == L"--command" && i + 1 < argc) {
            ++i;
            int command = 0, parameter = 0;
            swscanf(value.c_str(), L"%d,%d", &command, &parameter);
            gSteps.push_back({[&lister, command, parameter] {
                int result = lister.SendCommand(command, parameter);
                fwprintf(stdout, L"command %d,%d -> %d\n", command, parameter, result);
                fflush(stdout);
            }});
        } else if (arg == L"--key" && i + 1 < argc) {
            ++i;
            listerhost::KeyStroke key = listerhost::ParseKey(value);
            if (!key.vk)
                return Usage();
            gSteps.push_back({[key] {
                listerhost::PressKey(GetFocus(), key);
            }});
        } else if (arg == L"--next" && i + 1 < argc) {
            ++i;
            AddNextFileStep(lister, value);
        } else if (arg == L"--select" && i + 1 < argc) {
            ++i;
            gSteps.push_back({[&lister, value] {
                if (!listerhost::SelectItemByText(lister.PluginWindow(), value))
                    fwprintf(stderr, L"listerhost: no tree item labelled %ls\n", value.c_str());
            }});
        } else if (arg == L"--wait" && i + 1 < argc) {
            ++i;
            gSteps.push_back({[] {}, static_cast<UINT>(_wtoi(value.c_str()))});
        } else if (arg == L"--screenshot" && i + 1 < argc) {
            ++i;
            gSteps.push_back({[&lister, value] {
                UpdateWindow(lister.TopLevel());
                if (!listerhost::SaveWindowPicture(lister.TopLevel(), value))
                    fwprintf(stderr, L"listerhost: cannot write %ls\n", value.c_str());
            }});
        } else if (arg == L"--quit-after" && i + 1 < argc) {
            ++i;
            gSteps.push_back({[] {}, static_cast<UINT>(_wtoi(value.c_str()))});
            gSteps.push_back({[&lister] { lister.Close(); }});
        } else {
            return Usage();
        }
    }
    // Active, as a Lister the user works in is: its menus and keys need that.
    SetForegroundWindow(lister.TopLevel());
    if (quickView)
        SetFocus(lister.FileList());
    SetTimer(nullptr, 0, 500, RunNextStep);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    PrintReceivedKeys(lister);
    return 0;
}
