#include <windows.h>

#include "frontends/win32/panes/PageFile_win.h"

#include "docfile/TempFiles.h"
#include "platform/CodePage.h"
#include "platform/win32/WideText.h"

#include <algorithm>

namespace viewer {
namespace {

bool WriteAll(HANDLE file, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

}  // namespace

bool PageFile::Write(text::PageFileKind kind, std::u16string_view text)
{
    Delete();
    const std::string bytes = PageFileBytes(kind, text, platform::AnsiCodePage());
    std::u16string path = docfile::TempFiles().Make(PageFileExtension(kind));
    if (path.empty())
        return false;
    HANDLE file = CreateFileW(win::WidePtr(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = WriteAll(file, bytes);
    const bool closed = CloseHandle(file) != FALSE;
    if (!written || !closed) {
        DeleteFileW(win::WidePtr(path));
        return false;
    }
    path_ = std::move(path);
    return true;
}

// A file the browser still holds stays listed and goes at the next close.
void PageFile::Delete()
{
    if (path_.empty())
        return;
    DeleteFileW(win::WidePtr(path_));
    path_.clear();
}

}  // namespace viewer
