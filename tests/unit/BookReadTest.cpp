#include <gtest/gtest.h>

#include "model/Book.h"
#include "tests/unit/Helpers.h"

using kit::BookSpec;
using kit::DocumentOptions;
using model::CBook;
using testing_helpers::BookOf;
using testing_helpers::ErrorLoading;
using testing_helpers::LoadBook;
using testing_helpers::Page;

namespace {

DocumentOptions AtSchema(uint16_t book, uint16_t page = 23, bool packed = false)
{
    DocumentOptions options;
    options.schemas.book = book;
    options.schemas.page = page;
    options.schemas.options = book >= 6 ? std::min<uint16_t>(book, 17) : 17;
    options.packed = packed;
    return options;
}

BookSpec FullBook()
{
    BookSpec book = BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"Text"), Page(3, 1, 5, u"Bin"),
                            Page(4, 3, 0, u"Binned")});
    book.currentPage = 2;
    book.saveCounter = 17;
    book.version = {3, 4, 1, 200};
    book.formerFavourites = {9, 9};
    book.favourites = {2, 0xFFFFFFFF, 4};
    book.options.historyLimit = 7;
    book.options.optionFlags = 0;
    book.history = {kit::MetaInfoSpec{u"PC", u"", u"ann", {0, 45000.0}}};
    book.bookText2 = u"book text";
    kit::IconEntrySpec icon;
    icon.key = 2;
    icon.reference = 4;
    book.icons = {icon};
    book.refs = {kit::RefSpec{{1, 2, 3}}, kit::RefSpec{{4, 5, 6}}};
    kit::LegendItemSpec item;
    item.id = 3;
    item.name = u"Label";
    book.legend.items = {item};
    book.legend.groups = {kit::LegendGroupSpec{2, u"Group"}};
    kit::ExtraInfoSpec extra;
    extra.ownerPage = 2;
    book.extraInfo = {extra};
    return book;
}

}  // namespace

TEST(BookRead, EverySchemaReadsItsFieldsAndDropsFormerOnes)
{
    const BookSpec spec = FullBook();
    for (uint16_t s = 0; s <= 17; ++s) {
        SCOPED_TRACE(testing::Message() << "book schema " << s);
        CBook book;
        LoadBook(book, kit::WriteDocument(spec, AtSchema(s)));
        EXPECT_EQ(book.Schema(), s);
        ASSERT_EQ(book.PageCount(), 4u);
        EXPECT_EQ(book.PageAt(1)->Title(), u"Text");
        EXPECT_EQ(book.CurrentPage(), 2u);
        EXPECT_EQ(book.SaveCounter(), s >= 3 ? 17u : 0u);
        EXPECT_EQ(book.Version().major, s >= 14 ? 3u : 0u);
        EXPECT_EQ(book.Version().build, s >= 14 ? 200u : 0u);
        EXPECT_EQ(book.FavouritesCount(), s >= 2 ? 3u : 0u);
        EXPECT_EQ(book.Options().historyLimit, s >= 12 ? 7u : 25u);
        EXPECT_EQ(book.History().Count(), s >= 9 ? 1u : 0u);
        EXPECT_EQ(book.BookText2(), s >= 10 ? u"book text" : u"");
        EXPECT_EQ(book.Icons().Count(), s >= 11 ? 1u : 0u);
        EXPECT_EQ(book.Legend().Count(), s >= 16 ? 1u : 0u);
        EXPECT_EQ(book.Legend().Groups().size(), s >= 16 ? 1u : 0u);
        EXPECT_EQ(book.ExtraInfoCount(), s >= 17 ? 1u : 0u);
        EXPECT_EQ(book.FavouritesEntry(1), s >= 2 ? -1 : -1);
        EXPECT_EQ(book.FavouritesEntry(2), s >= 2 ? 4 : -1);
    }
}

TEST(BookRead, PackedAndUnpackedBodiesReadAlike)
{
    const BookSpec spec = FullBook();
    for (bool packed : {false, true}) {
        CBook book;
        LoadBook(book, kit::WriteDocument(spec, AtSchema(17, 23, packed)));
        EXPECT_EQ(book.Packed(), packed);
        EXPECT_EQ(book.PageCount(), 4u);
        EXPECT_EQ(book.ExtraInfoCount(), 1u);
    }
}

