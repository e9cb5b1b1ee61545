// The plug-in's entry points and viewer linked into the test program
// itself, so a test can reach the viewer and the process-wide lists.
#include "InProcessFixture.h"

#include "frontends/win32/panes/RichTextPane_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "platform/win32/WideText.h"
#include "resources/ResourceIds.h"
#include "tests/kit/Document.h"

namespace wine_tests {
namespace {

bool Exists(const std::u16string& path) { return GetFileAttributesW(win::WidePtr(path)) != INVALID_FILE_ATTRIBUTES; }

void Touch(const std::u16string& path)
{
    HANDLE file = CreateFileW(win::WidePtr(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
}

TEST_F(InProcess, ClosingAViewerDeletesTheTemporaryFilesButKeepsAllWhileOneIsLocked)
{
    docfile::TempFileList& list = docfile::TempFiles();
    list.DeleteAll();
    std::u16string a = list.Make(u"htm");
    Sleep(20);
    std::u16string b = list.Make(u"ico");
    Touch(a);
    Touch(b);
    HANDLE lock = CreateFileW(win::WidePtr(b), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    Open(TourPath());
    ListCloseWindow(view);
    EXPECT_FALSE(IsWindow(view));
    EXPECT_FALSE(Exists(a));
    EXPECT_TRUE(Exists(b));
    // The tree's three file-type icon look-ups listed their names too.
    EXPECT_EQ(list.Paths().size(), 5u) << "the whole list waits for the next close";

    CloseHandle(lock);
    Open(TourPath());
    ListCloseWindow(view);
    view = nullptr;
    EXPECT_FALSE(Exists(b));
    EXPECT_TRUE(list.Paths().empty());
}

// Another window may get the Lister's handle later: it must not find a
// viewer made for this one.
TEST_F(InProcess, AFailedLoadLeavesNoViewerWindowOrTemporaryFileBehind)
{
    const std::wstring paths[] = {WriteFile(L"notes.txt", {'n'}), WriteFile(L"broken.vnb", {'n', 'o', 't'}),
                                  ProtectedPath()};  // its password dialog is cancelled
    docfile::TempFiles().DeleteAll();
    for (const std::wstring& path : paths) {
        std::string narrow = Narrow(path);
        EXPECT_EQ(ListLoad(host.Hwnd(), narrow.data(), 0), nullptr) << narrow;
        EXPECT_EQ(plugin::Viewers().Find(host.Hwnd()), nullptr) << narrow;
        EXPECT_EQ(GetWindow(host.Hwnd(), GW_CHILD), nullptr) << narrow;
        EXPECT_TRUE(docfile::TempFiles().Paths().empty()) << narrow;
    }
    // A Lister still showing a document keeps it when the next one fails.
    Open(TourPath());
    std::string broken = Narrow(paths[1]);
    EXPECT_EQ(ListLoad(host.Hwnd(), broken.data(), 0), nullptr);
    EXPECT_TRUE(IsWindow(view));
    EXPECT_NE(plugin::Viewers().Find(host.Hwnd()), nullptr);
}

TEST_F(InProcess, ALinkToAPageBelowANeverExpandedTextPageShowsItWithoutSelection)
{
    const kit::BookSpec book = BookUnderRoot({Page(2, 1, 0, u"A text page with a child"), Page(3, 2, 0, u"Child")});
    viewer::ViewerWindow& viewer = Open(WriteFile(L"nested.vnb", kit::WriteDocument(book)));
    TreeView_SelectItem(tree, TreeView_GetRoot(tree));

    ASSERT_TRUE(viewer.OpenPageLink(3));
    EXPECT_EQ(PaneText(text), L"text of Child");
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
    EXPECT_EQ(viewer.Tree()->SelectedPageId(), -1);

    // Opened by hand, the text page shows its child.
    HTREEITEM page = TreeView_GetChild(tree, TreeView_GetRoot(tree));
    TreeView_Expand(tree, page, TVE_EXPAND);
    EXPECT_EQ(ChildTexts(tree, page), std::vector<std::wstring>{L"Child"});
}

// Expand All stops at its item limit; what it leaves closed still opens,
// including folders whose children were to follow without a button.
TEST_F(InProcess, ExpandAllStopsAtItsItemLimitAndWhatItLeavesClosedStillOpens)
{
    std::vector<kit::PageSpec> pages{Page(2, 1, 4, u"F1"), Page(3, 1, 4, u"F2")};
    for (uint32_t id : {4u, 5u, 6u})
        pages.push_back(Page(id, 2, 4, id == 4 ? u"G1" : id == 5 ? u"G2" : u"G3"));
    for (uint32_t parent : {3u, 4u, 5u, 6u})
        for (uint32_t n = 0; n < 5; ++n)
            pages.push_back(Page(100 + parent * 10 + n, parent, 0, u"page"));
    viewer::ViewerWindow& viewer = Open(WriteFile(L"limited.vnb", kit::WriteDocument(BookUnderRoot(pages))));
    RecordedShell shell;
    viewer.Tree()->SetExpandAllLimit(21);  // the five items there, then F1's, F2's and G1's
    TreeView_SelectItem(tree, TreeView_GetRoot(tree));
    SendMessageW(tree, WM_COMMAND, ID_EXPAND_ALL, 0);

    EXPECT_LE(TreeView_GetCount(tree), 21u);
    EXPECT_EQ(shell.beeps, 1);
    for (const auto& [path, open] : std::vector<std::pair<std::vector<std::wstring>, bool>>{
             {{L"F1"}, true}, {{L"F2"}, true}, {{L"F1", L"G1"}, true}, {{L"F1", L"G2"}, false}, {{L"F1", L"G3"}, false}}) {
        HTREEITEM item = ItemAtPath(tree, path);
        ASSERT_NE(item, nullptr) << Narrow(path.back());
        EXPECT_EQ(ReadItem(tree, item).expanded, open) << Narrow(path.back());
        TreeView_Expand(tree, item, TVE_EXPAND);
        EXPECT_EQ(ChildTexts(tree, item).size(), path.back() == L"F1" ? 3u : 5u) << Narrow(path.back());
    }
}

class CountingPasses : public viewer::LinkPasses {
public:
    // The external links are marked only on a page with nothing selected.
    void AfterShow(HWND edit) override { shown += Selection(edit).cpMin == Selection(edit).cpMax ? 1 : 100; }
    void Delayed(HWND edit) override { delayedTexts.push_back(PaneText(edit)); }
    int shown = 0;  // 1 for each page shown with nothing selected
    std::vector<std::wstring> delayedTexts;
};

TEST_F(InProcess, TheDelayedPassRunsOnceASecondAfterTheLastPageShown)
{
    viewer::ViewerWindow& viewer = Open(TourPath());
    CountingPasses passes;
    viewer.TextPane()->SetLinkPasses(&passes);
    viewer.Tree()->SelectPage(7);
    viewer.Tree()->SelectPage(2);
    EXPECT_EQ(passes.shown, 2);
    EXPECT_TRUE(passes.delayedTexts.empty());
    Pump(1400);
    ASSERT_EQ(passes.delayedTexts.size(), 1u);
    EXPECT_EQ(passes.delayedTexts[0].rfind(L"Read me first", 0), 0u);
    viewer.TextPane()->SetLinkPasses(nullptr);
}

// The control tells of a click with EN_LINK, which reaches the pane through
// its parent.
LRESULT Click(HWND text, LONG start, LONG end, UINT button = WM_LBUTTONUP)
{
    ENLINK link{};
    link.nmhdr = {text, static_cast<UINT_PTR>(GetDlgCtrlID(text)), EN_LINK};
    link.msg = button;
    link.chrg = {start, end};
    return SendMessageW(GetParent(text), WM_NOTIFY, link.nmhdr.idFrom, reinterpret_cast<LPARAM>(&link));
}

TEST_F(InProcess, APageShowsItsMarkupAsLinksAndHidesItsMarkers)
{
    kit::PageSpec page = Page(2, 1, 0, u"Links");
    page.text = u"bookmark<top>See page3<Three> or PAGE4://<Four>, page0<no>\r\n"
                u"web https://x.org/a?b and file:///C:/x.txt, mail me@x.org.";
    viewer::ViewerWindow& viewer = Open(WriteFile(L"links.vnb", kit::WriteDocument(
                                                                     BookUnderRoot({page, Page(3, 1, 0, u"Three")}))));
    viewer.Tree()->SelectPage(2);
    EXPECT_EQ(Rendered(text), L"{b}{o}{o}{k}{m}{a}{r}{k}{<}{t}{o}{p}{>}See page3<Three> or PAGE4://<Four>, page0<no>\r"
                              L"web [https://x.org/a?b] and [file:///C:/x.txt], mail me@x.org.")
        << "at once: bookmarks hidden, scheme links";
    Pump(1400);
    EXPECT_EQ(Rendered(text), L"{b}{o}{o}{k}{m}{a}{r}{k}{<}{t}{o}{p}{>}See [Three] or [Four], page0<no>\r"
                              L"web [https://x.org/a?b] and [file:///C:/x.txt], mail [me@x.org].")
        << "a second later: page links, their heads hidden and protected, and addresses";
    EXPECT_EQ(Selection(text).cpMin, Selection(text).cpMax) << "the caret is where it was";
}

TEST_F(InProcess, AClickOnALinkOpensItsPageOrHandsItToTheShell)
{
    kit::PageSpec page = Page(2, 1, 0, u"Links");
    page.text = u"page24<Deep> page99<Gone> https://x.org file:///C:/run.bat ab@cd.ef "
                u"www.x\\..\\..\\..\\Windows\\System32\\calc.exe www.example.orgbookmark<\\..\\..\\evil.exe>";
    kit::PageSpec box = Page(20, 1, 4, u"Folder"), deep = Page(24, 20, 0, u"Deep page");
    viewer::ViewerWindow& viewer = Open(WriteFile(L"click.vnb", kit::WriteDocument(BookUnderRoot({page, box, deep}))));
    RecordedShell actions;
    viewer.Tree()->SelectPage(2);
    Pump(1400);
    const std::wstring shown = PaneText(text);
    auto at = [&](const wchar_t* word) { return static_cast<LONG>(shown.find(word)); };

    EXPECT_EQ(Click(text, at(L"Gone"), at(L"Gone") + 4), 1);
    EXPECT_EQ(actions.beeps, 1) << "no such page";
    EXPECT_EQ(Click(text, at(L"https"), at(L"https") + 13), 1);
    EXPECT_EQ(Click(text, at(L"ab@"), at(L"ab@") + 8), 1);
    // A click over hidden text opens what the reader sees.
    EXPECT_EQ(Click(text, at(L"www.example"), static_cast<LONG>(shown.size())), 1);
    EXPECT_EQ(actions.opened, (std::vector<std::wstring>{L"https://x.org", L"mailto:ab@cd.ef", L"http://www.example.org"}));
    EXPECT_TRUE(dialogs->Seen().empty()) << "web and mail addresses open at once";

    // Text that names a program is asked about, however it starts.
    Click(text, at(L"www.x"), at(L"www.x") + 40);
    ASSERT_EQ(dialogs->MessageTexts().size(), 1u);
    EXPECT_NE(dialogs->MessageTexts()[0].find(L"www.x\\..\\..\\..\\Windows\\System32\\calc.exe"), std::wstring::npos);
    EXPECT_EQ(actions.opened.size(), 3u);
    dialogs->Clear();

    // Anything else is asked about first; the default answer is No.
    Click(text, at(L"file"), at(L"file") + 18);
    ASSERT_EQ(dialogs->MessageTexts().size(), 1u);
    EXPECT_NE(dialogs->MessageTexts()[0].find(L"file:///C:/run.bat"), std::wstring::npos);
    EXPECT_EQ(actions.opened.size(), 3u);
    dialogs->QueueAction([](HWND question) { SendMessageW(question, WM_COMMAND, IDYES, 0); });
    Click(text, at(L"file"), at(L"file") + 18);
    EXPECT_EQ(actions.opened.back(), L"file:///C:/run.bat");

    Click(text, at(L"https"), at(L"https") + 13, WM_RBUTTONUP);
    EXPECT_EQ(viewer.TextPane()->LinkRange().cpMin, at(L"https")) << "kept for Copy URL";
    EXPECT_EQ(Click(text, at(L"Deep"), at(L"Deep") + 4), 1);
    EXPECT_EQ(ReadItem(tree, TreeView_GetSelection(tree)).text, L"Deep page") << "inside the collapsed folder";
    const TreeItem opened = ReadItem(tree, TreeView_GetParent(tree, TreeView_GetSelection(tree)));
    EXPECT_TRUE(opened.expanded);
    EXPECT_EQ(opened.image, 1) << "an open folder";
    EXPECT_EQ(GetFocus(), text);
    EXPECT_EQ(actions.beeps, 1);
}

}  // namespace
}  // namespace wine_tests
