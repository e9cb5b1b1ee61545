// Opening untrusted documents: every cut names its cause, no claim makes the
// reader allocate what the input cannot hold, unlocking checks first, and
// the procedure tells its front end each step in order.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <set>

#include "model/Legend.h"
#include "opening/OpenDocument.h"
#include "opening/ReadDocument.h"
#include "tests/kit/Cipher.h"
#include "tests/kit/Icons.h"
#include "tests/unit/CountingAllocator.h"
#include "tests/unit/Helpers.h"

using kit::ArchiveWriter;
using model::CBook;
using namespace testing_helpers;

namespace {

constexpr char16_t kPassword[] = u"vornview";

// A little of every record: pages of several kinds and text stores, icons,
// favourites, history, a legend with a group, an attachment.
kit::BookSpec SmallBook()
{
    kit::BookSpec book = BookOf({Page(1, 1, model::kFolder, u"Root"), Page(2, 1, model::kRichText, u"Rich"),
                                 Page(3, 1, model::kPlainText, u"")});
    book.pages[1].text = u"{\\rtf1 hello}";
    book.pages[2].title = kit::PageText(u"Caf\u00e9 caf\u00e9 caf\u00e9", kit::TextStore::Jb01);
    book.pages[2].text = u"Plain text";
    book.favourites = {2, 0xFFFFFFFF};
    book.history = {kit::MetaInfoSpec{}};
    book.bookText2 = u"t2";
    book.icons = {{2, kit::MakeIcon4(16, [](int x, int) { return x % 16; }), 0}, {3, std::nullopt, 2}};
    book.refs = {kit::RefSpec{{1, 2, 3}}};
    book.legend = {{{0x0000FF, 0x11, 1, u"Label", {}, 0}}, {{1, u"Group"}}};
    book.extraInfo = {kit::ExtraInfoSpec{.ownerPage = 2, .data = {'a', 0, 'b'}}};
    return book;
}

// Cuts at lengths in [begin, end) report the message; all others the end of file.
using Region = std::tuple<size_t, size_t, std::u16string>;

void SweepEveryCut(const std::vector<uint8_t>& document, const std::vector<Region>& regions)
{
    ASSERT_EQ(ErrorLoading(document), kNoError);
    std::string mismatches;
    for (size_t length = 0; length < document.size(); ++length) {
        std::u16string expected = kEndOfFile;
        for (const auto& [begin, end, message] : regions)
            if (length >= begin && length < end) {
                expected = message;
                break;
            }
        const std::u16string got = ErrorLoading({document.begin(), document.begin() + static_cast<ptrdiff_t>(length)});
        if (got != expected && mismatches.size() < 1000)
            mismatches += "cut at " + std::to_string(length) + ": " + Narrow(got) + "\n";
    }
    EXPECT_EQ(mismatches, "");
}

}  // namespace

// Unpacked, a cut inside a class name is an unexpected object (the name is
// shorter than its length says) and anywhere else the end of the file; the
// legend's own tag may be missing at the end of a stream, so a cut inside it
// loads. Packed, any cut inside the body makes its length a bad format.
TEST(OpenDocument, EveryCutReportsTheCauseItsPositionGives)
{
    for (const auto& [bookSchema, pageSchema] : {std::pair<uint16_t, uint16_t>{16, 23}, {12, 14}}) {
        SCOPED_TRACE(testing::Message() << "book schema " << bookSchema << ", page schema " << pageSchema);
        kit::DocumentOptions options{.schemas = {.book = bookSchema, .page = pageSchema, .options = bookSchema},
                                     .packed = false};
        ArchiveWriter file;
        file.ClassTag("CBook", bookSchema);
        if (bookSchema >= 15)
            file.Dword(0);
        kit::WriteBookBody(file, SmallBook(), options.schemas);
        ASSERT_EQ(file.Bytes(), kit::WriteDocument(SmallBook(), options));
        std::vector<Region> regions;
        for (const ArchiveWriter::TagSpan& tag : file.NewClassTags())
            regions.push_back(tag.name == "CLegend" ? Region{tag.begin, tag.end, kNoError}
                                                    : Region{tag.nameBegin, tag.end, kUnexpected});
        SweepEveryCut(file.Bytes(), regions);
    }
    const std::vector<uint8_t> packed = kit::WriteDocument(SmallBook());
    ArchiveWriter header;
    header.ClassTag("CBook", 17);
    header.Dword(1);  // packed
    header.Dword(0);  // length
    const ArchiveWriter::TagSpan& book = header.NewClassTags().at(0);
    SweepEveryCut(packed, {{book.nameBegin, book.end, kUnexpected}, {header.Size(), packed.size(), kBadFormat}});
}

