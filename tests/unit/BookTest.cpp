#include <gtest/gtest.h>

#include "docfile/Jb01Source.h"
#include "model/Book.h"
#include "model/PageTree.h"
#include "tests/kit/Jb01.h"
#include "tests/unit/Helpers.h"

using kit::BookSpec;
using kit::DocumentOptions;
using model::CBook;
using namespace testing_helpers;

namespace {

constexpr uint16_t kNewestBookSchema = 17;

DocumentOptions AtSchema(uint16_t book, bool packed = false)
{
    const uint16_t options = book >= 6 ? std::min(book, kNewestBookSchema) : kNewestBookSchema;
    return {.schemas = {.book = book, .options = options}, .packed = packed};
}

BookSpec FullBook()
{
    BookSpec book = BookOf({Page(1, 1, model::kFolder, u"Root"), Page(2, 1, model::kPlainText, u"Text"),
                            Page(3, 1, model::kRecycleBin, u"Bin"), Page(4, 3, model::kPlainText, u"Binned")});
    book.formerFavourites = {9, 9};
    book.favourites = {2, 0xFFFFFFFF, 4};
    book.options.historyLimit = 7;
    book.history = {kit::MetaInfoSpec{}};
    book.icons = {kit::IconEntrySpec{2, std::nullopt, 4}};
    book.refs = {kit::RefSpec{{1, 2, 3}}, kit::RefSpec{{4, 5, 6}}};
    book.legend = {{kit::LegendItemSpec{}}, {kit::LegendGroupSpec{2, u"Group"}}};
    book.extraInfo = {kit::ExtraInfoSpec{}};
    return book;
}

}  // namespace

// Every byte must be read, so a field read from the wrong schema on shows at
// that schema; the values of the newest are in the dump.
TEST(Book, EverySchemaTakesItsBytesAndDropsFormerFields)
{
    for (uint16_t s = 0; s <= kNewestBookSchema; ++s) {
        SCOPED_TRACE(testing::Message() << "book schema " << s);
        CBook book;
        ReadBytes(kit::WriteDocument(FullBook(), AtSchema(s)), [&](docfile::LoadArchive& ar) {
            book.Load(ar);
            EXPECT_EQ(ar.Remaining(), 0u);
        });
        EXPECT_EQ(book.PageCount(), 4u);
        EXPECT_EQ(book.FavouritesEntry(2), s >= 2 ? 4 : -1);
        EXPECT_EQ(book.Options().historyLimit, s >= 12 ? 7u : 25u);
    }
}

// The body is a stream of its own: its class numbers start again and its
// errors name no file.
TEST(Book, PackedBodies)
{
    DocumentOptions longTags = AtSchema(kNewestBookSchema, true);
    longTags.knownTags = kit::KnownTagForm::Long;
    const CBook book = Loaded(FullBook(), longTags);
    EXPECT_TRUE(book.Packed());
    EXPECT_EQ(book.ExtraInfoCount(), 1u);
    BookSpec negative = FullBook();
    negative.pageCount = -1;
    EXPECT_EQ(ErrorLoading(kit::WriteDocument(negative, AtSchema(kNewestBookSchema, true))),
              u"an unnamed file has a bad format.");
}

// The body is read while it is decoded, yet a broken stream still counts as
// no body at all, wherever it breaks: nothing of it stays, not even the
// verifier, and the read fails as at the first field.
TEST(Book, ABrokenPackedBodyKeepsNothing)
{
    DocumentOptions options = AtSchema(kNewestBookSchema, true);
    options.password = u"secret";
    // Bytes after the body are decoded too, though never read; more of them
    // than the decoder reads ahead.
    std::vector<uint8_t> body = kit::BookBodyBytes(FullBook(), options);
    body.resize(body.size() + 2 * docfile::Jb01Source::kDefaultStep);
    for (size_t cut : {size_t{40}, body.size()}) {
        kit::Jb01Writer w;  // literals up to the cut, then a match one byte too long
        for (size_t i = 0; i < cut; ++i)
            w.Literal(body[i]);
        w.Match(3, 4);
        options.packedBody = w.Finish(static_cast<uint32_t>(cut + 3));
        CBook book;
        EXPECT_EQ(ErrorReading(kit::WriteDocument(FullBook(), options), [&](auto& ar) { book.Load(ar); }), kEndOfFile)
            << "cut at " << cut;
        EXPECT_TRUE(book.PageCount() == 0 && !book.IsProtected()) << "cut at " << cut;
    }
}

