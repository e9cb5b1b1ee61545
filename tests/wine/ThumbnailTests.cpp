// The notebook's card the file manager shows as a thumbnail, read back
// pixel by pixel.
#include "PluginFixture.h"

#include "core/thumbnail/CardLayout.h"
#include "tests/kit/Document.h"
#include "tests/kit/TourBook.h"

namespace wine_tests {
namespace {

using Thumbnails = PluginTest;

struct Card {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // top-down
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // Pixels darker than mid-grey in rows [top, bottom).
    int DarkIn(int top, int bottom) const
    {
        int dark = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
            for (int x = 0; x < width; ++x)
                dark += GetRValue(At(x, y)) + GetGValue(At(x, y)) + GetBValue(At(x, y)) < 3 * 100;
        return dark;
    }
};

// Reads and deletes the bitmap, as the host does.
std::optional<Card> Read(HBITMAP bitmap)
{
    if (!bitmap)
        return std::nullopt;
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    Card card{size.bmWidth, size.bmHeight, std::vector<COLORREF>(static_cast<size_t>(size.bmWidth) * size.bmHeight)};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, card.width, -card.height, 1, 32, BI_RGB};
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, card.height, card.pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (COLORREF& pixel : card.pixels)  // BGRX to COLORREF
        pixel = RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel));
    return card;
}

TEST_F(Thumbnails, ACardAsLargeAsFitsUprightOrNothingAndNeverAQuestion)
{
    const std::vector<uint8_t> tour = kit::WriteDocument(kit::MakeTourBook());
    const std::wstring tourPath = WriteFile(L"tour.vnb", tour);
    struct Case {
        std::wstring file;
        int width, height;
        int cardWidth, cardHeight;  // 0: no card
    } cases[] = {
        {tourPath, 200, 200, 150, 200},
        {tourPath, 90, 300, 90, 120},
        {tourPath, 0, 100, 0, 0},
        {ProtectedPath(), 200, 200, 0, 0},
        {WriteFile(L"broken.vnb", {tour.begin(), tour.begin() + 100}), 200, 200, 0, 0},
        {WriteFile(L"tour.txt", tour), 200, 200, 0, 0},
        {folder + L"missing.vnb", 200, 200, 0, 0},
    };
    for (const Case& c : cases) {
        const std::optional<Card> card = Read(plugin.ListGetPreviewBitmapW(c.file, c.width, c.height));
        EXPECT_EQ(card ? card->width : 0, c.cardWidth) << Narrow(c.file);
        EXPECT_EQ(card ? card->height : 0, c.cardHeight) << Narrow(c.file);
    }
    using NarrowEntry = HBITMAP(WINAPI*)(char*, int, int, char*, int);
    const auto narrow = reinterpret_cast<NarrowEntry>(
        reinterpret_cast<void*>(GetProcAddress(plugin.Module(), "ListGetPreviewBitmap")));
    ASSERT_NE(narrow, nullptr);
    std::string name = Narrow(tourPath);
    EXPECT_EQ(Read(narrow(name.data(), 120, 400, nullptr, 0))->height, 160);
    EXPECT_TRUE(dialogs->Seen().empty());
}

TEST_F(Thumbnails, TheTitleAndTheFirstLinesOfTextOnWhitePaperWithAnEdge)
{
    std::u16string text;
    for (int i = 0; i < 12; ++i)
        text += u"MMMMMMMMMMMMMMMMMMMM\r\n";
    kit::BookSpec book = BookUnderRoot({Page(2, 1, 4, u"Folder"), Page(3, 2, 0, u"Page")});
    book.pages[2].text = text;
    const std::optional<Card> full =
        Read(plugin.ListGetPreviewBitmapW(WriteFile(L"full.vnb", kit::WriteDocument(book)), 300, 400));
    book.pages[2].kind = 3;  // HTML: no lines on the card
    const std::optional<Card> bare =
        Read(plugin.ListGetPreviewBitmapW(WriteFile(L"bare.vnb", kit::WriteDocument(book)), 300, 400));
    ASSERT_TRUE(full && bare);
    const core::CardLayout layout = *core::LayOutCard(300, 400);
    for (const Card& card : {*full, *bare}) {
        EXPECT_EQ(card.At(card.width / 2, card.height - 2), RGB(255, 255, 255)) << "paper";
        EXPECT_EQ(card.At(0, card.height / 2), RGB(160, 160, 160)) << "edge";
        EXPECT_GT(card.DarkIn(layout.margin, layout.margin + layout.titleHeight), 20) << "the title";
    }
    const int textTop = full->height / 2;  // below the title and the count
    EXPECT_GT(full->DarkIn(textTop, full->height), 200) << "lines of text";
    EXPECT_EQ(bare->DarkIn(textTop, bare->height), 0) << "no text page, no lines";
}

}  // namespace
}  // namespace wine_tests
