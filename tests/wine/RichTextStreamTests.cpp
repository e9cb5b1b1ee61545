// Streaming out of a real rich edit control when our buffer cannot grow.
#include "frontends/win32/panes/RichTextStream_win.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <atomic>
#include <cstdlib>
#include <new>

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

}  // namespace
}  // namespace wine_tests
