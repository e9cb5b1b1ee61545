#include <gtest/gtest.h>

#include <fstream>

#include "docfile/Messages.h"
#include "docfile/OpenDocument.h"
#include "model/PageTree.h"
#include "tests/kit/TourBook.h"
#include "tests/unit/Helpers.h"

using model::CBook;

namespace {

std::vector<std::vector<uint8_t>> KitDocuments()
{
    const kit::BookSpec tour = kit::MakeTourBook();
    std::vector<std::vector<uint8_t>> documents;
    kit::DocumentOptions packed;
    kit::DocumentOptions plain;
    plain.packed = false;
    kit::DocumentOptions protectedOne;
    protectedOne.password = u"vornview";
    protectedOne.packed = false;
    documents.push_back(kit::WriteDocument(tour, packed));
    documents.push_back(kit::WriteDocument(tour, plain));
    documents.push_back(kit::WriteDocument(tour, protectedOne));
    kit::DocumentOptions old;
    old.schemas.book = 12;
    old.schemas.page = 14;
    old.schemas.options = 12;
    old.schemas.legendItem = 1;
    documents.push_back(kit::WriteDocument(tour, old));
    return documents;
}

}  // namespace

// Every prefix of every kit document is an error or a book, never a crash,
// and whatever loads can be walked.
TEST(DamagedDocuments, EveryTruncationFailsCleanly)
{
    for (const auto& document : KitDocuments()) {
        CBook whole;
        testing_helpers::LoadBook(whole, document);
        for (size_t length = 0; length < document.size(); length += 1 + length / 512) {
            std::vector<uint8_t> cut(document.begin(), document.begin() + static_cast<std::ptrdiff_t>(length));
            CBook book;
            try {
                testing_helpers::LoadBook(book, cut);
            } catch (const docfile::ArchiveError& error) {
                EXPECT_NE(error.Cause(), docfile::ArchiveCause::None);
                continue;
            }
            size_t nodes = 0;
            model::PageTree(book).WalkExpanded([&](const model::CPage&, size_t) { return ++nodes < 10000; });
        }
    }
}

TEST(DamagedDocuments, ReadingAFileReportsOpenFailuresAndArchiveErrors)
{
    CBook book;
    const docfile::ReadResult missing = docfile::ReadDocument(u"/nonexistent/dir/none.vnb", book);
    EXPECT_FALSE(missing.opened);
    EXPECT_FALSE(missing.loaded);

    const std::string path = testing::TempDir() + "truncated.vnb";
    std::vector<uint8_t> bytes = KitDocuments()[1];
    bytes.resize(bytes.size() / 2);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    int calls = 0;
    const docfile::ReadResult truncated =
        docfile::ReadDocument(std::u16string(path.begin(), path.end()), book, [&](uint32_t, uint32_t) { ++calls; });
    EXPECT_TRUE(truncated.opened);
    EXPECT_FALSE(truncated.loaded);
    ASSERT_TRUE(truncated.error);
    EXPECT_EQ(truncated.error->Cause(), docfile::ArchiveCause::EndOfFile);
    EXPECT_GT(calls, 0);
    EXPECT_GT(book.PageCount(), 0u);  // what was read stays
    std::remove(path.c_str());
}

TEST(DamagedDocuments, ProgressCountsPagesAndUnlockChecksBeforeDeciphering)
{
    kit::DocumentOptions options;
    options.password = u"vornview";
    const std::string path = testing::TempDir() + "protected.vnb";
    const std::vector<uint8_t> bytes = kit::WriteDocument(kit::MakeTourBook(), options);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    CBook book;
    std::vector<uint32_t> seen;
    uint32_t total = 0;
    const docfile::ReadResult read = docfile::ReadDocument(std::u16string(path.begin(), path.end()), book,
                                                           [&](uint32_t index, uint32_t count) {
                                                               seen.push_back(index);
                                                               total = count;
                                                           });
    std::remove(path.c_str());
    ASSERT_TRUE(read.loaded);
    EXPECT_EQ(seen.size(), total);
    EXPECT_EQ(seen.back(), total - 1);
    EXPECT_EQ(docfile::UnlockBook(book, u"wrong"), docfile::Unlock::WrongPassword);
    EXPECT_EQ(docfile::UnlockBook(book, u""), docfile::Unlock::WrongPassword);
    EXPECT_EQ(docfile::UnlockBook(book, u"vornview"), docfile::Unlock::Accepted);
}

TEST(Messages, FormatAndFileNamePart)
{
    using docfile::FormatText;
    EXPECT_EQ(FormatText(docfile::kCantEncodeWithPassword, {u"pw", u"a.vnb"}), u"Cant encode with password [pw] file a.vnb");
    EXPECT_EQ(FormatText(docfile::kCantLoadDocument, {u"C:\\x\\a.vnb"}), u"Cant load document C:\\x\\a.vnb");
    EXPECT_EQ(FormatText(u"%s and %s", {u"one"}), u"one and %s");
    EXPECT_EQ(docfile::FileNamePart(u"C:\\notes\\book.vnb"), u"book.vnb");
    EXPECT_EQ(docfile::FileNamePart(u"/home/a/b.vnb"), u"b.vnb");
    EXPECT_EQ(docfile::FileNamePart(u"plain.vnb"), u"plain.vnb");
}
