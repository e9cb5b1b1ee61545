// Streaming out of a real rich edit control when our buffer cannot grow.
#include "frontends/win32/panes/RichTextStream_win.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

// The whole test program allocates through these; only a test that asks for
// it sees large allocations fail.
namespace {
std::atomic<bool> gFailLargeAllocations{false};
constexpr size_t kLargeAllocation = 64 * 1024;
}  // namespace

void* operator new(size_t size)
{
    if (gFailLargeAllocations && size >= kLargeAllocation)
        throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace wine_tests {
namespace {

// The control calls our writer from its own frames, which the 32-bit
// runtime cannot unwind through: an exception let out there ends the process.
TEST(RichTextStream, AWriterThatCannotGrowItsBufferFailsAfterTheControlReturns)
{
    LoadLibraryW(L"msftedit.dll");
    HWND edit = CreateWindowExW(0, MSFTEDIT_CLASS, L"some text", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    EXPECT_FALSE(viewer::StreamOutSelection(edit, SF_TEXT | SF_UNICODE).empty());

    gFailLargeAllocations = true;
    bool thrown = false;
    try {
        viewer::StreamOutSelection(edit, SF_RTF);
    } catch (const std::bad_alloc&) {
        thrown = true;
    }
    gFailLargeAllocations = false;
    EXPECT_TRUE(thrown);
    DestroyWindow(edit);
}

// The control asks for text 4096 bytes (2048 units) at a time. A CR LF that
// fell across two of its chunks became two paragraph breaks, and every later
// position moved by one.
TEST(RichTextStream, ALineEndIsOneParagraphBreakWhereverTheChunksEnd)
{
    struct Case {
        const char* name;
        size_t firstLine, otherLines;  // characters before each CR LF
    };
    const Case cases[] = {
        {"every line end across a chunk boundary", 2047, 2046},
        {"every second line end across one", 1023, 1022},
        {"line ends just before the boundaries", 2046, 2046},
    };
    LoadLibraryW(L"msftedit.dll");
    HWND edit = CreateWindowExW(0, MSFTEDIT_CLASS, L"", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    for (const Case& c : cases) {
        std::u16string text, positions;
        for (int line = 0; line < 40; ++line) {
            const std::u16string words((line == 0 ? c.firstLine : c.otherLines), u'a' + line % 26);
            text += words + u"\r\n";
            positions += words + u"\r";
        }
        text += u"end";
        positions += u"end";
        EXPECT_TRUE(viewer::StreamInPlainText(edit, text)) << c.name;
        const std::u16string shown = viewer::PositionText(edit);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), u'\r'), 40) << c.name;
        EXPECT_TRUE(shown == positions) << c.name;
    }
    DestroyWindow(edit);
}

}  // namespace
}  // namespace wine_tests
