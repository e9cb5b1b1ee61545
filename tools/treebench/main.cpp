// treebench PLUGIN FOLDER [--expand-limit PAGES] [--only NAME]
// Opens generated notebooks in the plug-in as a Lister does and times, per
// notebook: ListLoad until the view has painted, Expand All from the root
// until painted, and closing the view. The notebooks are written to FOLDER
// the first time and reused after. Books larger than the expand limit are
// only opened and closed (default: every book is expanded).
// Prints one table. Exit codes: 0 done, 2 plug-in not loadable, 3 a book
// could not be written or shown, 4 bad arguments.
#include "resources/ResourceIds.h"
#include "tools/listerhost/ListerWindow.h"
#include "tools/listerhost/Plugin.h"
#include "tools/listerhost/TreeSelect.h"
#include "tools/treebench/BenchShapes.h"

#include <windows.h>
#include <commctrl.h>

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

bool EnsureBook(const treebench::Shape& shape, const std::wstring& path)
{
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    fwprintf(stderr, L"treebench: writing %ls\n", path.c_str());
    const std::vector<uint8_t> bytes = treebench::WriteShape(shape);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
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

int Usage()
{
    fwprintf(stderr, L"usage: treebench PLUGIN FOLDER [--expand-limit PAGES] [--only NAME]\n");
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
    for (int i = 3; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--expand-limit" && i + 1 < argc)
            expandLimit = wcstoul(argv[++i], nullptr, 10);
        else if (arg == L"--only" && i + 1 < argc)
            only = argv[++i];
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
        if (!only.empty() && shape.name != only)
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
    return 0;
}
