// The plug-in's entry points linked into the test program itself, so a test
// can see the process-wide lists they work on.
#include "PluginFixture.h"

#include "docfile/TempFiles.h"
#include "platform/win32/WideText.h"
#include "plugin/Exports.h"
#include "viewer/ViewerMessages.h"

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
        RECT rect{60, 60, 660, 460};
        ASSERT_TRUE(host.Create(rect, false));
    }
    void TearDown() override
    {
        host.Destroy();
        docfile::TempFiles().DeleteAll();
        PluginTest::TearDown();
    }

    HWND Open()
    {
        std::string path = Narrow(TourPath());
        return ListLoad(host.Hwnd(), path.data(), 0);
    }

    listerhost::ListerWindow host{plugin};
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

    HWND view = Open();
    ASSERT_NE(view, nullptr);
    ListCloseWindow(view);
    EXPECT_FALSE(IsWindow(view));
    EXPECT_FALSE(Exists(a));
    EXPECT_TRUE(Exists(b));
    // The tree's three file-type icon look-ups listed their names too.
    EXPECT_EQ(list.Paths().size(), 5u) << "the whole list waits for the next close";

    CloseHandle(lock);
    view = Open();
    ASSERT_NE(view, nullptr);
    ListCloseWindow(view);
    EXPECT_FALSE(Exists(b));
    EXPECT_TRUE(list.Paths().empty());
}

}  // namespace
}  // namespace wine_tests
