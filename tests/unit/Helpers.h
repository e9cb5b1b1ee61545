#pragma once
// Reading kit-written bytes back in tests.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "docfile/ByteSource.h"
#include "docfile/LoadArchive.h"
#include "model/Book.h"
#include "platform/CodePage.h"
#include "tests/kit/Document.h"

namespace testing_helpers {

// Runs `read` over an archive of `bytes` named `name`.
inline void ReadBytes(const std::vector<uint8_t>& bytes, const std::function<void(docfile::LoadArchive&)>& read,
                      std::u16string name = u"C:\\notes\\book.vnb")
{
    docfile::MemorySource source(bytes.data(), bytes.size());
    docfile::LoadArchive ar(source, std::move(name));
    read(ar);
}

inline void LoadBook(model::CBook& book, const std::vector<uint8_t>& bytes)
{
    ReadBytes(bytes, [&](docfile::LoadArchive& ar) { book.Load(ar); });
}

// The archive error reading `bytes` raises, as its message text.
inline std::u16string ErrorReading(const std::vector<uint8_t>& bytes,
                                   const std::function<void(docfile::LoadArchive&)>& read)
{
    try {
        ReadBytes(bytes, read);
    } catch (const docfile::ArchiveError& error) {
        return error.Message();
    }
    return u"(no error)";
}

inline std::u16string ErrorLoading(const std::vector<uint8_t>& bytes)
{
    model::CBook book;
    return ErrorReading(bytes, [&](docfile::LoadArchive& ar) { book.Load(ar); });
}

inline std::string Narrow(const std::u16string& text) { return platform::WideToUtf8(text); }

// A schema-s book of the given pages.
inline kit::BookSpec BookOf(std::vector<kit::PageSpec> pages)
{
    kit::BookSpec book;
    book.pages = std::move(pages);
    return book;
}

inline kit::PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, std::u16string title)
{
    kit::PageSpec page;
    page.id = id;
    page.parentId = parent;
    page.kind = kind;
    page.title = kit::PageText(std::move(title));
    return page;
}

}  // namespace testing_helpers
