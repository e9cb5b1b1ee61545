#include "platform/win32/WindowClass.h"

#include "platform/win32/Module.h"

#include <mutex>
#include <string>
#include <vector>

namespace win {
namespace {

std::mutex gMutex;

std::vector<std::wstring>& Registered()
{
    static std::vector<std::wstring> names;
    return names;
}

}  // namespace

bool RegisterWindowClass(WNDCLASSEXW wc)
{
    std::lock_guard<std::mutex> lock(gMutex);
    wc.cbSize = sizeof wc;
    wc.hInstance = ThisModule();
    for (const std::wstring& name : Registered())
        if (name == wc.lpszClassName)
            return true;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    Registered().emplace_back(wc.lpszClassName);
    return true;
}

void UnregisterWindowClasses()
{
    std::lock_guard<std::mutex> lock(gMutex);
    for (const std::wstring& name : Registered())
        UnregisterClassW(name.c_str(), ThisModule());
    Registered().clear();
}

}  // namespace win