TEST(Book, BadIndexInsideOptionsIsIgnoredOtherErrorsAreNot)
{
    // A book without pages whose options record is what `options` writes.
    const auto withOptions = [](void (*options)(kit::ArchiveWriter&)) {
        return Written([&](kit::ArchiveWriter& w) {
            w.ClassTag("CBook", kNewestBookSchema), w.Dword(0), w.Dword(0), w.String(u""), w.Long(0), w.Dword(0);
            kit::WriteArchiveVersion(w, {}), w.Dword(0), kit::WriteFavourites(w, {}), options(w);
            kit::WriteMetaHistory(w, {}), w.String(u"t2"), w.Long(0), kit::WriteLegend(w, {});
            kit::WriteExtraInfoList(w, {});
        });
    };
    const CBook tolerant = LoadedFrom(withOptions([](kit::ArchiveWriter& w) { w.Word(0x0000); }));
    EXPECT_EQ(tolerant.BookText2(), u"t2");
    EXPECT_EQ(tolerant.Options().historyLimit, 25u);
    EXPECT_EQ(ErrorLoading(withOptions([](kit::ArchiveWriter& w) { w.NewClassTag("CPage", 23); })), kUnexpected);
}

TEST(Book, ADamagedFavouritesListKeepsWhatWasRead)
{
    // Schemas 2 and 3 end with the favourites: a list cut short there is no error.
    BookSpec spec = FullBook();
    spec.favourites = {2, 3, 4};
    std::vector<uint8_t> bytes = kit::WriteDocument(spec, AtSchema(3));
    bytes.resize(bytes.size() - 2);
    const CBook book = LoadedFrom(bytes);
    EXPECT_EQ(book.FavouritesCount(), 2u);
    EXPECT_EQ(book.FavouritesEntry(1), 3);
}

TEST(Book, AfterLoadingAnEmptyBinGoesAndTheExpansionPolicyApplies)
{
    BookSpec spec = BookOf({Page(1, 1, model::kFolder, u"Root"), Page(5, 1, model::kRecycleBin, u"Bin")});
    spec.currentPage = 5;
    const CBook book = Loaded(spec);
    EXPECT_EQ(book.PageCount(), 1u);
    EXPECT_EQ(book.CurrentPage(), 1u);
    EXPECT_EQ(book.PageHistory(), std::vector<uint32_t>{5});

    spec.pages.push_back(Page(7, 5, model::kPlainText, u"Deleted"));
    const CBook kept = Loaded(spec);
    EXPECT_EQ(kept.RecycleBinId(), 5);
    EXPECT_EQ(kept.CurrentPage(), 5u);

    spec = BookOf({Page(1, 1, model::kFolder, u"Root"), Page(2, 2, model::kFolder, u"Top two"),
                            Page(3, 3, model::kFolder, u"Top three"), Page(4, 1, model::kFolder, u"Child")});
    spec.pages[3].expanded = 1;
    // Policy 1 opens top-level pages but page 2; the policy came with options schema 17.
    using Case = std::tuple<uint32_t, uint16_t, const char*>;
    for (const auto& [policy, optionsSchema, expected] :
         {Case{0, 17, "0001"}, Case{1, 17, "1010"}, Case{2, 17, "1111"}, Case{2, 16, "0001"}}) {
        spec.options.expansionPolicy = policy;
        const CBook opened = Loaded(spec, {.schemas = {.options = optionsSchema}});
        std::string flags;
        for (size_t i = 0; i < opened.PageCount(); ++i)
            flags += opened.PageAt(i)->Expanded() ? '1' : '0';
        EXPECT_EQ(flags, expected) << policy << " " << optionsSchema;
    }
}