TEST(BookRead, PackedBodyProblems)
{
    const BookSpec spec = FullBook();
    DocumentOptions tooLong = AtSchema(17, 23, true);
    tooLong.packedLength = 1u << 30;
    EXPECT_EQ(ErrorLoading(kit::WriteDocument(spec, tooLong)), u"C:\\notes\\book.vnb has a bad format.");

    DocumentOptions notJb01 = AtSchema(17, 23, true);
    notJb01.packedBody = std::vector<uint8_t>{'n', 'o', 't', ' ', 'j', 'b', '0', '1'};
    EXPECT_EQ(ErrorLoading(kit::WriteDocument(spec, notJb01)),
              u"An attempt was made to access an unnamed file past its end.");

    // Errors inside the packed body name no file: it is a stream of its own.
    BookSpec negative = spec;
    negative.pageCount = -1;
    EXPECT_EQ(ErrorLoading(kit::WriteDocument(negative, AtSchema(17, 23, true))), u"an unnamed file has a bad format.");
    EXPECT_EQ(ErrorLoading(kit::WriteDocument(negative, AtSchema(17, 23, false))),
              u"C:\\notes\\book.vnb has a bad format.");
}

TEST(BookRead, PackedBodyNumbersItsClassesAfresh)
{
    // The long known-tag form in both streams: the body's first CPage is a
    // new class there even though the file stream already gave out index 1.
    DocumentOptions options = AtSchema(17, 23, true);
    options.knownTags = kit::KnownTagForm::Long;
    CBook book;
    LoadBook(book, kit::WriteDocument(FullBook(), options));
    EXPECT_EQ(book.PageCount(), 4u);
}

TEST(BookRead, EmptyAndNegativePageCounts)
{
    CBook empty;
    LoadBook(empty, kit::WriteDocument(BookOf({}), AtSchema(17)));
    EXPECT_EQ(empty.PageCount(), 0u);
    EXPECT_EQ(empty.RootPageId(), -1);
    EXPECT_EQ(empty.RecycleBinId(), -1);
}

namespace {

// A schema-17 book body with no pages whose options record is replaced by
// `options`; everything after it is well formed.
std::vector<uint8_t> BookWithOptions(const std::function<void(kit::ArchiveWriter&)>& options)
{
    kit::ArchiveWriter body;
    body.Dword(0);
    body.String(u"");
    body.Long(0);
    body.Dword(0);
    kit::WriteArchiveVersion(body, {});
    body.Dword(0);  // save counter
    body.Dword(0);  // favourites
    options(body);
    kit::WriteMetaHistory(body, {});
    body.String(u"t2");
    body.Long(0);  // icons
    body.Long(0);  // legend items
    body.NewClassTag("CLegend", 1);
    body.Long(0);
    body.Long(0);  // extra info
    kit::ArchiveWriter file;
    file.ClassTag("CBook", 17);
    file.Dword(0);
    file.Raw(body.Bytes());
    return file.Take();
}

}  // namespace

TEST(BookRead, BadIndexInsideOptionsIsIgnoredOtherErrorsAreNot)
{
    CBook tolerant;
    LoadBook(tolerant, BookWithOptions([](kit::ArchiveWriter& w) { w.Word(0x0000); }));
    EXPECT_EQ(tolerant.BookText2(), u"t2");
    EXPECT_EQ(tolerant.Options().historyLimit, 25u);

    EXPECT_EQ(ErrorLoading(BookWithOptions([](kit::ArchiveWriter& w) { w.NewClassTag("CPage", 23); })),
              u"C:\\notes\\book.vnb contained an unexpected object.");
}

TEST(BookRead, DamagedFavouritesKeepWhatWasRead)
{
    // Schema 1 ends with the dropped favourites list: a list cut short is
    // no error there.
    kit::ArchiveWriter file;
    file.ClassTag("CBook", 1);
    file.Dword(0);
    file.String(u"");
    file.Long(0);
    file.Dword(0);
    file.Dword(5);  // five favourites, one present
    file.Dword(3);
    CBook book;
    LoadBook(book, file.Bytes());
    EXPECT_EQ(book.FavouritesCount(), 0u);
}

