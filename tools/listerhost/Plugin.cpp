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

}  // namespace listerhost
