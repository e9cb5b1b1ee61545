// Settings in the registry: first run from the main application's key, the
// values written on close, and what the panes take from them.
#include "PluginFixture.h"

#include <commctrl.h>
#include <richedit.h>

namespace wine_tests {
namespace {

const std::wstring kTreeFontKey = std::wstring(kPluginKey) + L"\\TreeFont";

// The pane answers EM_SETBKGNDCOLOR with the colour it had.
COLORREF TextBackground(HWND text)
{
    COLORREF colour = static_cast<COLORREF>(SendMessageW(text, EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3)));
    SendMessageW(text, EM_SETBKGNDCOLOR, 0, colour);
    return colour;
}

HWND TextPane(listerhost::ListerWindow& lister) { return FindPanes(lister).text; }
HWND TreePane(listerhost::ListerWindow& lister) { return FindPanes(lister).tree; }

using Settings = PluginTest;

TEST_F(Settings, AFirstRunStartsFromTheMainApplicationsKeyAndSavesToItsOwn)
{
    WriteDword(kMainAppKey, L"BackColor", RGB(255, 255, 255));
    WriteDword(kMainAppKey, L"TextColor", RGB(0x12, 0x34, 0x56));
    WriteDword(kMainAppKey, L"GrayOnReadOnly", 1);
    auto& first = NewLister();
    ASSERT_TRUE(first.Open(TourPath()));
    EXPECT_EQ(TextBackground(TextPane(first)), GetSysColor(COLOR_BTNFACE));
    first.Close();
    DWORD value = 0;
    ASSERT_TRUE(ReadDword(kPluginKey, L"TextColor", value));
    EXPECT_EQ(value, RGB(0x12, 0x34, 0x56));
}

TEST_F(Settings, StoredValuesReachThePanesAndComeBackUnchanged)
{
    WriteDword(kPluginKey, L"BackColorTree", RGB(0, 128, 0));
    WriteDword(kPluginKey, L"FontTreeColor", RGB(250, 250, 0));
    WriteDword(kPluginKey, L"ReloadOnChange", 7);
    RegSetKeyValueW(HKEY_CURRENT_USER, kPluginKey, L"LangName", REG_SZ, L"Deutsch", 16);
    WriteDword(kTreeFontKey.c_str(), L"LF_HEIGHT", static_cast<DWORD>(-17));
    WriteDword(kTreeFontKey.c_str(), L"LF_WEIGHT", 700);
    RegSetKeyValueW(HKEY_CURRENT_USER, kTreeFontKey.c_str(), L"LF_FACENAME", REG_SZ, L"Tahoma", 14);

    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND tree = TreePane(lister);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0)), RGB(0, 128, 0));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tree, TVM_GETTEXTCOLOR, 0, 0)), RGB(250, 250, 0));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(tree, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
    EXPECT_EQ(font.lfHeight, -17);
    EXPECT_EQ(font.lfWeight, 700);
    RemoveSettings();
    lister.Close();

    DWORD value = 0;
    EXPECT_TRUE(ReadDword(kPluginKey, L"ReloadOnChange", value));
    EXPECT_EQ(value, 7u);
    std::wstring lang;
    EXPECT_TRUE(ReadString(kPluginKey, L"LangName", lang));
    EXPECT_EQ(lang, L"Deutsch");
    std::wstring face;
    EXPECT_TRUE(ReadString(kTreeFontKey.c_str(), L"LF_FACENAME", face));
    EXPECT_EQ(face, L"Tahoma");
}

TEST_F(Settings, ATreeFontWithoutFaceNameShowsTheSystemsFont)
{
    WriteDword(kTreeFontKey.c_str(), L"LF_HEIGHT", 33);
    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(TourPath()));
    LOGFONTW shown{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(TreePane(lister), WM_GETFONT, 0, 0)), sizeof shown, &shown);
    LOGFONTW system{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof system, &system);
    EXPECT_STREQ(shown.lfFaceName, system.lfFaceName) << "the tree shows the system's font instead";
    EXPECT_EQ(shown.lfHeight, system.lfHeight);
}

constexpr wchar_t kSplitSection[] = L"splt\\init_v13";
constexpr wchar_t kSplitKey[] = L"VertSplitPos";

int StoredSplit(const std::wstring& file) { return GetPrivateProfileIntW(kSplitSection, kSplitKey, -1, file.c_str()); }

// Where a standard user can write: beside the host's settings file when the
// host names one (and that place takes the file), else in the user's folder.
TEST_F(Settings, TheSplitPositionIsStoredBesideTheHostsFileElseInTheUsersFolder)
{
    // A reported size of 0: the whole structure.
    const struct { std::wstring hostFile; int reportedSize; std::wstring stored; } cases[] = {
        {folder + L"host.ini", 0, folder + L"VornView.INI"},
        {L"", 0, UserProfilePath()},
        {folder + L"missing\\host.ini", 0, UserProfilePath()},
        {folder + L"host.ini", 12, UserProfilePath()},  // a structure without the name
    };
    for (const auto& c : cases) {
        listers.clear();
        plugin.Unload();
        RemoveSettings();
        DeleteFileW((folder + L"VornView.INI").c_str());
        plugin.SetDefaultIniName(Narrow(c.hostFile), c.reportedSize);
        ASSERT_TRUE(plugin.Load(PluginPath()));
        auto& lister = NewLister();
        ASSERT_TRUE(lister.Open(TourPath()));
        const int split = ChildRect(TreePane(lister)).right;
        lister.Close();
        EXPECT_EQ(StoredSplit(c.stored), split) << Narrow(c.hostFile);
        for (const std::wstring& place : {folder + L"VornView.INI", UserProfilePath(), ProfilePath()})
            EXPECT_EQ(GetFileAttributesW(place.c_str()) != INVALID_FILE_ATTRIBUTES, place == c.stored) << Narrow(place);
    }
}

TEST_F(Settings, AnOldSplitPositionInTheWindowsFolderIsReadUntilANewerOneIsStored)
{
    WritePrivateProfileStringW(kSplitSection, kSplitKey, L"250", ProfilePath().c_str());
    auto& first = NewLister();
    ASSERT_TRUE(first.Open(TourPath()));
    EXPECT_EQ(ChildRect(TreePane(first)).right, 250);
    first.Close();
    EXPECT_EQ(StoredSplit(UserProfilePath()), 250);

    WritePrivateProfileStringW(kSplitSection, kSplitKey, L"200", UserProfilePath().c_str());
    auto& later = NewLister();
    ASSERT_TRUE(later.Open(TourPath()));
    EXPECT_EQ(ChildRect(TreePane(later)).right, 200);
}

}  // namespace
}  // namespace wine_tests
