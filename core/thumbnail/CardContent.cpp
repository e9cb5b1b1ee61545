#include "core/thumbnail/CardContent.h"

#include "core/search/VisibleText.h"
#include "docfile/ByteSource.h"
#include "docfile/Jb01Source.h"
#include "docfile/LoadArchive.h"
#include "model/Page.h"
#include "model/PageStrings.h"
#include "model/Records.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"

#include <algorithm>
#include <set>

namespace core {
namespace {

struct TimeIsUp {};

// Asks the clock before every read (the archive reads 4 KiB at a time, a
// packed body 8 KiB), so that a slow file, a long page or a long packed body
// ends the read when time is up.
class DeadlineSource final : public docfile::ByteSource {
public:
    DeadlineSource(docfile::ByteSource& inner, const std::function<bool()>& expired)
        : inner_(inner), expired_(expired)
    {
    }
    size_t Read(void* dst, size_t n) override
    {
        if (expired_())
            throw TimeIsUp{};
        return inner_.Read(dst, n);
    }
    uint64_t Remaining() const override { return inner_.Remaining(); }

private:
    docfile::ByteSource& inner_;
    const std::function<bool()>& expired_;
};

// The body's fields up to and through the pages, in the order the book
// stores them; reading stops once the card is full.
std::optional<CardContent> ReadBody(docfile::LoadArchive& ar, uint32_t schema)
{
    ar.ReadDword();
    if (!ar.ReadString().empty())
        return std::nullopt;  // a password verifier: the pages are enciphered
    const int32_t count = ar.ReadLong();
    if (count < 0)
        return std::nullopt;
    ar.ReadDword();
    if (schema >= 14)
        model::CArchiveVersion{}.Read(ar);
    if (schema >= 3 && schema < 7)
        ar.ReadDword();
    if (schema >= 3)
        ar.ReadDword();

    CardContent card;
    card.pageCount = static_cast<uint32_t>(count);
    bool rootSeen = false;
    std::set<uint32_t> binned;  // the recycle bin and what lies in it
    for (int32_t i = 0; i < count && !(rootSeen && !card.lines.empty()); ++i) {
        model::PageStrings strings;
        model::CPage page(0, model::DateTime{});
        page.Read(ar, strings);
        if (page.IsKind5() && binned.empty())
            binned.insert(page.Id());
        else if (binned.count(page.ParentId()) && !page.IsTopLevel())
            binned.insert(page.Id());
        if (binned.count(page.Id()))
            continue;
        if (!rootSeen && page.IsTopLevel() && page.Id() != 2) {
            rootSeen = true;
            card.title = page.Title();
        }
        if (card.lines.empty() && (page.IsPlainText() || page.IsRichText())) {
            // As the reader sees it: bookmarks and page-link markers hidden.
            const std::u16string whole = page.IsRichText() ? richtext::PlainText(richtext::ReadRtf(page.Text(), richtext::Pictures::Leave)) : page.Text();
            card.lines = FirstLines(VisibleText(whole, LinkPassHiddenRanges(whole)).Text());
        }
    }
    return card;
}

std::optional<CardContent> ReadDocument(docfile::ByteSource& source)
{
    docfile::LoadArchive ar(source, std::u16string());
    const uint32_t schema = ar.ReadClassTag(docfile::ArchiveClass::Book);
    if (schema < 15 || ar.ReadDword() == 0)
        return ReadBody(ar, schema);
    const uint32_t length = ar.ReadDword();
    if (length > ar.Remaining())
        return std::nullopt;
    docfile::ArchiveSection packed(ar, length);
    docfile::Jb01Source decoded(packed, length);
    // A broken stream ends the read where it breaks; a break past what the
    // card needs goes unnoticed, as it is never decoded.
    docfile::LoadArchive body(decoded, std::u16string());
    return ReadBody(body, schema);
}

}  // namespace

std::optional<CardContent> ReadCardContent(docfile::ByteSource& source, const std::function<bool()>& expired)
{
    try {
        DeadlineSource timed(source, expired);
        return ReadDocument(timed);
    } catch (...) {
        // A broken document, time up, or memory short: no card.
        return std::nullopt;
    }
}

std::vector<std::u16string> FirstLines(std::u16string_view text, size_t maxLines, size_t maxChars)
{
    std::vector<std::u16string> lines;
    size_t begin = 0;
    while (begin < text.size() && lines.size() < maxLines) {
        const size_t end = std::min(text.find_first_of(u"\r\n", begin), text.size());
        std::u16string line(text.substr(begin, std::min(end - begin, maxChars)));
        if (!line.empty() && line.back() >= 0xD800 && line.back() < 0xDC00)
            line.pop_back();  // half a character cut off
        std::replace_if(line.begin(), line.end(), [](char16_t c) { return c < 0x20 || c == 0x7F; }, u' ');
        line.erase(line.find_last_not_of(u' ') + 1);
        if (!line.empty())
            lines.push_back(std::move(line));
        begin = end + 1;
    }
    return lines;
}

}  // namespace core
