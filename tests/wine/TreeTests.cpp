// The page tree as a user sees it: labels, order, images, bold and colours,
// lazy filling, and the whole-tree commands.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "resources/ResourceIds.h"
#include "tests/kit/Document.h"

namespace wine_tests {
namespace {

constexpr int kClosedFolder = 0, kOpenFolder = 1, kTextFile = 2, kHtmlFile = 4, kBinFull = 5;
const std::wstring kLanguages = L"Languages — Языки — Γλώσσες — 言語";

class Tree : public PluginTest {
protected:
    HWND Open(const kit::BookSpec& book, const std::wstring& name = L"book.vnb") { return OpenBook(book, name).tree; }
    HWND OpenTour() { return PluginTest::OpenTour().tree; }
};

TEST_F(Tree, TheTourShowsItsPagesWithTheirImagesBoldLabelsAndAttachments)
{
    HWND tree = OpenTour();
    TreeItem root = ReadItem(tree, TreeView_GetRoot(tree));
    EXPECT_EQ(root.text, L"Welcome to the notebook tour");
    EXPECT_TRUE(root.expanded);
    EXPECT_EQ(root.image, kOpenFolder) << "the root is a container, open";

    std::vector<TreeItem> top = Children(tree, root.handle);
    ASSERT_EQ(top.size(), 7u);
    // Folders first, then by title; the recycle bin last.
    const std::vector<std::wstring> order = {kLanguages,  L"Projects",      L"HTML sampler",
                                             L"Links and addresses", L"Read me first", L"Web clipping: Alpine huts",
                                             L"Recycle bin"};
    EXPECT_EQ(ChildTexts(tree, root.handle), order);
    EXPECT_EQ(top[0].image, kClosedFolder);
    EXPECT_EQ(top[1].image, 7) << "Projects has an icon of its own, the first one appended";
    EXPECT_EQ(top[2].image, kHtmlFile);
    EXPECT_EQ(top[3].image, kTextFile);
    EXPECT_EQ(top[4].image, 8) << "Read me first shows its label's star";
    EXPECT_EQ(top[5].image, kHtmlFile) << "a web archive";
    EXPECT_EQ(top[6].image, kBinFull);
    for (const TreeItem& item : top)
        EXPECT_EQ(item.selectedImage, item.image) << Narrow(item.text);
    EXPECT_TRUE(top[4].bold);
    EXPECT_FALSE(top[3].bold);

    HTREEITEM projects = top[1].handle;
    TreeView_Expand(tree, projects, TVE_EXPAND);
    std::vector<TreeItem> work = Children(tree, projects);
    ASSERT_EQ(work.size(), 4u);
    // Heaviest first, the folder before the pages.
    EXPECT_EQ(work[0].text, L"Archive");
    EXPECT_EQ(work[1].text, L"Reading list");
    EXPECT_EQ(work[2].text, L"Garden plan [Attached Files: 2]");
    EXPECT_EQ(work[3].text, L"Budget 2027 [Attached Files: 1]");
    EXPECT_TRUE(work[1].bold) << "the Idea label is bold";
    EXPECT_FALSE(work[2].bold);
    EXPECT_EQ(work[2].image, 9) << "Garden plan shows its label's tick";
    EXPECT_EQ(work[3].image, 10) << "every item with an icon appends its own image";
    EXPECT_EQ(ReadItem(tree, projects).image, 7) << "an own icon stays when the folder opens";
}

TEST_F(Tree, ALevelIsFilledOnlyWhenItsNodeIsFirstExpanded)
{
    HWND tree = OpenTour();
    HTREEITEM root = TreeView_GetRoot(tree);
    HTREEITEM languages = ChildByText(tree, root, kLanguages);
    ASSERT_NE(languages, nullptr);
    std::vector<TreeItem> before = Children(tree, languages);
    ASSERT_EQ(before.size(), 1u) << "a placeholder gives the button";
    EXPECT_EQ(before[0].text, L"");
    EXPECT_EQ(before[0].param, 0);
    EXPECT_EQ(TreeView_GetChild(tree, ChildByText(tree, root, L"Read me first")), nullptr);

    TreeView_Expand(tree, languages, TVE_EXPAND);
    // Title descending, compared as code units.
    const std::vector<std::wstring> descending = {L"日本語と中文：メモ", L"Русский: заметки о путешествии",
                                                  L"Ελληνικά: σημειώσεις", L"Français : crème brûlée"};
    EXPECT_EQ(ChildTexts(tree, languages), descending);
    EXPECT_EQ(ReadItem(tree, languages).image, kOpenFolder);
    // Closed and opened again from the keyboard.
    TreeView_SelectItem(tree, languages);
    SendMessageW(tree, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_FALSE(ReadItem(tree, languages).expanded);
    EXPECT_EQ(ReadItem(tree, languages).image, kClosedFolder);
    SendMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(ReadItem(tree, languages).image, kOpenFolder);
    EXPECT_EQ(ChildTexts(tree, languages), descending) << "filled once";

    HTREEITEM bin = ChildByText(tree, root, L"Recycle bin");
    TreeView_Expand(tree, bin, TVE_EXPAND);
    EXPECT_EQ(ChildTexts(tree, bin), std::vector<std::wstring>{L"Old shopping list"});
    EXPECT_EQ(ReadItem(tree, bin).image, kBinFull) << "the bin keeps its picture while open";
}

TEST_F(Tree, LabelAndPageColoursAreDrawnOnTheLabels)
{
    HWND tree = OpenTour();
    HTREEITEM root = TreeView_GetRoot(tree);
    const COLORREF red = RGB(0xC0, 0, 0), purple = RGB(0x80, 0, 0x80), brown = RGB(0x99, 0x4C, 0x26);
    EXPECT_TRUE(LabelDrawnIn(tree, ChildByText(tree, root, L"Read me first"), red));
    EXPECT_FALSE(LabelDrawnIn(tree, ChildByText(tree, root, L"Links and addresses"), red));
    HTREEITEM budget = ItemAtPath(tree, {L"Projects", L"Budget 2027 [Attached Files: 1]"});
    EXPECT_TRUE(LabelDrawnIn(tree, budget, purple)) << "its own colour overrides the label's green";
    EXPECT_FALSE(LabelDrawnIn(tree, budget, RGB(0, 0x80, 0)));
    EXPECT_TRUE(LabelDrawnIn(tree, ItemAtPath(tree, {kLanguages, L"Ελληνικά: σημειώσεις"}), brown));
}

// Wine's control never asks for tips: the notification is sent as the
// control would send it.
std::wstring AskTip(HWND tree, HTREEITEM item, int bufferSize, bool viaSplitter = false)
{
    std::wstring buffer(static_cast<size_t>(bufferSize), L'#');
    NMTVGETINFOTIPW tip{};
    tip.hdr = {tree, 10, static_cast<UINT>(TVN_GETINFOTIPW)};
    tip.pszText = buffer.data();
    tip.cchTextMax = bufferSize;
    tip.hItem = item;
    tip.lParam = ReadItem(tree, item).param;
    // The control tells its parent at creation (the viewer); the splitter
    // passes on what reaches it.
    HWND to = viaSplitter ? GetParent(tree) : GetParent(GetParent(tree));
    SendMessageW(to, WM_NOTIFY, 10, reinterpret_cast<LPARAM>(&tip));
    return buffer.substr(0, buffer.find(L'\0'));
}

TEST_F(Tree, TipsShowThePagesTipAndOnTheRootTheDocumentsAttachments)
{
    HWND tree = OpenTour();
    HTREEITEM root = TreeView_GetRoot(tree);
    EXPECT_EQ(AskTip(tree, root, 200), L"Document contains 4 attacments");
    EXPECT_EQ(AskTip(tree, root, 9), L"Document");
    EXPECT_EQ(AskTip(tree, ChildByText(tree, root, L"Read me first"), 200), L"Start here");
    EXPECT_EQ(AskTip(tree, ChildByText(tree, root, L"Read me first"), 200, true), L"Start here");
    EXPECT_EQ(AskTip(tree, ChildByText(tree, root, L"Links and addresses"), 8), L"########")
        << "no tip leaves the buffer alone";
}

TEST_F(Tree, ExpandAllOpensEveryFolderBelowTheSelectionAndCollapseAllClosesThem)
{
    HWND tree = OpenTour();
    HTREEITEM root = TreeView_GetRoot(tree);
    TreeView_SelectItem(tree, root);
    SendMessageW(tree, WM_COMMAND, ID_EXPAND_ALL, 0);
    for (const std::vector<std::wstring>& path :
         std::vector<std::vector<std::wstring>>{{kLanguages}, {L"Projects"}, {L"Projects", L"Archive"}, {L"Recycle bin"}}) {
        HTREEITEM item = ItemAtPath(tree, path);
        EXPECT_TRUE(ReadItem(tree, item).expanded) << Narrow(path.back());
    }
    EXPECT_EQ(ChildTexts(tree, ItemAtPath(tree, {L"Projects", L"Archive"})),
              std::vector<std::wstring>{L"Notes from 2019"});

    EXPECT_EQ(ReadItem(tree, ItemAtPath(tree, {L"Projects", L"Archive"})).image, kOpenFolder);

    SendMessageW(tree, WM_COMMAND, ID_COLLAPSE_ALL, 0);
    EXPECT_FALSE(ReadItem(tree, root).expanded);
    EXPECT_EQ(ReadItem(tree, root).image, kClosedFolder);
    TreeView_Expand(tree, root, TVE_EXPAND);
    EXPECT_FALSE(ReadItem(tree, ChildByText(tree, root, L"Projects")).expanded);
}

TEST_F(Tree, ExpandAllEndsOnDeepChainsCyclicParentLinksAndDoublingIdentifiers)
{
    // Each page the only child of the one before it.
    constexpr uint32_t kDepth = 1000;
    kit::BookSpec deep;
    deep.pages.push_back(Page(1, 1, 4, u"level 0"));
    for (uint32_t i = 2; i <= kDepth; ++i)
        deep.pages.push_back(Page(i, i - 1, 4, u"level"));
    HWND tree = Open(deep, L"deep.vnb");
    TreeView_SelectItem(tree, TreeView_GetRoot(tree));
    SendMessageW(tree, WM_COMMAND, ID_EXPAND_ALL, 0);
    uint32_t levels = 0;
    for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetChild(tree, item))
        ++levels;
    EXPECT_EQ(levels, kDepth);

    // Page 3 is a child of the root; a second page 1 is a child of 3, so
    // the root's children would come round again below it.
    kit::BookSpec cyclic;
    cyclic.pages.push_back(Page(1, 1, 4, u"Root"));
    cyclic.pages.push_back(Page(3, 1, 4, u"Folder"));
    cyclic.pages.push_back(Page(1, 3, 4, u"Root again"));
    cyclic.pages.push_back(Page(4, 3, 0, u"Leaf"));
    cyclic.pages.push_back(Page(6, 6, 4, u"Self"));
    cyclic.pages.push_back(Page(6, 6, 4, u"Self twin"));
    HWND loop = Open(cyclic, L"cyclic.vnb");
    TreeView_SelectItem(loop, TreeView_GetRoot(loop));
    SendMessageW(loop, WM_COMMAND, ID_EXPAND_ALL, 0);
    HTREEITEM middle = ItemAtPath(loop, {L"Folder"});
    EXPECT_EQ(ChildTexts(loop, middle), (std::vector<std::wstring>{L"Root again", L"Leaf"}));
    EXPECT_EQ(TreeView_GetChild(loop, ChildByText(loop, middle, L"Root again")), nullptr)
        << "its identifier is already on its path";
    EXPECT_EQ(TreeView_GetCount(loop), 4u);

    // Two pages per identifier and level, each level the children of the
    // identifier above: shown under every duplicate, level 30 would hold a
    // billion items. Each identifier's children are shown once.
    kit::BookSpec doubling;
    doubling.pages.push_back(Page(1, 1, 4, u"Root"));
    for (uint32_t level = 0; level < 30; ++level)
        for (const char16_t* title : {u"first", u"second"})
            doubling.pages.push_back(Page(10 + level, level == 0 ? 1 : 9 + level, 4, title));
    HWND wide = Open(doubling, L"doubling.vnb");
    TreeView_SelectItem(wide, TreeView_GetRoot(wide));
    SendMessageW(wide, WM_COMMAND, ID_EXPAND_ALL, 0);
    EXPECT_EQ(TreeView_GetCount(wide), 61u) << "every page once";
    HTREEITEM top = TreeView_GetRoot(wide);
    EXPECT_EQ(ChildTexts(wide, top), (std::vector<std::wstring>{L"first", L"second"}));
    EXPECT_EQ(TreeView_GetChild(wide, ChildByText(wide, top, L"second")), nullptr);
}

}  // namespace
}  // namespace wine_tests
