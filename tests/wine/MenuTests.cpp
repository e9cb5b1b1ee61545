// The context menus as they open (read through the tracking seam), what
// their commands do, and the language files that translate them.
#include "InProcessFixture.h"

#include "core/commands/MenuContent.h"
#include "frontends/win32/panes/RichTextPane_win.h"
#include "frontends/win32/system/MenuLanguages_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "frontends/win32/viewer/Settings.h"
#include "resources/ResourceIds.h"
#include "tools/listerhost/Keys.h"

#include <algorithm>
#include <fstream>

namespace wine_tests {
namespace {

// Reads the menu it is asked to show, as a line of text, and chooses the
// command it was told to.
class Tracker final : public viewer::MenuTracker {
public:
    UINT Track(HMENU popup, HWND owner, POINT point) override
    {
        ++shown, shownBy = owner, at = point, menu = Describe(popup);
        return choose;
    }
    // Items by "|", separators "-", disabled "(off)", checked "(v)",
    // submenus in brackets.
    static std::wstring Describe(HMENU popup)
    {
        std::wstring out;
        for (int i = 0, n = GetMenuItemCount(popup); i < n; ++i) {
            if (i)
                out += L"|";
            wchar_t text[260] = {};
            GetMenuStringW(popup, static_cast<UINT>(i), text, 260, MF_BYPOSITION);
            const UINT state = GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
            if (state & MF_SEPARATOR) {
                out += L"-";
                continue;
            }
            out += text;
            if (state & MF_GRAYED)
                out += L"(off)";
            if (state & MF_CHECKED)
                out += L"(v)";
            if (HMENU sub = GetSubMenu(popup, i))
                out += L"[" + Describe(sub) + L"]";
        }
        return out;
    }
    UINT choose = 0;
    int shown = 0;
    HWND shownBy = nullptr;
    POINT at{};
    std::wstring menu;
};

const std::wstring kFavourites =
    L"Favorites[Français : crème brûlée|Garden plan|-|Links and addresses(v)|HTML sampler]";
const std::wstring kLanguages = L"Language[English(v)|Deutsch|Русский]";
const std::wstring kTreeMenu = L"Copy\tCtrl+C|Copy As Plain Text|Copy As RTF(off)|-|Expand All(off)|"
                               L"Collapse All(off)|-|Tree Pane\tCtrl+T|-|Background Color...|Text Color...|Font...|-|"
                               L"Edit Document in Vornbook|-|Send Bug Report|-|" + kFavourites + L"|-|" + kLanguages;
const std::wstring kTextMenu = L"Copy As Plain Text(off)|Copy As RTF(off)|Select All\tCtrl+A|-|Tree Pane\tCtrl+T|-|"
                               L"Background Color...|Text Color...|Font...|-|Edit Document in Vornbook|-|"
                               L"Send Bug Report|-|" + kFavourites + L"|-|" + kLanguages;

class Menus : public InProcess {
protected:
    void SetUp() override
    {
        InProcess::SetUp();
        viewer::MenuLanguages::Release();
        viewer = &Open(TourPath());
        viewer->Menus().SetTracker(&tracker);
    }
    void TearDown() override
    {
        viewer::MenuLanguages::Release();
        InProcess::TearDown();
    }
    // A right click on the tree item, as the control reports it.
    void RightClickItem(const std::wstring& title)
    {
        RECT item{};
        HTREEITEM handle = ChildByText(tree, TreeView_GetRoot(tree), title);
        ASSERT_TRUE(TreeView_GetItemRect(tree, handle, &item, TRUE));
        POINT at{item.left + 2, item.top + 2};
        ClientToScreen(tree, &at);
        SendMessageW(tree, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree), MAKELPARAM(at.x, at.y));
    }
    // A right click on text in the pane: the control tells of a link there
    // first, then the pane asks for its menu.
    void RightClickText(const std::wstring& word, bool link, POINT at = {300, 300})
    {
        const LONG start = static_cast<LONG>(viewer->TextPane()->PositionText().find(std::u16string(word.begin(), word.end())));
        ENLINK notice{{text, static_cast<UINT_PTR>(GetDlgCtrlID(text)), EN_LINK}, WM_RBUTTONUP, 0, 0,
                      {start, start + static_cast<LONG>(word.size())}};
        if (link)
            SendMessageW(GetParent(text), WM_NOTIFY, notice.nmhdr.idFrom, reinterpret_cast<LPARAM>(&notice));
        SendMessageW(text, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(text), MAKELPARAM(at.x, at.y));
    }

