#include "frontends/win32/viewer/InformationPage_win.h"

#include "frontends/win32/panes/RichTextPane_win.h"
#include "model/Records.h"
#include "platform/win32/Module.h"
#include "platform/win32/WideText.h"

#include <cwchar>
#include <vector>

namespace viewer {
namespace {

// The date the module was built, as the compiler writes it ("Dec  6 2026").
constexpr char kBuildDate[] = __DATE__;

std::wstring QueryString(const std::vector<BYTE>& block, WORD language, WORD codePage, const wchar_t* name)
{
    wchar_t path[128];
    swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", language, codePage, name);
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path, &value, &length) || !value || length == 0)
        return {};
    const auto* text = static_cast<const wchar_t*>(value);
    return std::wstring(text, wcsnlen(text, length));
}

}  // namespace

std::optional<ModuleVersion> ReadVersionRecord(const std::wstring& path)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return std::nullopt;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return std::nullopt;
    void* root = nullptr;
    UINT rootLength = 0;
    if (!VerQueryValueW(block.data(), L"\\", &root, &rootLength) || !root || rootLength < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;

    ModuleVersion v;
    v.fileName = path;
    v.fixed = *static_cast<const VS_FIXEDFILEINFO*>(root);
    v.fileVersionMajor = std::to_wstring(HIWORD(v.fixed.dwFileVersionMS));
    v.fileVersionMinor = std::to_wstring(LOWORD(v.fixed.dwFileVersionMS));
    v.fileVersion = v.fileVersionMajor + L"." + v.fileVersionMinor + L"." +
                    std::to_wstring(HIWORD(v.fixed.dwFileVersionLS)) + L"." +
                    std::to_wstring(LOWORD(v.fixed.dwFileVersionLS));
    void* translation = nullptr;
    UINT translationLength = 0;
    if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translation, &translationLength) &&
        translation && translationLength >= 4) {
        v.language = static_cast<const WORD*>(translation)[0];
        v.codePage = static_cast<const WORD*>(translation)[1];
    }
    v.company = QueryString(block, v.language, v.codePage, L"CompanyName");
    v.legalNotice = QueryString(block, v.language, v.codePage, L"LegalCopyRight");
    v.productName = QueryString(block, v.language, v.codePage, L"ProductName");
    v.productVersionText = QueryString(block, v.language, v.codePage, L"ProductVersion");
    v.originalFileName = QueryString(block, v.language, v.codePage, L"OriginalFileName");
    v.description = QueryString(block, v.language, v.codePage, L"FileDescription");
    v.fileVersionText = QueryString(block, v.language, v.codePage, L"FileVersion");
    v.internalName = QueryString(block, v.language, v.codePage, L"InternalName");
    return v;
}

const core::Heading& GetHeading()
{
    static core::Heading heading;
    if (heading.title.empty()) {
        if (auto record = ReadVersionRecord(win::ThisModulePath())) {
            heading.title = core::HeadingTitle(win::U16(record->productVersionText), kBuildDate);
            heading.description = win::U16(record->description);
        }
    }
    return heading;
}

void ShowInformationPage(RichTextPane& pane, const model::CArchiveVersion& documentVersion)
{
    if (GetWindowTextLengthW(pane.Hwnd()) > 0)
        return;
    pane.SetPlainText(core::InformationText(GetHeading(), documentVersion));
    pane.CentreAll();
}

}  // namespace viewer
