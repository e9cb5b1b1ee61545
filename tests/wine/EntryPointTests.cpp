// The five exports as a host sees them.
#include "PluginFixture.h"

#include "tests/kit/Document.h"
#include "tests/kit/TourBook.h"

#include <richedit.h>


namespace wine_tests {
namespace {

using EntryPoints = PluginTest;

TEST_F(EntryPoints, ListLoadTakesOnlyNamesEndingInVnbAndNeverComplainsAboutOthers)
{
    const auto bytes = kit::WriteDocument(kit::MakeTourBook());
    struct Case {
        const wchar_t* name;
        bool shown;
    } cases[] = {{L"NOTES.VNB", true}, {L"notes.vnb.bak", false}};
    for (const Case& c : cases) {
        std::wstring path = WriteFile(c.name, bytes);
        auto& lister = NewLister();
        EXPECT_EQ(lister.Open(path), c.shown) << Narrow(c.name);
        HWND bigIcon = reinterpret_cast<HWND>(SendMessageW(lister.Hwnd(), WM_GETICON, ICON_BIG, 0));
        HWND smallIcon = reinterpret_cast<HWND>(SendMessageW(lister.Hwnd(), WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ(bigIcon != nullptr, c.shown) << Narrow(c.name);
        EXPECT_EQ(smallIcon != nullptr, c.shown) << Narrow(c.name);
    }
    EXPECT_TRUE(dialogs->Seen().empty());

    auto& lister = NewLister();
    EXPECT_EQ(plugin.ListLoad(lister.Hwnd(), std::string(), 0), nullptr);
}

TEST_F(EntryPoints, NamesOutsideTheAnsiCodePageOpenThroughTheWideEntry)
{
    const auto bytes = kit::WriteDocument(kit::MakeTourBook());
    for (const wchar_t* name : {L"Заметки.vnb", L"笔记 2027.vnb"}) {
        const std::wstring path = WriteFile(name, bytes);
        EXPECT_TRUE(NewLister().Open(path)) << "ListLoadW";
        // The narrow entry gets what the ANSI code page keeps of the name.
        dialogs->Clear();
        EXPECT_EQ(plugin.ListLoad(NewLister().Hwnd(), Narrow(path), 0), nullptr);
        ASSERT_EQ(dialogs->MessageTexts().size(), 1u);
        EXPECT_EQ(dialogs->MessageTexts()[0].rfind(L"Cant load document ", 0), 0u);
    }
}

TEST_F(EntryPoints, SendCommandCarriesOutCopySelectAllAndWrapOnly)
{
    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND text = FindPanes(lister).text;
    ASSERT_NE(text, nullptr);

    EXPECT_EQ(lister.SendCommand(kHostSetPercent, 50), 1);
    EXPECT_EQ(lister.SendCommand(99, 0), 1);
    EXPECT_EQ(lister.SendCommand(kHostSelectAll, 0), 0);
    CHARRANGE sel{};
    SendMessageW(text, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    EXPECT_EQ(sel.cpMin, 0);
    EXPECT_GT(sel.cpMax, 100);

    // The tree has the focus after loading, with no page selected: there is
    // nothing to copy.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(lister.SendCommand(kHostCopy, 0), 0);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    SetFocus(text);
    EXPECT_EQ(lister.SendCommand(kHostCopy, 0), 0);
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_NE(ClipboardText().find(L"Select node on tree pane for data viewing."), std::wstring::npos);
}

TEST_F(EntryPoints, CommandsAndCloseForAListerWithoutViewerMakeNone)
{
    auto& lister = NewLister();
    HWND stray = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 10, 10, lister.Hwnd(), nullptr, nullptr, nullptr);
    for (int command : {kHostCopy, kHostNewParams, kHostSelectAll})
        EXPECT_EQ(plugin.ListSendCommand(stray, command, 1), 1) << "no viewer carries it out";
    plugin.ListCloseWindow(stray);
    DWORD value = 0;
    EXPECT_TRUE(ReadDword(kPluginKey, L"TextColor", value)) << "closing saves the settings";
    DestroyWindow(stray);
    ASSERT_TRUE(lister.Open(TourPath())) << "the Lister's first viewer is made by its first document";
}

TEST_F(EntryPoints, SecondLoadIntoTheSameListerReplacesTheFirstWindow)
{
    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND first = lister.PluginWindow();
    HWND second = plugin.ListLoad(lister.Hwnd(), Narrow(TourPath()), 0);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first) && first != second) << "the first window is left over the second";
    plugin.ListCloseWindow(second);
    EXPECT_FALSE(IsWindow(second));
}

}  // namespace
}  // namespace wine_tests
