// listerhost.exe as a separate process, scripted by its flags.
#include "PluginFixture.h"

#include "tests/kit/Document.h"
#include "tests/kit/TourBook.h"

#include <fstream>

namespace wine_tests {
namespace {

DWORD RunHost(const std::wstring& arguments, DWORD timeoutMs)
{
    std::wstring command = L"\"" + ProgramFolder() + L"listerhost.exe\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, ProgramFolder().c_str(),
                        &startup, &process))
        return 1000;
    DWORD code = 1001;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1002);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

using ListerHost = PluginTest;

TEST_F(ListerHost, OpensADocumentTakesAScreenshotAndQuits)
{
    std::wstring doc = TourPath();
    std::wstring picture = folder + L"shot.png";
    DWORD code = RunHost(PluginFileName() + L" \"" + doc + L"\" --size 640x400 --key Tab --command 3 --screenshot \"" +
                             picture + L"\" --quit-after 200",
                         30000);
    EXPECT_EQ(code, 0u);
    std::ifstream in(picture.c_str(), std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(ListerHost, ReportsAFileThePluginDoesNotShow)
{
    std::wstring text = WriteFile(L"notes.txt", {'h', 'i'});
    EXPECT_EQ(RunHost(PluginFileName() + L" \"" + text + L"\"", 30000), 3u);
    EXPECT_EQ(RunHost(L"missing.wlx64 x.vnb", 30000), 2u);
}

}  // namespace
}  // namespace wine_tests

#include <richedit.h>

namespace wine_tests {
namespace {

TEST_F(ListerHost, MenuCommandsReachThePlugin)
{
    auto& lister = NewLister(false, 500, 300);
    lister.AddMenu();
    RECT client{};
    GetClientRect(lister.Hwnd(), &client);
    EXPECT_EQ(client.right, 500);
    EXPECT_EQ(client.bottom, 300);
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND text = ChildById(ChildById(lister.PluginWindow(), 13), 11);
    SendMessageW(lister.Hwnd(), WM_COMMAND, listerhost::kMenuSelectAll, 0);
    CHARRANGE sel{};
    SendMessageW(text, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    EXPECT_EQ(sel.cpMin, 0);
    EXPECT_GT(sel.cpMax, 100);
    SendMessageW(lister.Hwnd(), WM_COMMAND, listerhost::kMenuWrap, 0);
    EXPECT_EQ(GetMenuState(GetMenu(lister.Hwnd()), listerhost::kMenuWrap, MF_BYCOMMAND) & MF_CHECKED,
              static_cast<UINT>(MF_CHECKED));
    HWND window = lister.Hwnd();
    SendMessageW(window, WM_COMMAND, listerhost::kMenuClose, 0);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace wine_tests