TEST(OpenDocument, HugeClaimsFailOrStopWithoutAllocatingThem)
{
    const ReadFn book = [](docfile::LoadArchive& ar) { CBook().Load(ar); };
    const ReadFn string = [](docfile::LoadArchive& ar) { ar.ReadString(); };
    const auto record = [](auto prototype) {
        return ReadFn([](docfile::LoadArchive& ar) { decltype(prototype)().Read(ar); });
    };
    std::vector<uint8_t> jb01Claim = {'J', 'B', '0', '1', 0xFF, 0xFF, 0xFF, 0xFF};
    jb01Claim.resize(64);
    const std::tuple<const char*, std::vector<uint8_t>, ReadFn, std::u16string> cases[] = {
        {"wide string of 4G units", {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x41}, string, kEndOfFile},
        {"narrow string of 4 GB", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x41}, string, kEndOfFile},
        {"compressed string of 4 GB", Written([](auto& w) { w.Dword(0xFFFFFFF0), w.Raw(std::string_view("JB01")); }),
         [](docfile::LoadArchive& ar) { ar.ReadCompressedString(); }, kEndOfFile},
        {"JB01 text claiming 4 GB", Written([&](auto& w) { w.CompressedRaw(jb01Claim); }),
         [](docfile::LoadArchive& ar) { ar.ReadCompressedString(); }, kUnknownError},
        {"packed body claiming 4 GB", kit::WriteDocument(SmallBook(), {.packedBody = jb01Claim}), book, kEndOfFile},
        {"2^31 pages, one there",
         Written([](auto& w) {
             w.ClassTag("CBook", 17), w.Dword(0), w.Dword(0), w.String(u""), w.Long(INT32_MAX), w.Dword(1);
             kit::WriteArchiveVersion(w, {}), w.Dword(0), kit::WritePage(w, kit::PageSpec{});
         }),
         book, kEndOfFile},
        {"page content of 4 GB",
         Written([](auto& w) {
             w.ClassTag("CPage", 23), w.Dword(2), w.Dword(1), w.Dword(0), w.Dword(0), w.String(u"t");
             w.Dword(0), w.Dword(1200), w.Dword(0xFFFFFFF0), w.Raw(std::string_view("abc"));
         }),
         record(testing_helpers::PageRecord()), kEndOfFile},
        // The last field of a document may keep what arrived.
        {"attachment of 4 GB",
         Written([](auto& w) {
             w.Long(1), w.ClassTag("CExtraInfo", 1), w.String(u"File2VornFileData"), w.Long(3), w.Zeros(32);
             w.Dword(0xFFFFFFF0), w.Raw(std::string_view("abc"));
         }),
         record(model::ExtraInfoList()), kNoError},
        {"icon bitmap of 10 GB",
         Written([](auto& w) {
             w.ClassTag("CIcon", 1), w.Long(16), w.Long(16), w.Byte(1), w.Byte(4), w.Long(1);
             w.Word(4), w.Long(100000), w.Word(1), w.Long(0), w.Long(16), w.Long(100000);
         }),
         record(model::CIcon()), kEndOfFile},
        {"2^31 legend items", Written([](auto& w) { w.Long(INT32_MAX); }), record(model::CLegend()), kEndOfFile},
    };
    for (const auto& [what, bytes, read, message] : cases) {
        ErrorReading(bytes, read);  // first uses may set up caches that stay
        const size_t before = counting_allocator::CurrentBytes();
        counting_allocator::ResetPeak();
        EXPECT_EQ(ErrorReading(bytes, read), message) << what;
        EXPECT_LT(counting_allocator::PeakBytesSinceReset(), 64u * 1024) << what;
        EXPECT_EQ(counting_allocator::CurrentBytes(), before) << what << " leaks";
    }
}

namespace {

// Stands in for a front end: answers with `answers` in turn, then with
// nothing, and writes down everything the procedure asks of it, in order.
struct FrontEnd final : opening::PasswordPrompt, opening::MessageSink, opening::ProgressSink {
    explicit FrontEnd(std::vector<std::u16string> given) : answers(std::move(given)) {}
    std::optional<std::u16string> Ask(const std::u16string& prompt, const std::u16string& previous) override
    {
        prompts.insert(Narrow(prompt));
        log += "ask(" + Narrow(previous) + ") ";
        return asked < answers.size() ? std::optional(answers[asked++]) : std::nullopt;
    }
    void Wait(std::chrono::milliseconds delay) override { log += "wait " + std::to_string(delay.count()) + " "; }
    void Warn(const std::u16string& text) override { log += "warn(" + Narrow(text) + ") "; }
    void CantLoad(const std::u16string& text) override { log += "last(" + Narrow(text) + ")"; }
    void CannotOpen(const std::filesystem::path&, const std::u16string& fullPath) override
    {
        log += "unopened(" + Narrow(fullPath) + ") ";
    }
    void ReadingStarted() override { log += "["; }
    void PageRead(uint32_t index, uint32_t count) override
    {
        log += std::to_string(index) + "/" + std::to_string(count) + " ";
    }
    void ReadingEnded() override { log += "] "; }
    void Dismiss() override { log += "dismiss "; }

    std::vector<std::u16string> answers;
    size_t asked = 0;
    std::string log;
    std::set<std::string> prompts;
};

}  // namespace