    viewer::ViewerWindow* viewer = nullptr;
    Tracker tracker;
};

TEST_F(Menus, EachPaneOpensItsMenuWithFavouritesLanguagesAndEnableRules)
{
    RightClickItem(L"Links and addresses");
    EXPECT_EQ(tracker.menu, kTreeMenu);
    EXPECT_EQ(tracker.shownBy, tree);
    EXPECT_EQ(ReadItem(tree, TreeView_GetSelection(tree)).text, L"Links and addresses") << "the click selects";

    RightClickText(L"Garden plan", false);
    EXPECT_EQ(tracker.menu, kTextMenu);
    EXPECT_EQ(tracker.shownBy, text);
    RightClickText(L"Garden plan", false);
    EXPECT_EQ(tracker.shown, 2) << "a second request at the same point opens nothing";

    Pump(1400);  // the page links and addresses
    RightClickText(L"https://example.org/docs/start", true, {301, 300});
    EXPECT_EQ(tracker.menu.substr(0, 11), L"Copy URL|-|");
    RightClickText(L"Garden plan", true, {302, 300});
    EXPECT_EQ(tracker.menu, kTextMenu) << "a page link has no Copy URL";

    // From the keyboard: at the caret or the selected item, inside the pane.
    for (HWND pane : {text, tree}) {
        SendMessageW(pane, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane), MAKELPARAM(-1, -1));
        RECT area{};
        GetWindowRect(pane, &area);
        EXPECT_TRUE(PtInRect(&area, tracker.at)) << tracker.at.x << "," << tracker.at.y;
    }
}

TEST_F(Menus, CommandsCopyOpenAndReportThroughTheShell)
{
    RecordedShell shell(33);
    viewer->Tree()->SelectPage(7);
    Pump(1400);
    tracker.choose = ID_COPY_URL;
    RightClickText(L"https://example.org/docs/start", true);
    EXPECT_EQ(ClipboardText(), L"https://example.org/docs/start");
    EXPECT_EQ(viewer->TextPane()->LinkRange().cpMin, -1) << "forgotten as the menu closes";

    tracker.choose = ID_SEND_BUG_REPORT;
    RightClickItem(L"Read me first");
    ASSERT_EQ(shell.opened.size(), 1u) << "once, from the tree's menu too";
    EXPECT_EQ(shell.opened[0].rfind(L"mailto:vornview-support@tarrow.example?subject=Vorn_View_1.00_build_1_[", 0), 0u);
    EXPECT_EQ(shell.opened[0].substr(shell.opened[0].size() - 5), L"]_Bug");
    EXPECT_TRUE(dialogs->MessageTexts().empty()) << "33 is success";

    tracker.choose = ID_EDIT_DOCUMENT;
    RightClickItem(L"Read me first");
    EXPECT_EQ(shell.opened.back(), TourPath());

    tracker.choose = core::kFirstFavouriteCommand + 1;
    RightClickItem(L"Read me first");
    EXPECT_EQ(viewer->Tree()->SelectedPageId(), 20) << "Garden plan, inside a collapsed folder";

    // The tree copies the selected page: RTF as its bytes, one zero after.
    viewer->Tree()->SelectPage(22);
    SendMessageW(tree, WM_COMMAND, ID_COPY_RTF, 0);
    const std::string rtf = ClipboardBytes(L"Rich Text Format");
    ASSERT_GT(rtf.size(), 100u);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(rtf.find('\0'), rtf.size() - 1) << "bytes, not UTF-16";
    EXPECT_NE(rtf.find("\\u8364?"), std::string::npos) << "the euro sign as an escape";
    viewer->Tree()->SelectPage(21);
    SendMessageW(tree, WM_COMMAND, ID_EDIT_COPY, 0);
    EXPECT_EQ(ClipboardText().rfind(L"Reading list", 0), 0u) << "Copy copies";

    // Ctrl+Insert in the text pane copies the selection as Ctrl+C does.
    SendMessageW(text, EM_SETSEL, 0, 7);
    listerhost::PressKey(text, listerhost::ParseKey(L"Ctrl+Insert"));
    EXPECT_EQ(ClipboardText(), L"Reading");

    // In the tree, Ctrl+C and the host's copy are the tree's Copy.
    SetFocus(tree);
    listerhost::PressKey(tree, listerhost::ParseKey(L"Ctrl+C"));
    EXPECT_EQ(ClipboardText().rfind(L"Reading list", 0), 0u) << "Ctrl+C";
    viewer->Tree()->SelectPage(22);
    SetFocus(tree);
    PutOnClipboard(L"before");
    EXPECT_EQ(ListSendCommand(view, kHostCopy, 0), 0);
    EXPECT_EQ(ClipboardBytes(L"Rich Text Format").rfind("{\\rtf1", 0), 0u) << "the host's copy";
}

