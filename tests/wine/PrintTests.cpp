// Printing what the viewer shows, onto a metafile per page: a header with
// the page's title and number, and every line of the text once, in order.
#include "InProcessFixture.h"

#include "frontends/win32/print/PrintTarget_win.h"
#include "frontends/win32/print/PrintViewer_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "tests/kit/Document.h"
#include "tools/listerhost/PrintCapture.h"
#include "tools/listerhost/TreeSelect.h"

#include <numeric>

namespace wine_tests {
namespace {

// Each page an enhanced metafile of its own, PREFIXn.emf, measured as the
// screen, as every page is.
class MetafileTarget final : public viewer::PrintTarget {
public:
    explicit MetafileTarget(std::wstring prefix) : prefix_(std::move(prefix)) {}
    ~MetafileTarget() override
    {
        DeleteEnhMetaFile(CloseEnhMetaFile(reference_));
        EndPage();
    }
    HDC Device() override { return reference_; }
    HDC BeginPage() override
    {
        page_ = CreateEnhMetaFileW(nullptr, (prefix_ + std::to_wstring(++pages_) + L".emf").c_str(), nullptr, nullptr);
        return page_;
    }
    bool EndPage() override
    {
        const HENHMETAFILE metafile = page_ ? CloseEnhMetaFile(page_) : nullptr;
        page_ = nullptr;
        return DeleteEnhMetaFile(metafile);
    }
    bool Finish(bool) override { return true; }

private:
    std::wstring prefix_;
    HDC reference_ = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    HDC page_ = nullptr;
    int pages_ = 0;
};

struct DrawnText {
    std::wstring text;
    LONG top = 0;
};

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM found)
{
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars =
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
        reinterpret_cast<std::vector<DrawnText>*>(found)->push_back(
            {std::wstring(chars, text->emrtext.nChars), text->emrtext.ptlReference.y});
    }
    return 1;
}

// The strings a metafile draws, in order.
std::vector<DrawnText> TextsOf(const std::wstring& path)
{
    std::vector<DrawnText> texts;
    const HENHMETAFILE metafile = GetEnhMetaFileW(path.c_str());
    EnumEnhMetaFile(nullptr, metafile, CollectText, &texts, nullptr);
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
        MetafileTarget target(prefix);
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

// "Line 1" to "Line 150".
std::vector<std::wstring> NumberedLines()
{
    std::vector<std::wstring> lines;
    for (int i = 1; i <= 150; ++i)
        lines.push_back(L"Line " + std::to_wstring(i));
    return lines;
}

// The numbered lines on a page of their own, and the words on another.
kit::BookSpec NumbersAndWords(const std::wstring& words)
{
    std::wstring numbered = L"bookmark<top>";  // hidden, in print too
    for (const std::wstring& line : NumberedLines())
        numbered += line + L"\r\n";
    kit::BookSpec book = BookUnderRoot({Page(2, 1, 0, u"Numbers"), Page(3, 1, 0, u"Words")});
    book.pages[1].text = std::u16string(numbered.begin(), numbered.end() - 2);
    book.pages[2].text = std::u16string(words.begin(), words.end());
    return book;
}

TEST_F(Printing, EveryLineOncePageAfterPageUnderAHeaderWithTitleAndNumber)
{
    std::wstring words;
    for (int i = 1; i <= 150; ++i)
        words += L"word" + std::to_wstring(i) + L" ";
    const std::vector<std::wstring> lines = NumberedLines();
    viewer::ViewerWindow& viewer = Open(WriteFile(L"print.vnb", kit::WriteDocument(NumbersAndWords(words))));

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

// As the Lister prints through the plug-in's export: the dialog comes up
// with the Lister's printer, the job carries the page's title, and the
// Lister's margins decide how much a page holds.
TEST_F(Printing, TheListersPrintPreselectsItsPrinterNamesTheJobAndKeepsItsMargins)
{
    auto& lister = NewLister(false, 700, 500);
    ASSERT_TRUE(lister.Open(WriteFile(L"lister.vnb", kit::WriteDocument(NumbersAndWords(L"")))));
    ASSERT_TRUE(listerhost::SelectItemByText(lister.PluginWindow(), L"Numbers"));
    int previous = 0;
    for (RECT margins : {RECT{100, 100, 100, 100}, RECT{100, 600, 100, 600}}) {
        listerhost::PrintCapture capture(plugin.Module(), folder + L"sheet");
        ASSERT_TRUE(capture.Active());
        EXPECT_EQ(plugin.ListPrintW(lister.PluginWindow(), L"", L"Office printer", &margins), 0);
        EXPECT_EQ(capture.preselected, L"Office printer");
        EXPECT_EQ(capture.document, L"Numbers");
        EXPECT_TRUE(capture.ended);
        EXPECT_GT(capture.pages, std::max(previous, 1)) << "taller top and bottom margins take more pages";
        previous = capture.pages;
    }
    listerhost::PrintCapture capture(plugin.Module(), folder + L"sheet");
    EXPECT_EQ(plugin.ListPrintW(lister.PluginWindow(), L"", L"", nullptr), 0);
    EXPECT_EQ(capture.preselected, L"") << "no printer named, the system's default";
    EXPECT_GT(capture.pages, 1);
}

}  // namespace
}  // namespace wine_tests
