// Loads a document from arbitrary bytes, then looks at it the way the
// viewer does. Reading may fail only with an ArchiveError.
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "docfile/ByteSource.h"
#include "docfile/LoadArchive.h"
#include "model/Book.h"
#include "platform/CodePage.h"
#include "tests/fuzz/ExerciseBook.h"

namespace {

// Narrow text is converted with the reader's code page; multi-byte and
// stateful ones see the most varied byte sequences.
constexpr unsigned kCodePages[] = {1252, 1252, 1252, 1252, 932, 936, 949, 950, 65001, 1251, 20866, 54936, 50220};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The last byte picks the code page: it rarely matters to the structure.
    platform::SetAnsiCodePage(size == 0 ? 1252 : kCodePages[data[size - 1] % std::size(kCodePages)]);
    docfile::MemorySource source(data, size);
    model::CBook book;
    try {
        docfile::LoadArchive archive(source, u"/fuzz/input.vnb");
        book.Load(archive);
    } catch (const docfile::ArchiveError& error) {
        // The message is what the viewer shows; building it must be safe too.
        if (error.Message().empty())
            __builtin_trap();
    }
    // Whatever was read before a failure stays in the book, and callers
    // may still ask it questions.
    fuzz::ExerciseBook(book);
    return 0;
}
