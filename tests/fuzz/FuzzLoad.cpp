// Loads a document from arbitrary bytes, then looks at it the way the
// viewer does. Reading may fail only with an ArchiveError.
#include <cstddef>
#include <cstdint>

#include "docfile/ByteSource.h"
#include "docfile/LoadArchive.h"
#include "model/Book.h"
#include "tests/fuzz/ExerciseBook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
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
