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

using ShellFileInfoFn = DWORD_PTR(WINAPI*)(LPCWSTR, DWORD, SHFILEINFOW*, UINT, UINT);

// The shell library is only needed for these few look-ups.
HICON ShellIcon(const std::wstring& path, DWORD attributes, UINT flags, int size)
{
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    if (!shell)
        return nullptr;
    HICON icon = nullptr;
    if (auto query = reinterpret_cast<ShellFileInfoFn>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetFileInfoW")))) {
        SHFILEINFOW info{};
        // The list draws an icon at its own size: the system's large icon
        // for larger images scales down cleanly.
        const UINT which = size > GetSystemMetrics(SM_CXSMICON) ? SHGFI_LARGEICON : SHGFI_SMALLICON;
        if (query(path.c_str(), attributes, &info, sizeof info, flags | SHGFI_ICON | which))
            icon = info.hIcon;
    }
    FreeLibrary(shell);
    return icon;
}

// The frame of that size from the resource (there are 16, 20, 24 and 32
// pixels).
HICON ResourceIcon(int id, int size)
{
    return static_cast<HICON>(LoadImageW(win::ThisModule(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

HICON FolderIcon(bool open, int size)
{
    std::wstring folder;
    if (IsWindowsVistaOrGreater()) {
        folder = win::ThisModuleFolder();
        if (folder.size() > 3 && folder.back() == L'\\')
            folder.pop_back();
    }
    HICON icon =
        ShellIcon(folder, FILE_ATTRIBUTE_DIRECTORY, SHGFI_USEFILEATTRIBUTES | (open ? SHGFI_OPENICON : 0), size);
    return icon ? icon : ResourceIcon(open ? IDI_FOLDER_OPEN : IDI_FOLDER_CLOSED, size);
}

// The icon the system shows for an (empty) file of that type. The file is
// made under a listed temporary name, so that it is deleted at the latest
// when the viewer closes.
HICON FileTypeIcon(const wchar_t* extension, int size)
{
    std::u16string made = docfile::TempFiles().Make(std::u16string(extension, extension + wcslen(extension)));
    std::wstring path(made.begin(), made.end());
    HICON icon = nullptr;
    if (!path.empty()) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            icon = ShellIcon(path, 0, 0, size);
            DeleteFileW(path.c_str());
        }
    }
    // Without a file, the shell can still answer for the type alone.
    if (!icon)
        icon = ShellIcon(std::wstring(L"x.") + extension, FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES, size);
    return icon;
}

// Adds the icon and destroys it. A missing icon still takes its place, as a
// blank image, so that every later index stays what the tree expects.
void AddStandard(HIMAGELIST list, HICON icon, int size)
{
    if (icon && ImageList_AddIcon(list, icon) >= 0) {
        DestroyIcon(icon);
        return;
    }
    if (icon)
        DestroyIcon(icon);
    HDC screen = GetDC(nullptr);
    HBITMAP blank = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ReleaseDC(nullptr, screen);
    if (blank && mask) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, mask);
        PatBlt(dc, 0, 0, size, size, WHITENESS);  // all transparent
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

HIMAGELIST PageTreeImages::Create(COLORREF background, int size)
{
    if (!list_)
        list_ = MakeList(background, size);
    return list_;
}

HIMAGELIST PageTreeImages::MakeList(COLORREF background, int size)
{
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 100, 50);
    if (!list)
        return nullptr;
    size_ = size;
    ImageList_SetBkColor(list, background);
    AddStandard(list, FolderIcon(false, size), size);     // model::kImageClosedFolder
    AddStandard(list, FolderIcon(true, size), size);      // model::kImageOpenFolder
    AddStandard(list, FileTypeIcon(L"txt", size), size);  // model::kImageTextFile
    AddStandard(list, FileTypeIcon(L"rtf", size), size);  // model::kImageRtfFile
    AddStandard(list, FileTypeIcon(L"htm", size), size);  // model::kImageHtmlFile
    AddStandard(list, ResourceIcon(IDI_RECYCLE_FULL, size), size);
    AddStandard(list, ResourceIcon(IDI_RECYCLE_EMPTY, size), size);
    return list;
}

HIMAGELIST PageTreeImages::Resize(int size)
{
    if (!list_)
        return nullptr;
    if (size == size_)
        return list_;
    HIMAGELIST old = list_;
    list_ = MakeList(ImageList_GetBkColor(old), size);
    if (!list_) {
        list_ = old;
        return nullptr;
    }
    for (const model::CIcon* icon : ownIcons_)
        if (icon && AddIcon(*icon) < 0)
            AddStandard(list_, nullptr, size);  // the indices after it stay
    ImageList_Destroy(old);
    return list_;
}

void PageTreeImages::SetBackground(COLORREF background)
{
    if (list_)
        ImageList_SetBkColor(list_, background);
}

int PageTreeImages::AddOwnIcon(const model::CIcon& icon)
{
    const int index = AddIcon(icon);
    if (index >= 0)
        ownIcons_.push_back(&icon);
    return index;
}

int PageTreeImages::AddIcon(const model::CIcon& icon)
{
    if (!list_)
        return -1;
    // Stored icons are 16 pixels; the list stretches them to its size.
    constexpr int kStoredSize = 16;
    std::optional<model::IconImage> image = icon.Image(kStoredSize, kStoredSize);
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
