#include "frontends/win32/thumbnail/PreviewBitmap_win.h"

#include "core/thumbnail/CardContent.h"
#include "core/thumbnail/CardLayout.h"
#include "docfile/ByteSource.h"
#include "opening/OpenDocument.h"
#include "opening/ReadDocument.h"

#include <algorithm>
#include <chrono>
#include <string>

namespace viewer {
namespace {

constexpr auto kReadingTime = std::chrono::seconds(1);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kEdge = RGB(160, 160, 160);
constexpr COLORREF kTitleInk = RGB(0, 0, 0);
constexpr COLORREF kCountInk = RGB(96, 96, 96);
constexpr COLORREF kTextInk = RGB(48, 48, 48);

HFONT CardFont(int height, bool bold)
{
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = -height;
    font.lfWidth = 0;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfQuality = ANTIALIASED_QUALITY;
    return CreateFontIndirectW(&font);
}

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// Draws `text` in `rect` with the font and ink; returns the height used.
int Write(HDC dc, const std::wstring& text, RECT rect, int height, bool bold, COLORREF ink, UINT format)
{
    const HFONT font = CardFont(height, bold);
    const HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, ink);
    const int used = DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                               format | DT_NOPREFIX | DT_END_ELLIPSIS | DT_EDITCONTROL);
    SelectObject(dc, old);
    DeleteObject(font);
    return std::min(used, static_cast<int>(rect.bottom - rect.top));
}

void DrawCard(HDC dc, const core::CardLayout& card, const core::CardContent& content, const std::wstring& fallbackTitle)
{
    RECT whole{0, 0, card.width, card.height};
    const HBRUSH paper = CreateSolidBrush(kPaper);
    FillRect(dc, &whole, paper);
    DeleteObject(paper);
    const HBRUSH edge = CreateSolidBrush(kEdge);
    FrameRect(dc, &whole, edge);
    DeleteObject(edge);
    SetBkMode(dc, TRANSPARENT);

    const int m = card.margin;
    RECT area{m, m, card.width - m, card.height - m};
    // The title takes at most two lines.
    RECT titleRect{area.left, area.top, area.right, area.top + 2 * card.titleHeight + card.titleHeight / 2};
    const std::wstring title = content.title.empty() ? fallbackTitle : Wide(content.title);
    area.top += Write(dc, title, titleRect, card.titleHeight, true, kTitleInk, DT_WORDBREAK);
    const std::wstring count =
        std::to_wstring(content.pageCount) + (content.pageCount == 1 ? L" page" : L" pages");
    area.top += Write(dc, count, area, card.countHeight, false, kCountInk, DT_SINGLELINE);
    area.top += card.countHeight / 2;
    const HPEN rule = CreatePen(PS_SOLID, 1, kEdge);
    const HGDIOBJ oldPen = SelectObject(dc, rule);
    MoveToEx(dc, area.left, area.top, nullptr);
    LineTo(dc, area.right, area.top);
    SelectObject(dc, oldPen);
    DeleteObject(rule);
    area.top += card.countHeight / 2;
    // Whole lines only, as many as the card holds.
    for (const std::u16string& line : content.lines) {
        if (area.top + card.textHeight > area.bottom)
            break;
        area.top += Write(dc, Wide(line), area, card.textHeight, false, kTextInk, DT_SINGLELINE);
    }
}

}  // namespace

HBITMAP PreviewBitmap(const std::filesystem::path& file, int width, int height)
{
    const std::optional<core::CardLayout> card = core::LayOutCard(width, height);
    if (!card || !opening::IsDocumentName(file.filename().u16string()))
        return nullptr;
    const std::unique_ptr<docfile::FileSource> source = opening::OpenForReading(file);
    if (!source)
        return nullptr;
    const auto deadline = std::chrono::steady_clock::now() + kReadingTime;
    const std::optional<core::CardContent> content =
        core::ReadCardContent(*source, [deadline] { return std::chrono::steady_clock::now() > deadline; });
    if (!content)
        return nullptr;

    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, card->width, card->height);
    if (memory && bitmap) {
        const HGDIOBJ old = SelectObject(memory, bitmap);
        DrawCard(memory, *card, *content, file.stem().wstring());
        SelectObject(memory, old);
    } else if (bitmap) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace viewer
