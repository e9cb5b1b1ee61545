#include <windows.h>

#include "docfile/TempFiles.h"
#include "platform/win32/WideText.h"

namespace docfile {
namespace {

using PathFileExistsFn = BOOL(WINAPI*)(LPCWSTR);

class WinTempFileSystem final : public TempFileSystem {
public:
    std::u16string UniqueTempName(uint32_t attempt) override
    {
        wchar_t folder[MAX_PATH + 1] = {};
        DWORD length = GetTempPathW(MAX_PATH, folder);
        if (length == 0 || length >= MAX_PATH)
            return {};
        if (folder[length - 1] != L'\\')
            folder[length++] = L'\\', folder[length] = 0;
        // With a non-zero unique number the system builds the name from it
        // and creates nothing.
        wchar_t name[MAX_PATH + 16] = {};
        UINT unique = GetTickCount() + attempt;
        if (unique == 0)
            unique = 1;  // zero would make the system create a file
        if (GetTempFileNameW(folder, L"abcd", unique, name) == 0)
            return {};
        return win::U16(name);
    }

    // Exists unless the shell says otherwise or the attributes say directory;
    // unreadable attributes count as existing only when access is denied.
    bool Exists(const std::u16string& path) override
    {
        const wchar_t* wide = win::WidePtr(path);
        const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        bool exists;
        if (PathFileExistsFn pathFileExists = ShellPathFileExists(); pathFileExists && !pathFileExists(wide)) {
            exists = false;
        } else {
            const DWORD attributes = GetFileAttributesW(wide);
            if (attributes != INVALID_FILE_ATTRIBUTES)
                exists = (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
            else
                exists = GetLastError() == ERROR_ACCESS_DENIED;
        }
        SetErrorMode(oldMode);
        return exists;
    }

    void Delete(const std::u16string& path) override
    {
        DeleteFileW(win::WidePtr(path));
    }

private:
    static PathFileExistsFn ShellPathFileExists()
    {
        static PathFileExistsFn fn = [] {
            HMODULE shlwapi = LoadLibraryW(L"shlwapi.dll");
            return shlwapi ? reinterpret_cast<PathFileExistsFn>(
                                 reinterpret_cast<void*>(GetProcAddress(shlwapi, "PathFileExistsW")))
                           : nullptr;
        }();
        return fn;
    }
};

}  // namespace

TempFileList& TempFiles()
{
    static WinTempFileSystem fileSystem;
    static TempFileList list(fileSystem);
    return list;
}

}  // namespace docfile