// The procedure's whole conversation with its front end, per document and
// answers: what shows while reading, when the password is asked for, the
// wait before every check after a wrong one, and which failures end with
// "Cant load document" (%p: the full path).
TEST(OpenDocument, TellsTheFrontEndEachStepInOrder)
{
    using enum opening::OpenOutcome;
    // At book schema 16 the legend is last, not a block that may be short.
    const kit::DocumentOptions plain{.schemas = {.book = 16, .options = 16}, .packed = false};
    kit::DocumentOptions locked = plain;
    locked.password = kPassword;
    const std::vector<uint8_t> open = kit::WriteDocument(SmallBook(), plain);
    const std::vector<uint8_t> shut = kit::WriteDocument(SmallBook(), locked);
    const auto cut = [](std::vector<uint8_t> bytes) { return bytes.pop_back(), bytes; };
    const std::string read = "[0/3 1/3 2/3 ] ", end = "warn(" + Narrow(kEndOfFile) + ") ";
    const std::string invalid = "warn(Invalid password for openining p.vnb) ", last = "last(Cant load document %p)";
    const struct {
        const char* what;
        std::optional<std::vector<uint8_t>> bytes;  // none: no such file
        std::vector<std::u16string> answers;
        std::string log;
        opening::OpenOutcome outcome;
        int tried;
    } cases[] = {
        {"plain", open, {}, read + "dismiss ", Opened, 0},
        {"damaged", cut(open), {}, read + end + "dismiss " + last, Failed, 0},
        {"missing", std::nullopt, {}, "unopened(%p) " + last, Failed, 0},
        {"right password", shut, {kPassword}, read + "dismiss ask() ", Opened, 1},
        {"wrong ones first", shut, {u"nope", u"", kPassword},
         read + "dismiss ask() " + invalid + "ask(nope) wait 1000 " + invalid + "ask() wait 1000 ", Opened, 3},
        {"cancelled", shut, {}, read + "dismiss ask() ", Cancelled, 0},
        {"cancelled after a wrong one", shut, {u"nope"}, read + "dismiss ask() " + invalid + "ask(nope) ", Cancelled, 1},
        // What was read carries the verifier: the password comes before the failure.
        {"damaged, right password", cut(shut), {kPassword}, read + end + "dismiss ask() " + last, Failed, 1},
        {"damaged, cancelled", cut(shut), {}, read + end + "dismiss ask() ", Cancelled, 0},
    };
    const std::string path = testing::TempDir() + "p.vnb";
    for (const auto& c : cases) {
        std::remove(path.c_str());
        if (c.bytes)
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(c.bytes->data()), static_cast<std::streamsize>(c.bytes->size()));
        FrontEnd front(c.answers);
        CBook book;
        const opening::OpenResult result = opening::OpenDocument(path, book, front, front, front);
        std::string log = c.log;
        for (size_t at; (at = log.find("%p")) != std::string::npos;)
            log.replace(at, 2, path);
        EXPECT_EQ(front.log, log) << c.what;
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(result.passwordsTried, c.tried) << c.what;
        EXPECT_EQ(Narrow(result.fullPath), path) << c.what;
        EXPECT_TRUE(front.prompts.empty() || front.prompts == std::set<std::string>{"Required password for openining p.vnb"});
        // The pages read stay, deciphered once the password was right.
        const std::u16string title = c.outcome != Cancelled ? u"Rich" : kit::Transform(u"Rich", kPassword);
        EXPECT_EQ(book.FindPage(2) ? book.FindPage(2)->Title() : u"", c.bytes ? title : u"") << c.what;
    }
    std::remove(path.c_str());
}

// Only an empty password opens an unprotected book, and nothing deciphers
// with an empty key; a wrong one leaves the book enciphered.
TEST(OpenDocument, UnlockChecksThePasswordBeforeDeciphering)
{
    using enum opening::Unlock;
    const std::tuple<std::u16string, std::u16string, opening::Unlock> cases[] = {
        {kPassword, kPassword, Accepted}, {kPassword, u"VornView", WrongPassword}, {kPassword, u"vornvie", WrongPassword},
        {kPassword, u"", WrongPassword},  {u"", u"x", WrongPassword},             {u"", u"", DecipherFailed},
    };
    for (const auto& [password, typed, result] : cases) {
        CBook book = Loaded(SmallBook(), {.password = password});
        const bool plain = password.empty() || result == Accepted;
        EXPECT_EQ(opening::UnlockBook(book, typed), result) << Narrow(typed);
        EXPECT_EQ(book.FindPage(2)->Title(), plain ? u"Rich" : kit::Transform(u"Rich", kPassword)) << Narrow(typed);
        EXPECT_EQ(book.FindPage(2)->Text() == u"{\\rtf1 hello}", plain) << Narrow(typed);
    }
}

TEST(DocumentName, OnlyNamesEndingInVnbInAnyCase)
{
    for (std::u16string_view name : {u"C:\\notes\\book.vnb", u"NOTES.VNB", u"Mixed.VnB", u".vnb"})
        EXPECT_TRUE(opening::IsDocumentName(name)) << Narrow(std::u16string(name));
    for (std::u16string_view name : {u"notes.vnb.bak", u"notes.vn", u"vnb", u"", u"notes.vnbx", u"notes_vnb", u"notes.wnb"})
        EXPECT_FALSE(opening::IsDocumentName(name)) << Narrow(std::u16string(name));
}
