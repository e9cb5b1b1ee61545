#include "frontends/win32/tree/PageTreeImages_win.h"

#include "docfile/TempFiles.h"
#include "model/Icon.h"
#include "model/PageTree.h"
#include "platform/win32/Module.h"
#include "resources/ResourceIds.h"

#include <shellapi.h>
#include <versionhelpers.h>

#include <string>

namespace viewer {
namespace {

constexpr int kIconSize = 16;
using ShellFileInfoFn = DWORD_PTR(WINAPI*)(LPCWSTR, DWORD, SHFILEINFOW*, UINT, UINT);

// The shell library is only needed for these few look-ups.
HICON ShellIcon(const std::wstring& path, DWORD attributes, UINT flags)
{
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    if (!shell)
        return nullptr;
    HICON icon = nullptr;
    if (auto query = reinterpret_cast<ShellFileInfoFn>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetFileInfoW")))) {
        SHFILEINFOW info{};
        if (query(path.c_str(), attributes, &info, sizeof info, flags | SHGFI_ICON | SHGFI_SMALLICON))
            icon = info.hIcon;
    }
    FreeLibrary(shell);
    return icon;
}

HICON ResourceIcon(int id)
{
    return static_cast<HICON>(LoadImageW(win::ThisModule(), MAKEINTRESOURCEW(id), IMAGE_ICON, kIconSize, kIconSize, 0));
}

HICON FolderIcon(bool open)
{
    std::wstring folder;
    if (IsWindowsVistaOrGreater()) {
        folder = win::ThisModuleFolder();
        if (folder.size() > 3 && folder.back() == L'\\')
            folder.pop_back();
    }
    HICON icon = ShellIcon(folder, FILE_ATTRIBUTE_DIRECTORY, SHGFI_USEFILEATTRIBUTES | (open ? SHGFI_OPENICON : 0));
    return icon ? icon : ResourceIcon(open ? IDI_FOLDER_OPEN : IDI_FOLDER_CLOSED);
}

// The icon the system shows for an (empty) file of that type. The file is
// made under a listed temporary name, so that it is deleted at the latest
// when the viewer closes.
HICON FileTypeIcon(const wchar_t* extension)
{
    std::u16string made = docfile::TempFiles().Make(std::u16string(extension, extension + wcslen(extension)));
    std::wstring path(made.begin(), made.end());
    HICON icon = nullptr;
    if (!path.empty()) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            icon = ShellIcon(path, 0, 0);
            DeleteFileW(path.c_str());
        }
    }
    // Without a file, the shell can still answer for the type alone.
    if (!icon)
        icon = ShellIcon(std::wstring(L"x.") + extension, FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES);
    return icon;
}

// Adds the icon and destroys it. A missing icon still takes its place, as a
// blank image, so that every later index stays what the tree expects.
void AddStandard(HIMAGELIST list, HICON icon)
{
    if (icon && ImageList_AddIcon(list, icon) >= 0) {
        DestroyIcon(icon);
        return;
    }
    if (icon)
        DestroyIcon(icon);
    HDC screen = GetDC(nullptr);
    HBITMAP blank = CreateCompatibleBitmap(screen, kIconSize, kIconSize);
    HBITMAP mask = CreateBitmap(kIconSize, kIconSize, 1, 1, nullptr);
    ReleaseDC(nullptr, screen);
    if (blank && mask) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, mask);
        PatBlt(dc, 0, 0, kIconSize, kIconSize, WHITENESS);  // all transparent
        SelectObject(dc, old);
        DeleteDC(dc);
        ImageList_Add(list, blank, mask);
    }
    if (blank)
        DeleteObject(blank);
    if (mask)
        DeleteObject(mask);
}

}  // namespace

PageTreeImages::~PageTreeImages()
{
    if (list_)
        ImageList_Destroy(list_);
}

HIMAGELIST PageTreeImages::Create(COLORREF background)
{
    if (list_)
        return list_;
    list_ = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, 100, 50);
    if (!list_)
        return nullptr;
    ImageList_SetBkColor(list_, background);
    AddStandard(list_, FolderIcon(false));     // model::kImageClosedFolder
    AddStandard(list_, FolderIcon(true));      // model::kImageOpenFolder
    AddStandard(list_, FileTypeIcon(L"txt"));  // model::kImageTextFile
    AddStandard(list_, FileTypeIcon(L"rtf"));  // model::kImageRtfFile
    AddStandard(list_, FileTypeIcon(L"htm"));  // model::kImageHtmlFile
    AddStandard(list_, ResourceIcon(IDI_RECYCLE_FULL));
    AddStandard(list_, ResourceIcon(IDI_RECYCLE_EMPTY));
    return list_;
}

int PageTreeImages::AddOwnIcon(const model::CIcon& icon)
{
    if (!list_)
        return -1;
    std::optional<model::IconImage> image = icon.Image(kIconSize, kIconSize);
    if (!image)
        return -1;
    HICON handle = CreateIcon(win::ThisModule(), image->width, image->height, image->planes, image->bitsPixel,
                              image->andBits.data(), image->xorBits.data());
    if (!handle)
        return -1;
    int index = ImageList_AddIcon(list_, handle);
    DestroyIcon(handle);
    return index;
}

}  // namespace viewer
