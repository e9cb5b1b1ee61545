// Printing what the viewer shows, onto a metafile per page: a header with
// the page's title and number, and every line of the text once, in order.
#include "InProcessFixture.h"

#include "frontends/win32/print/PrintTarget_win.h"
#include "frontends/win32/print/PrintViewer_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "tests/kit/Document.h"

#include <numeric>

namespace wine_tests {
namespace {

struct DrawnText {
    std::wstring text;
    LONG top = 0;
};

// The strings a metafile draws, in order.
std::vector<DrawnText> TextsOf(const std::wstring& path)
{
    std::vector<DrawnText> texts;
    const HENHMETAFILE metafile = GetEnhMetaFileW(path.c_str());
    EnumEnhMetaFile(
        nullptr, metafile,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM found) -> int {
            if (record->iType == EMR_EXTTEXTOUTW) {
                const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
                const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                                     text->emrtext.offString);
                reinterpret_cast<std::vector<DrawnText>*>(found)->push_back(
                    {std::wstring(chars, text->emrtext.nChars), text->emrtext.ptlReference.y});
            }
            return 1;
        },
        &texts, nullptr);
    DeleteEnhMetaFile(metafile);
    return texts;
}

// Lines with a space after each.
std::wstring Joined(const std::vector<std::wstring>& lines)
{
    return std::accumulate(lines.begin(), lines.end(), std::wstring(),
                           [](std::wstring all, const std::wstring& line) { return std::move(all) + line + L" "; });
}

struct Printout {
    int pages = 0;
    std::vector<std::wstring> headers;  // "title n / N" per page
    std::vector<std::wstring> body;     // the lines of every page
    LONG top = LONG_MAX, bottom = 0;    // of the body's lines, a line's pitch below the last
};

class Printing : public InProcess {
protected:
    Printout Print(viewer::ViewerWindow& viewer, const std::optional<core::Margins>& margins)
    {
        const std::wstring prefix = folder + L"printed" + std::to_wstring(++printouts_) + L"_";
        viewer::MetafileTarget target(prefix);
        Printout printout;
        printout.pages = viewer::PrintTextPane(viewer, target, margins).value_or(-1);
        for (int page = 1; page <= printout.pages; ++page) {
            const std::vector<DrawnText> texts = TextsOf(prefix + std::to_wstring(page) + L".emf");
            if (texts.size() < 2)
                continue;
            printout.headers.push_back(texts[1].text + L" " + texts[0].text);
            for (size_t i = 2; i < texts.size(); ++i)
                printout.body.push_back(texts[i].text);
            if (texts.size() > 3) {
                printout.top = std::min(printout.top, texts[2].top);
                printout.bottom = std::max(printout.bottom, 2 * texts.back().top - texts[texts.size() - 2].top);
            }
        }
        return printout;
    }
    int printouts_ = 0;
};

TEST_F(Printing, EveryLineOncePageAfterPageUnderAHeaderWithTitleAndNumber)
{
    std::wstring numbered, words;
    std::vector<std::wstring> lines;
    for (int i = 1; i <= 150; ++i) {
        lines.push_back(L"Line " + std::to_wstring(i));
        numbered += lines.back() + L"\r\n";
        words += L"word" + std::to_wstring(i) + L" ";
    }
    numbered.resize(numbered.size() - 2);
    const kit::BookSpec book = BookUnderRoot({Page(2, 1, 0, u"Numbers"), Page(3, 1, 0, u"Words")});
    kit::BookSpec written = book;
    written.pages[1].text = std::u16string(numbered.begin(), numbered.end());
    written.pages[2].text = std::u16string(words.begin(), words.end());
    viewer::ViewerWindow& viewer = Open(WriteFile(L"print.vnb", kit::WriteDocument(written)));

    // Before a page is chosen, the information page, named by the file.
    const Printout information = Print(viewer, std::nullopt);
    ASSERT_EQ(information.pages, 1);
    EXPECT_EQ(information.headers[0], L"print.vnb 1 / 1");
    EXPECT_NE(Joined(information.body).find(L"Select node on tree pane for data viewing."), std::wstring::npos);

    viewer.Tree()->SelectPage(2);
    const std::optional<core::Margins> margins[] = {std::nullopt, core::Margins{100, 100, 100, 100},
                                                   core::Margins{200, 600, 200, 600}};
    int fewest = 0;
    for (const auto& margin : margins) {
        const Printout printout = Print(viewer, margin);
        ASSERT_GT(printout.pages, 1);
        EXPECT_EQ(printout.body, lines) << printout.pages << " pages";
        for (int page = 1; page <= printout.pages; ++page)
            EXPECT_EQ(printout.headers[page - 1], L"Numbers " + std::to_wstring(page) + L" / " +
                                                      std::to_wstring(printout.pages));
        if (!margin || margin->top == 100) {
            fewest = printout.pages;
        } else {
            EXPECT_GT(printout.pages, fewest) << "wider margins take more pages";
            // 60 mm at the screen's 96 dots to the inch, the metafiles' measure.
            const HDC screen = GetDC(nullptr);
            const int height = GetDeviceCaps(screen, VERTRES);
            ReleaseDC(nullptr, screen);
            EXPECT_GT(printout.top, 227) << "below the header";
            EXPECT_LE(printout.bottom, height - 227) << "the last line's foot";
        }
    }

    // A paragraph wider than the page, broken between its words.
    viewer.Tree()->SelectPage(3);
    const Printout wrapped = Print(viewer, core::Margins{500, 100, 500, 100});
    ASSERT_GT(wrapped.body.size(), 3u);
    EXPECT_EQ(Joined(wrapped.body), words);
}

}  // namespace
}  // namespace wine_tests
