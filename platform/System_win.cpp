#include "platform/System.h"
#include "platform/win32/WideText.h"

#include <windows.h>

namespace platform {

double CurrentOleDate()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    FileTimeToLocalFileTime(&ft, &ft);
    ULARGE_INTEGER t;
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    // FILETIME counts 100 ns from 1601-01-01; 109205 days separate it from 1899-12-30.
    return static_cast<double>(t.QuadPart) / 864000000000.0 - 109205.0;
}

std::array<uint16_t, 8> CurrentLocalSystemTime()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDayOfWeek, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::u16string ComputerName()
{
    wchar_t name[260] = {};
    DWORD size = 260;
    if (!GetComputerNameW(name, &size))
        return {};
    return win::U16(std::wstring_view(name, size));
}

std::u16string UserName()
{
    wchar_t name[260] = {};
    DWORD size = 260;
    if (!GetUserNameW(name, &size) || size == 0)
        return {};
    return win::U16(std::wstring_view(name, size - 1));
}

uint32_t WindowColour() { return GetSysColor(COLOR_WINDOW); }
uint32_t WindowTextColour() { return GetSysColor(COLOR_WINDOWTEXT); }

std::u16string ToLower(std::u16string text)
{
    if (!text.empty())
        CharLowerBuffW(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
    return text;
}

std::u16string ToUpper(std::u16string text)
{
    if (!text.empty())
        CharUpperBuffW(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace platform
