#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "model/PageStrings.h"
#include "model/Records.h"

namespace model {

enum PageKind : uint32_t {
    kPlainText = 0,
    kWebArchive = 1,
    kRichText = 2,
    kHtml = 3,
    kFolder = 4,
    kRecycleBin = 5,  // the first such page of a book; later ones are folders
    kFlaggedFolder = 6,
};

enum PageFlags : uint32_t {
    kCaretAtEnd = 0x1,
    kCaretAtStart = 0x2,
    kLegacyWebArchive = 0x4,
    kOwnColour = 0x80,
    kNewPageFlag = 0x1000,
};

// The page's body as UTF-16LE bytes, normally ending with one NUL unit, as a
// view into the strings the page was read into.
struct PageContent {
    std::span<const uint8_t> block;
    uint32_t codePage = 1200;
    uint32_t leading = 0;

    std::u16string Text() const;
    // Code units before the first NUL unit (or the end of the block).
    size_t TextUnits() const;
};

class CPage {
public:
    CPage();
    // A page whose background and times start as given: a reader making
    // many pages asks the system for them once.
    CPage(uint32_t background, const DateTime& now);

    // Reads the page's serialised form, class tag first, for any schema 0..23.
    // Its title and content go to `strings`, which must outlive the page.
    void Read(LoadArchive& ar, PageStrings& strings);

    uint32_t Id() const { return id_; }
    uint32_t ParentId() const { return parentId_; }
    uint32_t Kind() const { return kind_; }
    std::u16string_view Title() const { return {storage_, titleUnits_}; }
    std::u16string Text() const { return Content().Text(); }
    PageContent Content() const;
    // Code units of the page text times 2.
    uint64_t TextSize() const { return static_cast<uint64_t>(Content().TextUnits()) * 2; }

    bool IsPlainText() const { return kind_ == kPlainText; }
    bool IsRichText() const { return kind_ == kRichText; }
    bool IsWebArchive() const { return kind_ == kWebArchive; }
    bool IsHtmlType() const { return kind_ == kWebArchive || kind_ == kHtml; }
    bool IsFolder() const { return kind_ == kFolder || kind_ == kRecycleBin || kind_ == kFlaggedFolder; }
    bool IsKind5() const { return kind_ == kRecycleBin; }
    bool IsFlaggedFolder() const { return kind_ == kFlaggedFolder; }
    bool IsTopLevel() const { return id_ == parentId_; }

    uint32_t LabelId() const { return labelId_; }
    const std::u16string& TipText() const { return Seldom().tipText; }
    uint32_t Flags() const { return flags_; }
    bool HasFlag(uint32_t bits) const { return (flags_ & bits) != 0; }
    uint32_t Colour() const { return colour_; }
    bool ColourInForce() const { return (colour_ >> 24) == 0; }
    uint32_t ColourValue() const { return colour_ & 0x00FFFFFFu; }
    void SetOwnColour(bool inForce, uint32_t colour);
    uint32_t DisplayCaretPosition() const { return IsHtmlType() ? htmlCaret_ : caret_; }
    uint32_t ChildSortKey() const { return childSortKey_; }
    bool ChildrenDescending() const { return descending_; }
    bool Expanded() const { return expanded_ != 0; }
    void SetExpanded(bool expanded) { expanded_ = expanded ? 1 : 0; }

    // Deciphers title and text with the password, into `strings`; false when
    // the cipher refuses (an empty password). A failed text keeps the new title.
    bool Decipher(std::u16string_view password, PageStrings& strings);

    // Everything else, kept as read for tools that show the whole record.
    const std::u16string& SortText() const { return Seldom().sortText; }
    uint32_t SortWeight() const { return sortWeight_; }
    uint32_t Caret() const { return caret_; }
    uint32_t HtmlCaret() const { return htmlCaret_; }
    uint32_t Background() const { return background_; }
    uint32_t ExpandedValue() const { return expanded_; }
    uint32_t Revision() const { return revision_; }
    const std::u16string& AuxText() const { return Seldom().auxText; }
    int32_t AuxValue() const { return Seldom().auxValue; }
    uint32_t OptionalValue() const { return Seldom().optionalValue; }
    const std::array<uint8_t, 16>& OptionalBlock() const { return Seldom().optionalBlock; }
    DateTime Created() const { return {createdStatus_, createdDate_}; }
    DateTime Modified() const { return {modifiedStatus_, modifiedDate_}; }

private:
    // Fields that nearly every page leaves at their defaults. A book may
    // hold millions of pages, so they live apart, for the pages that set one.
    struct SeldomFields {
        std::u16string sortText;
        std::u16string auxText;
        std::u16string tipText;
        std::array<uint8_t, 16> optionalBlock{};
        uint32_t optionalValue = 0;
        int32_t auxValue = -1;
    };
    static const SeldomFields kSeldomDefaults;

    const SeldomFields& Seldom() const { return seldom_ ? *seldom_ : kSeldomDefaults; }
    template <typename T>
    void SetSeldom(T SeldomFields::*field, T value);
    std::u16string ReadPageText(LoadArchive& ar, uint32_t schema);
    // Puts the title into `strings` (or where it was, when it fits there)
    // with room for the content block after it, and gives that room.
    uint8_t* Keep(std::u16string_view title, size_t blockBytes, PageStrings& strings);
    void Store(std::u16string_view title, std::span<const uint8_t> block, PageStrings& strings);
    void StoreText(std::u16string_view title, std::u16string_view text, PageStrings& strings);

    // A book may hold millions of pages: the record is kept small, and its
    // title and content lie together in the book's strings, title first.
    char16_t* storage_ = nullptr;
    std::unique_ptr<SeldomFields> seldom_;
    double createdDate_ = 0;
    double modifiedDate_ = 0;
    uint32_t titleUnits_ = 0;
    uint32_t blockBytes_ = 0;
    uint32_t codePage_ = 1200;
    uint32_t leading_ = 0;
    uint32_t createdStatus_ = 0;
    uint32_t modifiedStatus_ = 0;
    uint32_t id_ = 0;
    uint32_t parentId_ = 0;
    uint32_t kind_ = kPlainText;
    uint32_t labelId_ = 0;
    uint32_t flags_ = kNewPageFlag;
    uint32_t childSortKey_ = 0;
    uint32_t sortWeight_ = 32768;
    uint32_t caret_ = 0;
    uint32_t htmlCaret_ = 0;
    uint32_t background_;
    uint32_t expanded_ = 0;
    uint32_t revision_ = 0;
    uint32_t colour_ = 0xFF0000FF;
    bool descending_ = false;
};

}  // namespace model
