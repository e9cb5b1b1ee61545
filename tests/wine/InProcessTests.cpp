// The plug-in's entry points and viewer linked into the test program
// itself, so a test can reach the viewer and the process-wide lists.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "components/RichTextPane_win.h"
#include "docfile/TempFiles.h"
#include "platform/win32/WideText.h"
#include "plugin/Exports.h"
#include "plugin/ViewerRegistry.h"
#include "tests/kit/Document.h"
#include "viewer/PageTreePane.h"
#include "viewer/ViewerMessages.h"
#include "viewer/ViewerWindow.h"

namespace wine_tests {
namespace {

bool Exists(const std::u16string& path) { return GetFileAttributesW(win::WidePtr(path)) != INVALID_FILE_ATTRIBUTES; }

void Touch(const std::u16string& path)
{
    HANDLE file = CreateFileW(win::WidePtr(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
}

class InProcess : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        viewer::RegisterViewerMessages();
        RECT rect{60, 60, 760, 560};
        ASSERT_TRUE(host.Create(rect, false));
    }
    void TearDown() override
    {
        if (view)
            ListCloseWindow(view);
        host.Destroy();
        docfile::TempFiles().DeleteAll();
        PluginTest::TearDown();
    }
    viewer::ViewerWindow& Open(const std::wstring& path)
    {
        std::string narrow = Narrow(path);
        view = ListLoad(host.Hwnd(), narrow.data(), 0);
        EXPECT_NE(view, nullptr);
        Panes panes = FindPanes(view);
        tree = panes.tree;
        text = panes.text;
        return *plugin::Viewers().Find(host.Hwnd());
    }

    listerhost::ListerWindow host{plugin};
    HWND view = nullptr;
    HWND tree = nullptr;
    HWND text = nullptr;
};

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

TEST_F(InProcess, ALinkIntoACollapsedFolderShowsItSelectsItAndOpensItsFolders)
{
    viewer::ViewerWindow& viewer = Open(TourPath());
    const std::wstring before = PaneText(text);
    EXPECT_FALSE(viewer.OpenPageLink(999)) << "no such page";
    EXPECT_EQ(PaneText(text), before);

    ASSERT_TRUE(viewer.OpenPageLink(24));
    EXPECT_EQ(PaneText(text).rfind(L"Notes from 2019\r\n\r\nMoved the allotment", 0), 0u);
    HTREEITEM selected = TreeView_GetSelection(tree);
    EXPECT_EQ(ReadItem(tree, selected).text, L"Notes from 2019");
    EXPECT_EQ(viewer.Tree()->SelectedPageId(), 24);
    HTREEITEM archive = TreeView_GetParent(tree, selected);
    EXPECT_TRUE(ReadItem(tree, archive).expanded);
    EXPECT_EQ(ReadItem(tree, archive).image, 1) << "an open folder";
    EXPECT_TRUE(ReadItem(tree, TreeView_GetParent(tree, archive)).expanded);
    EXPECT_EQ(GetFocus(), text);
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

class CountingPasses : public components::LinkPasses {
public:
    void AfterShow(HWND) override { ++shown; }
    void Delayed(HWND edit) override { delayedTexts.push_back(PaneText(edit)); }
    int shown = 0;
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

}  // namespace
}  // namespace wine_tests
