#include "model/Page.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "docfile/Cipher.h"
#include "platform/System.h"

namespace model {

std::u16string PageContent::Text() const
{
    const size_t units = TextUnits();
    std::u16string text(units, u'\0');
    for (size_t i = 0; i < units; ++i)
        text[i] = static_cast<char16_t>(block[2 * i] | (block[2 * i + 1] << 8));
    return text;
}

size_t PageContent::TextUnits() const
{
    const size_t whole = block.size() / 2;  // an odd last byte is ignored
    for (size_t i = 0; i < whole; ++i)
        if (block[2 * i] == 0 && block[2 * i + 1] == 0)
            return i;
    return whole;
}

const CPage::SeldomFields CPage::kSeldomDefaults;

CPage::CPage() : CPage(platform::WindowColour(), DateTime::Now()) {}

CPage::CPage(uint32_t background, const DateTime& now)
    : createdDate_(now.date), modifiedDate_(now.date), createdStatus_(now.status), modifiedStatus_(now.status),
      background_(background)
{
}

PageContent CPage::Content() const
{
    if (blockBytes_ == 0)
        return {{}, codePage_, leading_};
    const auto* bytes = reinterpret_cast<const uint8_t*>(storage_ + titleUnits_);
    return {std::span<const uint8_t>(bytes, blockBytes_), codePage_, leading_};
}

// A page deciphered in place keeps its room: the title keeps its length and
// the text does not grow, so a large protected book needs no second copy.
uint8_t* CPage::Keep(std::u16string_view title, size_t blockBytes, PageStrings& strings)
{
    const size_t blockUnits = (blockBytes + 1) / 2;
    char16_t* storage = storage_;
    if (title.size() != titleUnits_ || blockUnits > (blockBytes_ + 1) / 2)
        storage = strings.Allocate(title.size() + blockUnits);
    std::copy(title.begin(), title.end(), storage);
    storage_ = storage;
    titleUnits_ = static_cast<uint32_t>(title.size());
    blockBytes_ = static_cast<uint32_t>(blockBytes);
    return reinterpret_cast<uint8_t*>(storage + title.size());
}

void CPage::Store(std::u16string_view title, std::span<const uint8_t> block, PageStrings& strings)
{
    uint8_t* bytes = Keep(title, block.size(), strings);
    if (!block.empty())
        std::memcpy(bytes, block.data(), block.size());
}

// A non-empty text is stored as UTF-16LE with its NUL unit.
void CPage::StoreText(std::u16string_view title, std::u16string_view text, PageStrings& strings)
{
    std::vector<uint8_t> block;
    if (!text.empty()) {
        block.resize(text.size() * 2 + 2);
        for (size_t i = 0; i < text.size(); ++i) {
            block[2 * i] = static_cast<uint8_t>(text[i]);
            block[2 * i + 1] = static_cast<uint8_t>(text[i] >> 8);
        }
    }
    Store(title, block, strings);
    codePage_ = 1200;
}

void CPage::SetOwnColour(bool inForce, uint32_t colour)
{
    if (inForce) {
        colour_ = colour & 0x00FFFFFFu;
        flags_ |= kOwnColour;
    } else {
        colour_ = (colour & 0x00FFFFFFu) | 0xFF000000u;
        flags_ &= ~static_cast<uint32_t>(kOwnColour);
    }
}

// Stores a value apart only when it differs from the default or the page
// already has its seldom fields.
template <typename T>
void CPage::SetSeldom(T SeldomFields::*field, T value)
{
    if (!seldom_) {
        if (value == kSeldomDefaults.*field)
            return;
        seldom_ = std::make_unique<SeldomFields>();
    }
    (*seldom_).*field = std::move(value);
}

// Text fields: schema < 4 archive string; 4..5 compressed string;
// 6 and later a DWORD selector, 0 = archive string, else compressed.
std::u16string CPage::ReadPageText(LoadArchive& ar, uint32_t schema)
{
    if (schema < 4)
        return ar.ReadString();
    if (schema < 6)
        return ar.ReadCompressedString();
    return ar.ReadDword() == 0 ? ar.ReadString() : ar.ReadCompressedString();
}

// Field order, with the schemas that carry each field:
//   tag, id, parent, kind, title, text (<23) | content (>=23), created,
//   background, caret, expanded, former text, aux text 1,
//   former DWORD (<16), folder flag (<9), former text (2..6), tip (>=3),
//   revision (>=3), former DWORD (5..19), sort weight (>=8),
//   optional value, optional block[16] (>=10), aux value (>=11),
//   child sort key (>=12), colour (>=13), colour switch (13..16),
//   modified (>=14), HTML caret (>=15), sort text (>=16),
//   descending (>=18), flags (>=19), label (>=20).
void CPage::Read(LoadArchive& ar, PageStrings& strings)
{
    const uint32_t s = ar.ReadClassTag(docfile::ArchiveClass::Page);
    id_ = ar.ReadDword();
    parentId_ = ar.ReadDword();
    kind_ = ar.ReadDword();
    const std::u16string title = ReadPageText(ar, s);
    if (s < 23) {
        StoreText(title, ReadPageText(ar, s), strings);
    } else {
        leading_ = ar.ReadDword();
        codePage_ = ar.ReadDword();
        // A size beyond the input keeps what arrived; the next field then
        // meets the end of the stream. The bytes go straight to `strings`.
        const auto size = static_cast<size_t>(std::min<uint64_t>(ar.ReadDword(), ar.Remaining()));
        blockBytes_ = static_cast<uint32_t>(ar.ReadRaw(Keep(title, size, strings), size));
    }
    const DateTime created = DateTime::Read(ar);
    createdStatus_ = created.status;
    createdDate_ = created.date;
    background_ = ar.ReadDword();
    caret_ = ar.ReadDword();
    expanded_ = ar.ReadDword();
    ReadPageText(ar, s);
    SetSeldom(&SeldomFields::auxText, ReadPageText(ar, s));
    if (s < 16)
        ar.ReadDword();
    if (s < 9 && ar.ReadDword() != 0)
        kind_ = kFlaggedFolder;
    if (s >= 2 && s < 7)
        ReadPageText(ar, s);
    if (s >= 3) {
        SetSeldom(&SeldomFields::tipText, ReadPageText(ar, s));
        revision_ = ar.ReadDword();
    }
    if (s >= 5 && s < 20)
        ar.ReadDword();
    if (s >= 8)
        sortWeight_ = ar.ReadDword();
    if (s >= 10) {
        SetSeldom(&SeldomFields::optionalValue, ar.ReadDword());
        std::array<uint8_t, 16> block;
        if (ar.ReadRaw(block.data(), block.size()) != block.size())
            ar.Fail(docfile::ArchiveCause::EndOfFile);
        SetSeldom(&SeldomFields::optionalBlock, block);
    }
    if (s >= 11)
        SetSeldom(&SeldomFields::auxValue, ar.ReadLong());
    if (s >= 12)
        childSortKey_ = ar.ReadDword();
    if (s >= 13)
        colour_ = ar.ReadDword();
    if (s >= 13 && s < 17)
        SetOwnColour(ar.ReadDword() != 0, colour_);
    if (s >= 14) {
        const DateTime modified = DateTime::Read(ar);
        modifiedStatus_ = modified.status;
        modifiedDate_ = modified.date;
    }
    if (s >= 15)
        htmlCaret_ = ar.ReadDword();
    if (s >= 16)
        SetSeldom(&SeldomFields::sortText, ar.ReadString());
    if (s >= 18)
        descending_ = ar.ReadDword() != 0;
    if (s >= 19) {
        flags_ = ar.ReadDword();
        if (s < 22 && (flags_ & kLegacyWebArchive)) {
            flags_ &= ~static_cast<uint32_t>(kLegacyWebArchive);
            kind_ = kWebArchive;
        }
    }
    if (s >= 20)
        labelId_ = ar.ReadDword();
    if (kind_ == kRecycleBin || kind_ == kFlaggedFolder)
        expanded_ = 0;
}

bool CPage::Decipher(std::u16string_view password, PageStrings& strings)
{
    const std::optional<std::u16string> title = docfile::CipherTransform(Title(), password);
    if (!title)
        return false;
    const std::optional<std::u16string> text = docfile::CipherTransform(Text(), password);
    if (!text) {
        const PageContent content = Content();
        Store(*title, std::vector<uint8_t>(content.block.begin(), content.block.end()), strings);
        return false;
    }
    StoreText(*title, *text, strings);
    return true;
}

}  // namespace model