TEST_F(Menus, AFailedMailProgramIsReported)
{
    RecordedShell shell(5);
    tracker.choose = ID_SEND_BUG_REPORT;
    RightClickItem(L"Read me first");
    ASSERT_EQ(dialogs->MessageTexts().size(), 1u);
    EXPECT_EQ(dialogs->MessageTexts()[0],
              L"Cannot start mail program. Please, send report to vornview-support@tarrow.example");
}

TEST_F(Menus, AChosenLanguageTranslatesEveryMenuAfterwardsAndIsStored)
{
    // Two files of our own beside the program (the plug-in's folder here):
    // one in the narrow code page, one in UTF-16.
    const std::wstring ansiPath = ProgramFolder() + L"vornview_zz_ansi.lng";
    const std::wstring widePath = ProgramFolder() + L"vornview_zz_wide.lng";
    std::ofstream(ansiPath.c_str(), std::ios::binary)
        << "[GENERAL]\r\nLanguage=Fran\xE7" "ais\r\n[MENU]\r\nCOPY=Copier\r\nFONT=Police\r\nLANGUAGE=Langue\r\n";
    const std::u16string wide = u"\xFEFF[General]\r\nlanguage=Wide\r\n[Menu]\r\nFont=Schrift\r\n";
    std::ofstream(widePath.c_str(), std::ios::binary).write(reinterpret_cast<const char*>(wide.data()),
                                                             static_cast<std::streamsize>(wide.size() * 2));
    viewer::Settings().langName = u"Klingon";

    RightClickItem(L"Read me first");
    const size_t languages = tracker.menu.find(L"Language[");
    ASSERT_NE(languages, std::wstring::npos);
    EXPECT_NE(tracker.menu.find(L"English(v)", languages), std::wstring::npos) << "a name no file has is English";
    EXPECT_NE(tracker.menu.find(L"Français", languages), std::wstring::npos);
    EXPECT_NE(tracker.menu.find(L"Wide", languages), std::wstring::npos);

    const auto& list = viewer::MenuLanguages::Get(u"").Languages();
    const auto french = std::find_if(list.begin(), list.end(), [](const auto& l) { return l.name == u"Français"; });
    ASSERT_NE(french, list.end());
    tracker.choose = core::kFirstLanguageCommand + static_cast<UINT>(french - list.begin());
    RightClickItem(L"Read me first");
    std::wstring stored;
    EXPECT_TRUE(ReadString(kPluginKey, L"LangName", stored));
    EXPECT_EQ(stored, L"Français") << "saved at once";

    tracker.choose = 0;
    RightClickItem(L"Read me first");
    EXPECT_EQ(tracker.menu.rfind(L"Copier\tCtrl+C|Copy As Plain Text|", 0), 0u) << Narrow(tracker.menu);
    EXPECT_NE(tracker.menu.find(L"|Police...|"), std::wstring::npos);
    EXPECT_NE(tracker.menu.find(L"|Langue[English|"), std::wstring::npos);
    EXPECT_NE(tracker.menu.find(L"|Français(v)"), std::wstring::npos);

    for (UINT command : {core::kEnglishCommand, 0}) {
        tracker.choose = command;
        RightClickItem(L"Read me first");
    }
    EXPECT_EQ(tracker.menu.rfind(L"Copy\tCtrl+C|", 0), 0u) << "English again";
    DeleteFileW(ansiPath.c_str());
    DeleteFileW(widePath.c_str());
}

}  // namespace
}  // namespace wine_tests
