// What the plug-in carries in its resources: menus, accelerators, dialogs,
// icons and the version block.
#include "PluginFixture.h"

namespace wine_tests {
namespace {

std::vector<std::pair<UINT, std::wstring>> Items(HMENU popup)
{
    std::vector<std::pair<UINT, std::wstring>> items;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(popup, i, TRUE, &info);
        items.emplace_back((info.fType & MFT_SEPARATOR) ? 0 : info.wID, text);
    }
    return items;
}

std::wstring VersionString(const std::wstring& path, const wchar_t* name)
{
    DWORD handle = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(path.c_str(), &handle));
    if (block.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return L"";
    void* value = nullptr;
    UINT length = 0;
    std::wstring query = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueW(block.data(), query.c_str(), &value, &length))
        return L"";
    return static_cast<const wchar_t*>(value);
}

using Resources = PluginTest;

TEST_F(Resources, ContextMenusCarryTheCommandsAndTexts)
{
    HMENU tree = LoadMenuW(plugin.Module(), MAKEINTRESOURCEW(1002));
    HMENU text = LoadMenuW(plugin.Module(), MAKEINTRESOURCEW(1003));
    ASSERT_TRUE(tree && text);
    using Item = std::pair<UINT, std::wstring>;
    std::vector<Item> tail = {{32776, L"Tree Pane\tCtrl+T"}, {0, L""},
                              {32771, L"Background Color..."}, {32772, L"Text Color..."},
                              {32773, L"Font..."}, {0, L""},
                              {32777, L"Edit Document in Vornbook"}, {0, L""},
                              {32780, L"Send Bug Report"}};
    std::vector<Item> treeItems = {{57634, L"Copy\tCtrl+C"}, {32781, L"Copy As Plain Text"},
                                   {32782, L"Copy As RTF"}, {0, L""},
                                   {32774, L"Expand All"}, {32775, L"Collapse All"}, {0, L""}};
    treeItems.insert(treeItems.end(), tail.begin(), tail.end());
    std::vector<Item> textItems = {{32779, L"Copy URL"}, {0, L""},
                                   {32781, L"Copy As Plain Text"}, {32782, L"Copy As RTF"},
                                   {57642, L"Select All\tCtrl+A"}, {0, L""}};
    textItems.insert(textItems.end(), tail.begin(), tail.end());
    EXPECT_EQ(Items(GetSubMenu(tree, 0)), treeItems);
    EXPECT_EQ(Items(GetSubMenu(text, 0)), textItems);
    DestroyMenu(tree);
    DestroyMenu(text);
}

TEST_F(Resources, CtrlTIsTheOnlyAccelerator)
{
    HACCEL table = LoadAcceleratorsW(plugin.Module(), MAKEINTRESOURCEW(1004));
    ASSERT_NE(table, nullptr);
    ACCEL entries[4] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table, entries, 4), 1);
    EXPECT_EQ(entries[0].key, 'T');
    EXPECT_EQ(entries[0].cmd, 32776);
    EXPECT_EQ(entries[0].fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT | FNOINVERT), FVIRTKEY | FCONTROL | FNOINVERT);
}

TEST_F(Resources, IconsComeInBothSizes)
{
    for (int id = 1005; id <= 1009; ++id)
        for (int size : {16, 32}) {
            HICON icon = static_cast<HICON>(
                LoadImageW(plugin.Module(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
            EXPECT_NE(icon, nullptr) << id << " at " << size;
            if (icon)
                DestroyIcon(icon);
        }
}

TEST_F(Resources, ThePasswordDialogHasItsControls)
{
    HRSRC found = FindResourceW(plugin.Module(), MAKEINTRESOURCEW(1001), RT_DIALOG);
    EXPECT_NE(found, nullptr);
    HRSRC viewer = FindResourceW(plugin.Module(), MAKEINTRESOURCEW(1000), RT_DIALOG);
    EXPECT_NE(viewer, nullptr);
}

TEST_F(Resources, VersionBlockNamesTheProductForTheInformationPage)
{
    EXPECT_EQ(VersionString(PluginPath(), L"ProductVersion"), L"1, 0, 0, 1");
    EXPECT_EQ(VersionString(PluginPath(), L"FileDescription"), L"Vornbook notebook viewer for the Lister");
    EXPECT_EQ(VersionString(PluginPath(), L"CompanyName"), L"Tarrow");
}

}  // namespace
}  // namespace wine_tests
