#include "frontends/win32/print/PrintPages_win.h"

#include "core/print/TextPaging.h"
#include "core/search/VisibleText.h"
#include "frontends/win32/print/PrintTarget_win.h"

#include <richedit.h>

#include <algorithm>
#include <functional>

namespace viewer {
namespace {

constexpr int kHeaderPoints = 9;

core::PaperMetrics MetricsOf(HDC device)
{
    return {GetDeviceCaps(device, LOGPIXELSX),    GetDeviceCaps(device, LOGPIXELSY),
            GetDeviceCaps(device, HORZRES),       GetDeviceCaps(device, VERTRES),
            GetDeviceCaps(device, PHYSICALWIDTH), GetDeviceCaps(device, PHYSICALHEIGHT),
            GetDeviceCaps(device, PHYSICALOFFSETX), GetDeviceCaps(device, PHYSICALOFFSETY)};
}

RECT ToRect(const core::Box& box) { return {box.left, box.top, box.right, box.bottom}; }

// A font in the given face, `twips` high on the device.
class DeviceFont {
public:
    DeviceFont(HDC device, const wchar_t* face, LONG twips, bool bold = false)
    {
        LOGFONTW font{};
        font.lfHeight = -MulDiv(twips, GetDeviceCaps(device, LOGPIXELSY), 1440);
        font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
        handle_ = CreateFontIndirectW(&font);
    }
    ~DeviceFont() { DeleteObject(handle_); }
    DeviceFont(const DeviceFont&) = delete;
    DeviceFont& operator=(const DeviceFont&) = delete;
    HFONT Handle() const { return handle_; }
    int LineHeight(HDC device) const
    {
        const HGDIOBJ old = SelectObject(device, handle_);
        TEXTMETRICW metrics{};
        GetTextMetricsW(device, &metrics);
        SelectObject(device, old);
        return metrics.tmHeight + metrics.tmExternalLeading;
    }

private:
    HFONT handle_ = nullptr;
};

// The title on the left, "page / pages" on the right, a rule below.
void DrawHeader(HDC dc, const core::Box& header, const DeviceFont& font, const std::wstring& title, int page,
                int pages)
{
    if (header.IsEmpty())
        return;
    const HGDIOBJ old = SelectObject(dc, font.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT rect = ToRect(header);
    const std::wstring number = std::to_wstring(page) + L" / " + std::to_wstring(pages);
    DrawTextW(dc, number.c_str(), -1, &rect, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    SIZE numberSize{};
    GetTextExtentPoint32W(dc, number.c_str(), static_cast<int>(number.size()), &numberSize);
    rect.right = std::max(rect.left, rect.right - numberSize.cx - numberSize.cy);
    DrawTextW(dc, title.c_str(), -1, &rect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    const int rule = header.bottom + (header.bottom - header.top) / 4;
    MoveToEx(dc, header.left, rule, nullptr);
    LineTo(dc, header.right, rule);
    SelectObject(dc, old);
}

// The text as the reader sees it: what the link passes hide left out.
std::u16string VisibleTextOf(HWND edit)
{
    std::wstring text(static_cast<size_t>(std::max(GetWindowTextLengthW(edit), 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(edit, text.data(), static_cast<int>(text.size())), 0)));
    std::replace(text.begin(), text.end(), L'\t', L' ');
    const std::u16string whole(text.begin(), text.end());
    return core::VisibleText(whole, core::LinkPassHiddenRanges(whole)).Text();
}

struct Page {
    HDC dc;
    int number;
};

// Runs `draw` for each page between its begin and end; false when the
// device refused one.
template <class Draw>
bool PrintEachPage(PrintTarget& target, int pages, Draw draw)
{
    for (int i = 0; i < pages; ++i) {
        const HDC dc = target.BeginPage();
        if (!dc)
            return false;
        draw(Page{dc, i});
        if (!target.EndPage())
            return false;
    }
    return true;
}

bool PrintLaidOut(PrintTarget& target, HWND edit, const core::PageLayout& layout, const std::vector<LONG>& starts,
                  const std::function<void(const Page&, int)>& header)
{
    const core::PaperMetrics paper = MetricsOf(target.Device());
    const int pages = static_cast<int>(starts.size());
    const bool printed = PrintEachPage(target, pages, [&](const Page& page) {
        header(page, pages);
        FORMATRANGE range{};
        range.hdc = range.hdcTarget = page.dc;
        range.rc = range.rcPage = ToRect(core::ToTwips(layout.body, paper.dotsPerInchX, paper.dotsPerInchY));
        range.chrg = {starts[page.number], page.number + 1 < pages ? starts[page.number + 1] : -1};
        SendMessageW(edit, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    });
    SendMessageW(edit, EM_FORMATRANGE, FALSE, 0);
    return printed;
}

std::optional<int> PrintAsLines(PrintTarget& target, HWND edit, const core::PageLayout& layout,
                                const std::function<void(const Page&, int)>& header)
{
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    const HDC device = target.Device();
    const DeviceFont font(device, format.szFaceName, format.yHeight > 0 ? format.yHeight : 200);
    const int lineHeight = font.LineHeight(device);
    const std::u16string text = VisibleTextOf(edit);

    const HGDIOBJ old = SelectObject(device, font.Handle());
    const std::vector<core::TextLine> lines =
        core::WrapText(text, layout.body.Width(), [device](std::u16string_view part, int width) {
            int fits = 0;
            SIZE size{};
            GetTextExtentExPointW(device, reinterpret_cast<const wchar_t*>(part.data()), static_cast<int>(part.size()),
                                  width, &fits, nullptr, &size);
            return static_cast<size_t>(std::max(fits, 0));
        });
    SelectObject(device, old);
    const std::vector<size_t> firsts =
        core::PageFirstLines(lines.size(), lineHeight, layout.body.bottom - layout.body.top);

    const int pages = static_cast<int>(firsts.size());
    const bool printed = PrintEachPage(target, pages, [&](const Page& page) {
        header(page, pages);
        const HGDIOBJ previous = SelectObject(page.dc, font.Handle());
        SetBkMode(page.dc, TRANSPARENT);
        SetTextColor(page.dc, RGB(0, 0, 0));
        const size_t end = page.number + 1 < pages ? firsts[page.number + 1] : lines.size();
        int y = layout.body.top;
        for (size_t i = firsts[page.number]; i < end; ++i, y += lineHeight)
            TextOutW(page.dc, layout.body.left, y, reinterpret_cast<const wchar_t*>(text.c_str()) + lines[i].start,
                     static_cast<int>(lines[i].length));
        SelectObject(page.dc, previous);
    });
    return printed ? std::optional<int>(pages) : std::nullopt;
}

}  // namespace

std::vector<LONG> RichEditPageStarts(HDC device, HWND edit, const core::Box& bodyTwips)
{
    GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LONG length = static_cast<LONG>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
    FORMATRANGE range{};
    range.hdc = range.hdcTarget = device;
    range.rc = range.rcPage = ToRect(bodyTwips);
    std::vector<LONG> starts{0};
    for (LONG start = 0;;) {
        range.chrg = {start, -1};
        const LONG next = static_cast<LONG>(SendMessageW(edit, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range)));
        if (next >= length)
            break;
        if (next <= start) {
            starts.clear();
            break;
        }
        starts.push_back(start = next);
    }
    SendMessageW(edit, EM_FORMATRANGE, FALSE, 0);
    return length > 0 ? starts : std::vector<LONG>{0};
}

std::optional<int> PrintRichEdit(PrintTarget& target, HWND edit, const std::wstring& title,
                                 const std::optional<core::Margins>& margins)
{
    const HDC device = target.Device();
    if (!device || !edit)
        return std::nullopt;
    const DeviceFont headerFont(device, L"Arial", kHeaderPoints * 20);
    const core::PageLayout layout = core::LayOutPage(MetricsOf(device), margins, headerFont.LineHeight(device));
    if (layout.body.IsEmpty())
        return std::nullopt;
    const auto header = [&](const Page& page, int pages) {
        DrawHeader(page.dc, layout.header, headerFont, title, page.number + 1, pages);
    };
    const core::PaperMetrics paper = MetricsOf(device);
    const std::vector<LONG> starts =
        RichEditPageStarts(device, edit, core::ToTwips(layout.body, paper.dotsPerInchX, paper.dotsPerInchY));
    std::optional<int> pages;
    if (!starts.empty())
        pages = PrintLaidOut(target, edit, layout, starts, header) ? std::optional<int>(static_cast<int>(starts.size()))
                                                                  : std::nullopt;
    else
        pages = PrintAsLines(target, edit, layout, header);
    return target.Finish(pages.has_value()) ? pages : std::nullopt;
}

}  // namespace viewer
