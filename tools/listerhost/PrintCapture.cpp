#include "tools/listerhost/PrintCapture.h"

#include "tools/listerhost/Screenshot.h"

#include <cstring>

namespace listerhost {
namespace {

PrintCapture* gCapture = nullptr;

// Points the plug-in's import of `dll`!`name` at `replacement`; the
// import's previous target, or null when the plug-in does not import it.
void* ReplaceImport(HMODULE module, const char* dll, const char* name, void* replacement)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name; ++entry) {
        if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) ||
                strcmp(reinterpret_cast<const char*>(
                           reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name),
                       name) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            void* previous = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return previous;
        }
    }
    return nullptr;
}

struct Import {
    const char* dll;
    const char* name;
};
constexpr Import kImports[] = {{"comdlg32.dll", "PrintDlgW"}, {"gdi32.dll", "StartDocW"}, {"gdi32.dll", "StartPage"},
                               {"gdi32.dll", "EndPage"},      {"gdi32.dll", "EndDoc"},    {"gdi32.dll", "AbortDoc"}};

void Blank(HDC dc)
{
    RECT sheet{0, 0, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    FillRect(dc, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

}  // namespace

PrintCapture::PrintCapture(HMODULE plugin, std::wstring prefix) : plugin_(plugin), prefix_(std::move(prefix))
{
    if (!gCapture) {
        gCapture = this;
        Hook(true);
    }
}

PrintCapture::~PrintCapture()
{
    if (gCapture == this) {
        Hook(false);
        gCapture = nullptr;
    }
    DeleteObject(sheet_);
}

void PrintCapture::Hook(bool on)
{
    void* const replacements[] = {reinterpret_cast<void*>(&PrintDialog),   reinterpret_cast<void*>(&StartDocument),
                                  reinterpret_cast<void*>(&StartPage),     reinterpret_cast<void*>(&EndPage),
                                  reinterpret_cast<void*>(&EndDocument),   reinterpret_cast<void*>(&AbortDocument)};
    hooked_ = on;
    for (size_t i = 0; i < std::size(kImports); ++i) {
        void* previous = ReplaceImport(plugin_, kImports[i].dll, kImports[i].name, on ? replacements[i] : originals_[i]);
        if (on)
            originals_[i] = previous;
        hooked_ = hooked_ && (!on || previous);
    }
}

// The device is a memory device of the screen holding one sheet, which the
// plug-in deletes when it is done.
BOOL WINAPI PrintCapture::PrintDialog(PRINTDLGW* dialog)
{
    if (auto* names = dialog->hDevNames ? static_cast<DEVNAMES*>(GlobalLock(dialog->hDevNames)) : nullptr) {
        gCapture->preselected = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
        GlobalUnlock(dialog->hDevNames);
    }
    HDC screen = GetDC(nullptr);
    dialog->hDC = CreateCompatibleDC(screen);
    DeleteObject(gCapture->sheet_);
    gCapture->sheet_ = CreateCompatibleBitmap(screen, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
    ReleaseDC(nullptr, screen);
    SelectObject(dialog->hDC, gCapture->sheet_);
    return TRUE;
}

int WINAPI PrintCapture::StartDocument(HDC, const DOCINFOW* info)
{
    gCapture->document = info && info->lpszDocName ? info->lpszDocName : L"";
    return 1;
}

int WINAPI PrintCapture::StartPage(HDC dc)
{
    Blank(dc);
    return 1;
}

int WINAPI PrintCapture::EndPage(HDC dc)
{
    // A bitmap is read while no device holds it.
    const HGDIOBJ sheet = SelectObject(dc, CreateCompatibleBitmap(dc, 1, 1));
    const bool written = SaveBitmapPicture(static_cast<HBITMAP>(sheet),
                                           gCapture->prefix_ + std::to_wstring(gCapture->pages + 1) + L".png");
    DeleteObject(SelectObject(dc, sheet));
    gCapture->pages += written;
    return written ? 1 : -1;
}

int WINAPI PrintCapture::EndDocument(HDC)
{
    gCapture->ended = true;
    return 1;
}

int WINAPI PrintCapture::AbortDocument(HDC) { return 1; }

}  // namespace listerhost
