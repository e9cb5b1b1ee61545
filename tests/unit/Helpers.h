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

// The messages users see for each cause, for an archive named C:\notes\book.vnb.
inline const std::u16string kEndOfFile = u"An attempt was made to access an unnamed file past its end.";
inline const std::u16string kBadFormat = u"C:\\notes\\book.vnb has a bad format.";
inline const std::u16string kUnexpected = u"C:\\notes\\book.vnb contained an unexpected object.";
inline const std::u16string kBadSchema = u"C:\\notes\\book.vnb contains an incorrect schema.";
inline const std::u16string kUnknownError = u"An unknown error occurred while accessing C:\\notes\\book.vnb.";
inline const std::u16string kNoError = u"(no error)";

using ReadFn = std::function<void(docfile::LoadArchive&)>;

inline void ReadBytes(const std::vector<uint8_t>& bytes, const ReadFn& read)
{
    docfile::MemorySource source(bytes.data(), bytes.size());
    docfile::LoadArchive ar(source, u"C:\\notes\\book.vnb");
    read(ar);
}

// The message of the archive error reading `bytes` raises, or kNoError.
inline std::u16string ErrorReading(const std::vector<uint8_t>& bytes, const ReadFn& read)
{
    try {
        ReadBytes(bytes, read);
    } catch (const docfile::ArchiveError& error) {
        return error.Message();
    }
    return kNoError;
}

inline std::vector<uint8_t> Written(const std::function<void(kit::ArchiveWriter&)>& write)
{
    kit::ArchiveWriter w;
    write(w);
    return w.Take();
}

// A page read on its own, with the strings it keeps its title and content in.
struct PageRecord {
    model::PageStrings strings;
    model::CPage page;
    void Read(docfile::LoadArchive& ar) { page.Read(ar, strings); }
};

// A record read back from what `write` wrote; by default it must take every byte.
template <class Record>
Record ReadRecord(const std::function<void(kit::ArchiveWriter&)>& write, bool wholeInput = true)
{
    Record record;
    ReadBytes(Written(write), [&](docfile::LoadArchive& ar) {
        record.Read(ar);
        EXPECT_TRUE(!wholeInput || ar.Remaining() == 0) << "bytes left unread";
    });
    return record;
}

inline model::CBook LoadedFrom(const std::vector<uint8_t>& bytes)
{
    model::CBook book;
    ReadBytes(bytes, [&](docfile::LoadArchive& ar) { book.Load(ar); });
    return book;
}

inline std::u16string ErrorLoading(const std::vector<uint8_t>& bytes)
{
    model::CBook book;
    return ErrorReading(bytes, [&](docfile::LoadArchive& ar) { book.Load(ar); });
}

inline std::string Narrow(std::u16string_view text) { return platform::WideToUtf8(text); }

using kit::BookOf;
using kit::Page;

// A book written by the kit and read back.
inline model::CBook Loaded(const kit::BookSpec& spec, const kit::DocumentOptions& options = {})
{
    return LoadedFrom(kit::WriteDocument(spec, options));
}

}  // namespace testing_helpers