TEST(Book, QueriesFindTheFirstPageOfAnIdentifierAndCountExactTypeMatches)
{
    BookSpec spec = BookOf({Page(2, 2, model::kFolder, u"Id two is never top"), Page(9, 9, model::kFolder, u"Root"),
                            Page(3, 9, model::kPlainText, u"A"), Page(1, 9, model::kPlainText, u"B"),
                            Page(3, 9, model::kPlainText, u"A again")});
    const kit::ExtraInfoSpec file{.ownerPage = 3};
    spec.extraInfo = {file, file, kit::ExtraInfoSpec{.type = u"file2vornfiledata", .ownerPage = 3}};
    const CBook book = Loaded(spec);
    EXPECT_EQ(book.FindPage(3)->Title(), u"A");
    EXPECT_EQ(book.IndexOfPage(1), 3);
    EXPECT_TRUE(book.HasChildren(9));
    EXPECT_FALSE(book.HasChildren(3));
    EXPECT_FALSE(book.IsTopPage(2));
    EXPECT_EQ(book.AttachmentCount(3), 2u);
}

// Large books are kept in chunks of pages and blocks of strings: pages on
// both sides of every boundary, a text larger than a block, an empty bin
// whose removal moves every later page, packed or not (the packed body is
// read aside and then moved in), and children ordered by a parent sort
// that takes over from 16,384 pages, with parents whose low 16 bits agree.
TEST(Book, ALargeBookKeepsEveryPageWhereItWasRead)
{
    constexpr uint32_t kPages = 20000;
    const std::u16string longText(1100000, u'x');
    BookSpec spec = BookOf({Page(1, 1, model::kFolder, u"Root"), Page(2, 1, model::kRecycleBin, u"Bin")});
    for (uint32_t id = 3; id <= kPages; ++id) {
        const std::string title = "Page " + std::to_string(id);
        const uint32_t parent = id % 3 == 0 ? 1 : id % 3 == 1 ? 131073 : 196610;
        spec.pages.push_back(Page(id, parent, model::kPlainText, std::u16string(title.begin(), title.end()),
                                  id == 10000 ? longText : u"Some words of text " + std::u16string(id % 50, u'w')));
    }
    spec.pages.push_back(Page(131073, 1, model::kFolder, u"Folder one"));
    spec.pages.push_back(Page(196610, 1, model::kFolder, u"Folder two"));
    for (const bool packed : {false, true}) {
        const CBook book = Loaded(spec, {.packed = packed});
        ASSERT_EQ(book.PageCount(), spec.pages.size() - 1) << packed;
        for (size_t i = 0; i < book.PageCount(); ++i) {
            const kit::PageSpec& expected = spec.pages[i < 1 ? i : i + 1];
            const model::CPage& page = *book.PageAt(i);
            ASSERT_EQ(page.Id(), expected.id) << i;
            ASSERT_EQ(page.Title(), expected.title.text) << i;
            ASSERT_EQ(page.TextSize(), expected.text.text.size() * 2) << i;
        }
        EXPECT_EQ(book.FindPage(10000)->Text(), longText);
        const model::PageTree tree(book);
        for (const uint32_t parent : {1u, 131073u, 196610u}) {
            std::vector<uint32_t> ids, expected;
            for (const model::CPage* child : tree.Children(*book.FindPage(parent)))
                ids.push_back(child->Id());
            for (size_t i = 0; i < book.PageCount(); ++i)
                if (book.PageAt(i)->ParentId() == parent && book.PageAt(i)->Id() != parent)
                    expected.push_back(book.PageAt(i)->Id());
            EXPECT_EQ(ids, expected) << parent;
        }
    }
}
