// The splitter window against real windows: layout, mouse drags, Escape,
// hiding the left pane and the stored position.
#include "PluginFixture.h"

#include "frontends/win32/panes/Splitter_win.h"
#include "platform/win32/Profile.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/Wnd.h"

#include <memory>

namespace wine_tests {
namespace {

constexpr UINT kNotify = WM_APP + 7;

class Parent : public win::Wnd {
public:
    int layouts = 0;

    bool Make(int clientWidth, int clientHeight)
    {
        WNDCLASSEXW wc{};
        wc.lpfnWndProc = Wnd::StaticWndProc;
        wc.lpszClassName = L"VornView.Tests.SplitterParent";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        win::RegisterWindowClass(wc);
        RECT rc{0, 0, clientWidth, clientHeight};
        AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
        return Create({L"VornView.Tests.SplitterParent", L"Splitter", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                       {30, 30, 30 + rc.right - rc.left, 30 + rc.bottom - rc.top}});
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == kNotify)
            ++layouts;
        return Default(msg, wParam, lParam);
    }
};

// The splitter linked into the test program keeps the program's profile.
std::wstring TestProfile() { return UserProfilePath(L"vv_wine_tests.INI"); }

class SplitterWindow : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileW(TestProfile().c_str()); }
    void TearDown() override
    {
        splitter.reset();
        parent.reset();
        DeleteFileW(TestProfile().c_str());
    }

    // The splitter's client area is clientWidth x 300 (a border surrounds it).
    void Make(int clientWidth)
    {
        parent = std::make_unique<Parent>();
        ASSERT_TRUE(parent->Make(clientWidth + 2, 302));
        left = CreateWindowExW(0, L"Static", L"left", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, parent->Hwnd(), nullptr,
                               nullptr, nullptr);
        right = CreateWindowExW(0, L"Edit", L"right", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, parent->Hwnd(), nullptr,
                                nullptr, nullptr);
        splitter = std::make_unique<viewer::Splitter>(kNotify);
        ASSERT_TRUE(splitter->Create({parent->Hwnd(), 13, {0, 0, clientWidth + 2, 302},
                                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER | 1, left, right, 10, 11}));
    }

    void Mouse(UINT msg, int x)
    {
        SendMessageW(splitter->Hwnd(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, 20));
    }

    void Drag(int from, int to)
    {
        Mouse(WM_LBUTTONDOWN, from);
        Mouse(WM_MOUSEMOVE, (from + to) / 2);
        Mouse(WM_MOUSEMOVE, to);
        Mouse(WM_LBUTTONUP, to);
    }

    std::unique_ptr<Parent> parent;
    std::unique_ptr<viewer::Splitter> splitter;
    HWND left = nullptr;
    HWND right = nullptr;
};

TEST_F(SplitterWindow, DraggingTheBarMovesThePanesOnlyAtReleaseAndWithinTheLimits)
{
    Make(450);
    EXPECT_EQ(GetParent(left), splitter->Hwnd());
    EXPECT_EQ(ChildRect(left).right, 120) << "30 % of 450 in whole hundredths";
    Mouse(WM_LBUTTONDOWN, 121);
    EXPECT_TRUE(splitter->IsDragging());
    EXPECT_EQ(GetCapture(), splitter->Hwnd());
    Mouse(WM_MOUSEMOVE, 300);
    EXPECT_EQ(ChildRect(left).right, 120) << "nothing moves during the drag";
    int before = parent->layouts;
    Mouse(WM_LBUTTONUP, 300);
    EXPECT_FALSE(splitter->IsDragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(ChildRect(left).right, 299);
    EXPECT_EQ(ChildRect(right).left, 302);
    EXPECT_EQ(parent->layouts, before + 1);

    Drag(300, 2000);
    EXPECT_EQ(ChildRect(left).right, 450 - 11 - 1);
    Drag(450 - 11, -500);
    EXPECT_EQ(ChildRect(left).right, 10 - 1);

    Mouse(WM_LBUTTONDOWN, 200);  // not on the bar
    EXPECT_FALSE(splitter->IsDragging());
}

TEST_F(SplitterWindow, EscapeOrLosingTheCaptureEndsADragWithoutMovingThePanes)
{
    Make(450);
    SetFocus(right);
    Mouse(WM_LBUTTONDOWN, 121);
    EXPECT_EQ(GetFocus(), splitter->Hwnd());
    Mouse(WM_MOUSEMOVE, 250);
    SendMessageW(splitter->Hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(splitter->IsDragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), right) << "the focus goes back";
    Mouse(WM_LBUTTONUP, 250);
    EXPECT_EQ(ChildRect(left).right, 120);

    Mouse(WM_LBUTTONDOWN, 121);
    SetCapture(right);
    EXPECT_FALSE(splitter->IsDragging());
    ReleaseCapture();
    Mouse(WM_LBUTTONUP, 300);
    EXPECT_EQ(ChildRect(left).right, 120);
}

TEST_F(SplitterWindow, StoresThePositionAtDestructionEvenWhileHidden)
{
    Make(450);
    Drag(121, 251);
    splitter->HideLeftPane();
    splitter->Destroy();
    EXPECT_EQ(GetPrivateProfileIntW(L"splt\\init_v13", L"VertSplitPos", -1, TestProfile().c_str()), 250);
    splitter.reset();
    parent.reset();

    Make(450);
    EXPECT_EQ(ChildRect(left).right, 250);
}

TEST_F(SplitterWindow, APositionNoPlaceTakesIsKeptForTheRestOfTheProcess)
{
    // The host's folder is missing, and a file has our folder's name.
    std::wstring ownFolder = UserProfilePath(L"");
    ownFolder.pop_back();
    RemoveDirectoryW(ownFolder.c_str());
    CloseHandle(CreateFileW(ownFolder.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    win::SetHostSettingsFile(L"C:\\no such folder\\host.ini");
    Make(450);
    Drag(121, 201);
    splitter->Destroy();
    splitter.reset();
    parent.reset();
    Make(450);
    EXPECT_EQ(ChildRect(left).right, 200);

    // A place that takes it again takes the process's value over.
    DeleteFileW(ownFolder.c_str());
    win::SetHostSettingsFile(L"");
    Drag(201, 221);
    splitter->Destroy();
    EXPECT_EQ(GetPrivateProfileIntW(L"splt\\init_v13", L"VertSplitPos", -1, TestProfile().c_str()), 220);
}

}  // namespace
}  // namespace wine_tests
