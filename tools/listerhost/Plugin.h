#pragma once
// A Lister plug-in DLL and its entry points, called as a host calls them.
#include <windows.h>

#include <string>

namespace listerhost {

class Plugin {
public:
    Plugin() = default;
    ~Plugin() { Unload(); }
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    // Hands the name to the plug-in's ListSetDefaultParams right after each
    // Load, as a Lister does (which passes the file it keeps its own
    // settings in); an empty name, the default, calls nothing. A size other
    // than 0 is reported instead of the structure's own, as an older host's.
    void SetDefaultIniName(const std::string& name, int reportedSize = 0)
    {
        defaultIniName_ = name;
        reportedSize_ = reportedSize;
    }
    bool Load(const std::wstring& path);
    void Unload();
    bool IsLoaded() const { return module_ != nullptr; }
    HMODULE Module() const { return module_; }

    HWND ListLoad(HWND parent, const std::string& file, int showFlags) const;
    // The wide forms; null or 1 when the plug-in has none.
    bool HasWideEntries() const { return loadW_ != nullptr; }
    HWND ListLoadW(HWND parent, const std::wstring& file, int showFlags) const;
    // The next file into the plug-in's window; 1 (the host loads afresh)
    // when the plug-in has no such entry.
    int ListLoadNext(HWND parent, HWND pluginWin, const std::string& file, int showFlags) const;
    int ListLoadNextW(HWND parent, HWND pluginWin, const std::wstring& file, int showFlags) const;
    int ListSearchTextW(HWND listWin, const std::wstring& text, int parameter) const;
    void ListCloseWindow(HWND listWin) const;
    int ListSendCommand(HWND listWin, int command, int parameter) const;
    void ListGetDetectString(char* buffer, int maxLength) const;
    int ListSearchText(HWND listWin, const char* text, int parameter) const;
    // Margins in tenths of a millimetre, or null. 1 when the plug-in cannot print.
    int ListPrintW(HWND listWin, const std::wstring& file, const std::wstring& printer, RECT* margins) const;
    // The host's to delete; null when the plug-in has none to give.
    HBITMAP ListGetPreviewBitmapW(const std::wstring& file, int width, int height) const;

private:
    using LoadFn = HWND(WINAPI*)(HWND, char*, int);
    using CloseFn = void(WINAPI*)(HWND);
    using CommandFn = int(WINAPI*)(HWND, int, int);
    using DetectFn = void(WINAPI*)(char*, int);
    using SearchFn = int(WINAPI*)(HWND, char*, int);
    using LoadWFn = HWND(WINAPI*)(HWND, wchar_t*, int);
    using SearchWFn = int(WINAPI*)(HWND, wchar_t*, int);
    using PrintWFn = int(WINAPI*)(HWND, wchar_t*, wchar_t*, int, RECT*);
    using PreviewWFn = HBITMAP(WINAPI*)(wchar_t*, int, int, char*, int);
    using LoadNextFn = int(WINAPI*)(HWND, HWND, char*, int);
    using LoadNextWFn = int(WINAPI*)(HWND, HWND, wchar_t*, int);
    void SetDefaultParams() const;

    std::string defaultIniName_;
    int reportedSize_ = 0;

    HMODULE module_ = nullptr;
    LoadFn load_ = nullptr;
    CloseFn close_ = nullptr;
    CommandFn command_ = nullptr;
    DetectFn detect_ = nullptr;
    SearchFn search_ = nullptr;
    LoadWFn loadW_ = nullptr;
    SearchWFn searchW_ = nullptr;
    PrintWFn printW_ = nullptr;
    PreviewWFn previewW_ = nullptr;
    LoadNextFn loadNext_ = nullptr;
    LoadNextWFn loadNextW_ = nullptr;
};

}  // namespace listerhost
