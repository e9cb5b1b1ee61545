// treebench PLUGIN FOLDER [--expand-limit PAGES] [--only NAME] [--pages-only]
// Opens generated notebooks in the plug-in as a Lister does and times, per
// notebook: ListLoad until the view has painted, Expand All from the root
// until painted, and closing the view. The notebooks are written to FOLDER
// the first time and reused after. Books larger than the expand limit are
// only opened and closed (default: every book is expanded).
// Then, in a book of long plain pages, per page: selecting it until its text
// has painted, the link passes due a second later, and selecting a short
// page after it until painted.
// Prints two tables. Exit codes: 0 done, 2 plug-in not loadable, 3 a book
// could not be written or shown, 4 bad arguments.
#include "resources/ResourceIds.h"
#include "tools/listerhost/ListerWindow.h"
#include "tools/listerhost/Plugin.h"
#include "tools/listerhost/TreeSelect.h"
#include "tools/treebench/BenchShapes.h"

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <string>

namespace {

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double Seconds() const
    {
        LARGE_INTEGER now{}, frequency{};
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_{};
};

// Paints what is due and handles whatever the last step queued.
void Settle(HWND top)
{
    UpdateWindow(top);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

template <typename Write>
bool EnsureFile(const std::wstring& path, Write write)
{
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    fwprintf(stderr, L"treebench: writing %ls\n", path.c_str());
    const std::vector<uint8_t> bytes = write();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

bool EnsureBook(const treebench::Shape& shape, const std::wstring& path)
{
    return EnsureFile(path, [&shape] { return treebench::WriteShape(shape); });
}

struct Timings {
    double load = 0, expand = -1, close = 0;
    unsigned items = 0;
};

bool TimeBook(const listerhost::Plugin& plugin, const std::wstring& path, bool expand, Timings& out)
{
    listerhost::ListerWindow lister(plugin);
    if (!lister.Create({20, 20, 920, 620}, false))
        return false;
    Stopwatch load;
    const bool shown = lister.Open(path);
    Settle(lister.TopLevel());
    out.load = load.Seconds();
    HWND tree = listerhost::FindTree(lister.PluginWindow());
    if (!shown || !tree)
        return false;
    if (expand) {
        TreeView_SelectItem(tree, TreeView_GetRoot(tree));
        Settle(lister.TopLevel());
        Stopwatch expanding;
        SendMessageW(tree, WM_COMMAND, ID_EXPAND_ALL, 0);
        Settle(lister.TopLevel());
        out.expand = expanding.Seconds();
    }
    out.items = TreeView_GetCount(tree);
    Stopwatch closing;
    lister.Close();
    Settle(nullptr);
    out.close = closing.Seconds();
    return true;
}

struct PageTimings {
    double show = 0, delayed = 0, leave = 0;
    long characters = 0;  // in the text pane once shown: a check that the page arrived
};

BOOL CALLBACK FindRichEdit(HWND child, LPARAM out)
{
    wchar_t name[32]{};
    GetClassNameW(child, name, 32);
    if (wcsncmp(name, L"RichEdit", 8) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(out) = child;
    return FALSE;
}

long ShownCharacters(HWND pluginWindow)
{
    HWND found = nullptr;
    EnumChildWindows(pluginWindow, FindRichEdit, reinterpret_cast<LPARAM>(&found));
    GETTEXTLENGTHEX how{GTL_NUMCHARS, 1200};
    return found ? static_cast<long>(SendMessageW(found, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0)) : -1;
}

bool TimePage(const listerhost::ListerWindow& lister, const std::wstring& title, PageTimings& out)
{
    Stopwatch showing;
    if (!listerhost::SelectItemByText(lister.PluginWindow(), title))
        return false;
    Settle(lister.TopLevel());
    out.show = showing.Seconds();
    out.characters = ShownCharacters(lister.PluginWindow());
    Sleep(1100);
    Stopwatch delayed;
    Settle(lister.TopLevel());
    out.delayed = delayed.Seconds();
    Stopwatch leaving;
    if (!listerhost::SelectItemByText(lister.PluginWindow(), treebench::kSmallPageTitle))
        return false;
    Settle(lister.TopLevel());
    out.leave = leaving.Seconds();
    return true;
}

bool TimeLongPages(const listerhost::Plugin& plugin, const std::wstring& folder)
{
    const std::wstring path = folder + L"\\long-pages.vnb";
    if (!EnsureFile(path, [] { return treebench::WriteLongPagesBook(); }))
        return false;
    listerhost::ListerWindow lister(plugin);
    if (!lister.Create({20, 20, 920, 620}, false) || !lister.Open(path))
        return false;
    Settle(lister.TopLevel());
    wprintf(L"\n%-14ls %11ls %14ls %16ls %18ls\n", L"page", L"characters", L"shown s", L"link passes s",
            L"left for small s");
    for (const treebench::LongPage& page : treebench::LongPages()) {
        PageTimings t;
        if (!TimePage(lister, page.title, t))
            return false;
        wprintf(L"%-14ls %11ld %14.2f %16.2f %18.2f\n", page.title.c_str(), t.characters, t.show, t.delayed, t.leave);
        fflush(stdout);
    }
    lister.Close();
    Settle(nullptr);
    return true;
}

int Usage()
{
    fwprintf(stderr, L"usage: treebench PLUGIN FOLDER [--expand-limit PAGES] [--only NAME] [--pages-only]\n");
    return 4;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return Usage();
    const std::wstring folder = argv[2];
    unsigned long expandLimit = 0xFFFFFFFFul;
    std::wstring only;
    bool pagesOnly = false;
    for (int i = 3; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--expand-limit" && i + 1 < argc)
            expandLimit = wcstoul(argv[++i], nullptr, 10);
        else if (arg == L"--only" && i + 1 < argc)
            only = argv[++i];
        else if (arg == L"--pages-only")
            pagesOnly = true;
        else
            return Usage();
    }
    listerhost::Plugin plugin;
    if (!plugin.Load(argv[1])) {
        fwprintf(stderr, L"treebench: cannot load plug-in %ls (error %lu)\n", argv[1], GetLastError());
        return 2;
    }
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);

    // The first view a process opens also pays for loading the controls'
    // libraries and fonts: a warm-up book that is not timed.
    const treebench::Shape warmUp = treebench::Shapes().front();
    Timings ignored;
    if (!EnsureBook(warmUp, folder + L"\\" + warmUp.name + L".vnb") ||
        !TimeBook(plugin, folder + L"\\" + warmUp.name + L".vnb", false, ignored))
        return 3;

    wprintf(L"%-12ls %-26ls %9ls %11ls %10ls %14ls %9ls\n", L"notebook", L"layout", L"pages", L"ListLoad s",
            L"items", L"Expand All s", L"close s");
    for (const treebench::Shape& shape : treebench::Shapes()) {
        if (pagesOnly || (!only.empty() && shape.name != only))
            continue;
        const std::wstring path = folder + L"\\" + shape.name + L".vnb";
        Timings t;
        if (!EnsureBook(shape, path) || !TimeBook(plugin, path, shape.pages <= expandLimit, t)) {
            fwprintf(stderr, L"treebench: %ls could not be shown\n", path.c_str());
            return 3;
        }
        wchar_t expanded[32] = L"-";
        if (t.expand >= 0)
            swprintf(expanded, 32, L"%.2f", t.expand);
        wprintf(L"%-12ls %-26ls %9u %11.2f %10u %14ls %9.2f\n", shape.name.c_str(), shape.layout.c_str(), shape.pages,
                t.load, t.items, expanded, t.close);
        fflush(stdout);
    }
    if (only.empty() && !TimeLongPages(plugin, folder)) {
        fwprintf(stderr, L"treebench: the long pages could not be shown\n");
        return 3;
    }
    return 0;
}