TEST(BookRead, EmptyRecycleBinIsRemovedOneWithChildrenStays)
{
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(5, 1, 5, u"Bin"), Page(6, 1, 0, u"Text")});
    spec.currentPage = 5;
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    EXPECT_EQ(book.PageCount(), 2u);
    EXPECT_FALSE(book.HasPage(5));
    EXPECT_EQ(book.CurrentPage(), 1u);
    EXPECT_EQ(book.PageHistory(), std::vector<uint32_t>{5});

    spec.pages.push_back(Page(7, 5, 0, u"Deleted"));
    CBook kept;
    LoadBook(kept, kit::WriteDocument(spec));
    EXPECT_EQ(kept.RecycleBinId(), 5);
    EXPECT_EQ(kept.CurrentPage(), 5u);
}

TEST(BookRead, ExpansionPolicies)
{
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(2, 2, 4, u"Top two"), Page(3, 3, 4, u"Top three"),
                            Page(4, 1, 4, u"Child")});
    spec.pages[3].expanded = 1;
    for (uint32_t policy : {0u, 1u, 2u}) {
        spec.options.expansionPolicy = policy;
        CBook book;
        LoadBook(book, kit::WriteDocument(spec));
        std::string flags;
        for (size_t i = 0; i < book.PageCount(); ++i)
            flags += book.PageAt(i)->Expanded() ? '1' : '0';
        EXPECT_EQ(flags, policy == 0 ? "0001" : policy == 1 ? "1010" : "1111") << policy;
    }
    // The expansion policy did not exist before options schema 17.
    spec.options.expansionPolicy = 2;
    DocumentOptions sixteen;
    sixteen.schemas.options = 16;
    CBook old;
    LoadBook(old, kit::WriteDocument(spec, sixteen));
    EXPECT_FALSE(old.PageAt(0)->Expanded());
}

TEST(BookRead, QueriesFindPagesByIdentifier)
{
    BookSpec spec = BookOf({Page(2, 2, 4, u"Id two is never root"), Page(9, 9, 4, u"Root"), Page(3, 9, 0, u"A"),
                            Page(1, 9, 0, u"B"), Page(3, 9, 0, u"Duplicate A")});
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    EXPECT_EQ(book.RootPageId(), 9);
    EXPECT_EQ(book.FindPage(3)->Title(), u"A");  // the first with that id
    EXPECT_EQ(book.FindPage(1)->Title(), u"B");
    EXPECT_EQ(book.IndexOfPage(1), 3);
    EXPECT_EQ(book.FindPage(42), nullptr);
    EXPECT_TRUE(book.HasChildren(9));
    EXPECT_FALSE(book.HasChildren(3));
    EXPECT_FALSE(book.HasChildren(42));
    EXPECT_TRUE(book.IsTopPage(9));
    EXPECT_FALSE(book.IsTopPage(2));
    EXPECT_FALSE(book.IsTopPage(3));
    EXPECT_EQ(book.PageAt(5), nullptr);
}

TEST(BookRead, AttachmentsCountOnlyExactTypeMatches)
{
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(5, 1, 0, u"Five")});
    kit::ExtraInfoSpec file;
    file.ownerPage = 5;
    kit::ExtraInfoSpec other = file;
    other.type = u"file2vornfiledata";
    spec.extraInfo = {file, file, other};
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    EXPECT_EQ(book.AttachmentCount(5), 2u);
    EXPECT_EQ(book.AttachmentCount(1), 0u);
    EXPECT_EQ(book.ExtraInfoCount(), 3u);
    EXPECT_EQ(book.ExtraInfo().CountMatching(std::nullopt, model::ExtraInfoList::kAnyOwner), 3u);
    EXPECT_EQ(book.ExtraInfo().CountMatching(u"file2vornfiledata", 5), 1u);
}

TEST(BookRead, ProtectedBooksCheckAndDecipher)
{
    DocumentOptions options;
    options.password = u"vornview";
    CBook book;
    LoadBook(book, kit::WriteDocument(FullBook(), options));
    EXPECT_TRUE(book.IsProtected());
    EXPECT_NE(book.PageAt(1)->Title(), u"Text");
    EXPECT_FALSE(book.CheckPassword(u"Vornview"));
    EXPECT_FALSE(book.CheckPassword(u""));
    ASSERT_TRUE(book.CheckPassword(u"vornview"));
    EXPECT_TRUE(book.Decipher(u"vornview"));
    EXPECT_EQ(book.PageAt(1)->Title(), u"Text");
}
