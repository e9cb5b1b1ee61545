#pragma once
// The plug-in's entry points and viewer linked into the test program itself,
// so that a test reaches the viewer's objects and the process-wide lists.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "docfile/TempFiles.h"
#include "frontends/win32/plugin/Exports.h"
#include "frontends/win32/plugin/ViewerRegistry.h"
#include "frontends/win32/system/ShellActions_win.h"
#include "frontends/win32/viewer/ViewerMessages_win.h"
#include "frontends/win32/viewer/ViewerWindow_win.h"

namespace wine_tests {

// Records what the viewer asks of the desktop instead of doing it, while it
// lives.
class RecordedShell final : public viewer::ShellActions {
public:
    explicit RecordedShell(INT_PTR result = 42) : result_(result) { viewer::UseShell(this); }
    ~RecordedShell() override { viewer::UseShell(nullptr); }
    void Beep() override { ++beeps; }
    INT_PTR Open(HWND, const std::wstring& target) override
    {
        opened.push_back(target);
        return result_;
    }
    int beeps = 0;
    std::vector<std::wstring> opened;

private:
    INT_PTR result_;
};

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

}  // namespace wine_tests
