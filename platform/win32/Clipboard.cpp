#include "platform/win32/Clipboard.h"

#include <cstring>

namespace win {
namespace {

HGLOBAL CopyToGlobal(const void* bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size ? size : 1);
    if (!block)
        return nullptr;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return nullptr;
    }
    if (size)
        std::memcpy(target, bytes, size);
    GlobalUnlock(block);
    return block;
}

bool SetOne(UINT format, const void* bytes, size_t size)
{
    HGLOBAL block = CopyToGlobal(bytes, size);
    if (!block)
        return false;
    if (!SetClipboardData(format, block)) {
        GlobalFree(block);
        return false;
    }
    return true;
}

}  // namespace

bool SetClipboardBytes(UINT format, const void* bytes, size_t size)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    bool ok = SetOne(format, bytes, size);
    LCID locale = GetThreadLocale();
    SetOne(CF_LOCALE, &locale, sizeof locale);
    CloseClipboard();
    return ok;
}

bool SetClipboardText(const std::wstring& text)
{
    return SetClipboardBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

}  // namespace win
