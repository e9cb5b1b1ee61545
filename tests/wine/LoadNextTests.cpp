// The next file into the open window, as n and p in the Lister ask: the
// window keeps its split, hidden tree and wrap; nothing of the document
// before stays; a file that cannot be opened leaves the window as it was.
#include "InProcessFixture.h"

#include "frontends/win32/browser/HtmlPane_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "platform/win32/WideText.h"
#include "tests/kit/Document.h"
#include "tests/kit/TourBook.h"

namespace wine_tests {
namespace {

class LoadNext : public InProcess {
protected:
    std::wstring Write(const std::wstring& name, std::u16string rootTitle)
    {
        kit::PageSpec html = Page(2, 1, 3, u"Page");
        html.text = u"<p>a page</p>";
        kit::BookSpec book = BookUnderRoot({html, Page(3, 1, 0, u"Text")});
        book.pages[0].title = std::move(rootTitle);
        return WriteFile(name, kit::WriteDocument(book));
    }
    int Next(const std::wstring& path)
    {
        std::wstring buffer = path;
        return ListLoadNextW(host.Hwnd(), view, buffer.data(), 0);
    }
    std::wstring RootTitle() const { return ReadItem(tree, TreeView_GetRoot(tree)).text; }
    bool PageFileOnDisk() const
    {
        for (const std::u16string& path : docfile::TempFiles().Paths())
            if (path.ends_with(u".htm") && GetFileAttributesW(win::WidePtr(path)) != INVALID_FILE_ATTRIBUTES)
                return true;
        return false;
    }
    void DragSplitTo(int x)
    {
        const HWND splitter = GetParent(tree);
        const int bar = ChildRect(tree).right + 1;
        SendMessageW(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar, 20));
        SendMessageW(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, 20));
        SendMessageW(splitter, WM_LBUTTONUP, 0, MAKELPARAM(x, 20));
    }
};

TEST_F(LoadNext, TheWindowKeepsItsSplitHiddenTreeAndWrapAndShowsTheNextDocumentOrWhatItShowed)
{
    viewer::ViewerWindow& viewer = Open(TourPath());  // with labels' own icons in the tree
    const HWND window = view;
    DragSplitTo(250);
    const LONG split = ChildRect(tree).right;
    ASSERT_EQ(split, 249) << "the split moved";
    ASSERT_EQ(ListSendCommand(view, kHostNewParams, kWrapText), 0);
    viewer.Tree()->SelectPage(6);  // the HTML page, in a page file
    for (int i = 0; i < 100 && !IsWindowVisible(FindPanes(view).text); ++i)
        Pump(20);
    ASSERT_TRUE(PageFileOnDisk());
    const auto images = [&] { return ImageList_GetImageCount(TreeView_GetImageList(tree, TVSIL_NORMAL)); };
    constexpr int kStandardImages = 7;
    ASSERT_GT(images(), kStandardImages);

    auto truncated = kit::WriteDocument(kit::MakeTourBook());
    truncated.resize(truncated.size() / 2);
    const struct {
        std::wstring path;
        int result;
        std::wstring root;
        size_t dialogs;        // messages or password prompts shown
        bool hideTreeAfter;
    } steps[] = {
        {Write(L"b.vnb", u"Beta"), 0, L"Beta", 0, true},
        {WriteFile(L"broken.vnb", truncated), 1, L"Beta", 2, false},
        {ProtectedPath(), 1, L"Beta", 1, false},  // the password dialog cancelled
        {folder + L"missing.vnb", 1, L"Beta", 1, false},
        {folder + L"not-a-document.txt", 1, L"Beta", 0, false},
        {Write(L"c.vnb", u"Gamma"), 0, L"Gamma", 0, false},
    };
    bool treeHidden = false;
    for (const auto& step : steps) {
        SCOPED_TRACE(Narrow(step.path));
        const std::wstring shownBefore = PaneText(FindPanes(view).text);
        dialogs->Clear();
        EXPECT_EQ(Next(step.path), step.result);
        EXPECT_EQ(dialogs->Seen().size(), step.dialogs);
        const Panes panes = FindPanes(view);
        ASSERT_EQ(panes.tree, tree) << "the same window and panes";
        EXPECT_EQ(plugin::Viewers().Find(host.Hwnd())->Hwnd(), window);
        EXPECT_EQ(RootTitle(), step.root);
        EXPECT_EQ(IsWindowVisible(tree) == FALSE, treeHidden);
        if (!treeHidden) {
            EXPECT_EQ(ChildRect(tree).right, split);
        }
        EXPECT_FALSE(GetWindowLongW(panes.text, GWL_STYLE) & WS_HSCROLL) << "still wrapped";
        if (step.result == 0) {
            EXPECT_EQ(PaneText(panes.text).rfind(L"Vorn View", 0), 0u) << "the information page";
            EXPECT_EQ(viewer.VisibleContentPane(), panes.text);
            EXPECT_FALSE(PageFileOnDisk()) << "the page file went with the document";
            EXPECT_EQ(images(), kStandardImages) << "and its own icons";
        } else {
            EXPECT_EQ(PaneText(panes.text), shownBefore);
        }
        if (step.hideTreeAfter) {
            viewer.ToggleTreePane();
            treeHidden = true;
        }
    }
    viewer.ToggleTreePane();
    EXPECT_EQ(ChildRect(tree).right, split) << "the tree comes back where it was";
    viewer.Tree()->SelectPage(3);
    EXPECT_EQ(PaneText(FindPanes(view).text), L"text of Text") << "pages of the new document";
}

}  // namespace
}  // namespace wine_tests
