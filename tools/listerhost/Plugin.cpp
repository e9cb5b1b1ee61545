#include "tools/listerhost/Plugin.h"

#include <vector>

namespace listerhost {
namespace {

// The structure of the Lister interface, as a host of version 2.12 fills it.
struct DefaultParams {
    int size;
    DWORD versionLow;
    DWORD versionHi;
    char defaultIniName[MAX_PATH];
};

template <class Fn>
Fn Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

bool Plugin::Load(const std::wstring& path)
{
    Unload();
    module_ = LoadLibraryW(path.c_str());
    if (!module_)
        return false;
    load_ = Entry<LoadFn>(module_, "ListLoad");
    close_ = Entry<CloseFn>(module_, "ListCloseWindow");
    command_ = Entry<CommandFn>(module_, "ListSendCommand");
    detect_ = Entry<DetectFn>(module_, "ListGetDetectString");
    search_ = Entry<SearchFn>(module_, "ListSearchText");
    loadW_ = Entry<LoadWFn>(module_, "ListLoadW");
    searchW_ = Entry<SearchWFn>(module_, "ListSearchTextW");
    printW_ = Entry<PrintWFn>(module_, "ListPrintW");
    previewW_ = Entry<PreviewWFn>(module_, "ListGetPreviewBitmapW");
    loadNext_ = Entry<LoadNextFn>(module_, "ListLoadNext");
    loadNextW_ = Entry<LoadNextWFn>(module_, "ListLoadNextW");
    if (!load_ || !close_) {
        Unload();
        return false;
    }
    SetDefaultParams();
    return true;
}

void Plugin::SetDefaultParams() const
{
    using SetDefaultsFn = void(WINAPI*)(DefaultParams*);
    const auto setDefaults = Entry<SetDefaultsFn>(module_, "ListSetDefaultParams");
    if (defaultIniName_.empty() || !setDefaults)
        return;
    DefaultParams params{reportedSize_ ? reportedSize_ : static_cast<int>(sizeof(DefaultParams)), 12, 2, {}};
    lstrcpynA(params.defaultIniName, defaultIniName_.c_str(), MAX_PATH);
    setDefaults(&params);
}

void Plugin::Unload()
{
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
    load_ = nullptr;
    close_ = nullptr;
    command_ = nullptr;
    detect_ = nullptr;
    search_ = nullptr;
    loadW_ = nullptr;
    searchW_ = nullptr;
    printW_ = nullptr;
    previewW_ = nullptr;
    loadNext_ = nullptr;
    loadNextW_ = nullptr;
}

HWND Plugin::ListLoad(HWND parent, const std::string& file, int showFlags) const
{
    std::vector<char> buffer(file.begin(), file.end());
    buffer.push_back('\0');
    return load_ ? load_(parent, buffer.data(), showFlags) : nullptr;
}

HWND Plugin::ListLoadW(HWND parent, const std::wstring& file, int showFlags) const
{
    std::wstring buffer = file;
    return loadW_ ? loadW_(parent, buffer.data(), showFlags) : nullptr;
}

int Plugin::ListLoadNext(HWND parent, HWND pluginWin, const std::string& file, int showFlags) const
{
    std::vector<char> buffer(file.begin(), file.end());
    buffer.push_back('\0');
    return loadNext_ ? loadNext_(parent, pluginWin, buffer.data(), showFlags) : 1;
}

int Plugin::ListLoadNextW(HWND parent, HWND pluginWin, const std::wstring& file, int showFlags) const
{
    std::wstring buffer = file;
    return loadNextW_ ? loadNextW_(parent, pluginWin, buffer.data(), showFlags) : 1;
}

int Plugin::ListSearchTextW(HWND listWin, const std::wstring& text, int parameter) const
{
    std::wstring buffer = text;
    return searchW_ ? searchW_(listWin, buffer.data(), parameter) : 1;
}

void Plugin::ListCloseWindow(HWND listWin) const
{
    if (close_)
        close_(listWin);
}

int Plugin::ListSendCommand(HWND listWin, int command, int parameter) const
{
    return command_ ? command_(listWin, command, parameter) : 1;
}

void Plugin::ListGetDetectString(char* buffer, int maxLength) const
{
    if (detect_)
        detect_(buffer, maxLength);
}

int Plugin::ListSearchText(HWND listWin, const char* text, int parameter) const
{
    std::vector<char> buffer(text, text + strlen(text) + 1);
    return search_ ? search_(listWin, buffer.data(), parameter) : 1;
}

int Plugin::ListPrintW(HWND listWin, const std::wstring& file, const std::wstring& printer, RECT* margins) const
{
    std::wstring fileBuffer = file, printerBuffer = printer;
    return printW_ ? printW_(listWin, fileBuffer.data(), printer.empty() ? nullptr : printerBuffer.data(), 0, margins) : 1;
}

// As the file manager asks: with the file's first bytes (up to 8 KiB).
HBITMAP Plugin::ListGetPreviewBitmapW(const std::wstring& file, int width, int height) const
{
    if (!previewW_)
        return nullptr;
    std::vector<char> head(8192);
    DWORD got = 0;
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        ReadFile(handle, head.data(), static_cast<DWORD>(head.size()), &got, nullptr);
        CloseHandle(handle);
    }
    std::wstring buffer = file;
    return previewW_(buffer.data(), width, height, head.data(), static_cast<int>(got));
}

}  // namespace listerhost
