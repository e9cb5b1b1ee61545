#include "model/SiblingOrder.h"

#include <cmath>

#include "platform/System.h"

namespace model {
namespace {

const CLegendItem* LabelItem(const CBook& book, const CPage& page)
{
    return page.LabelId() == 0 ? nullptr : book.Legend().ItemFor(static_cast<int32_t>(page.LabelId()));
}

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int Sign(int value) { return (value > 0) - (value < 0); }

int CompareText(const std::u16string& a, const std::u16string& b)
{
    // Code units as unsigned numbers; a prefix comes first.
    return Sign(a.compare(b));
}

// An OLE date below zero counts whole days backwards but its fraction
// forwards (-1.25 is 06:00 on 29 December 1899); turn it into a point in time.
double PointInTime(double oleDate)
{
    const double days = std::trunc(oleDate);
    return days + std::fabs(oleDate - days);
}

// Earlier first for keys 2 and 3; `laterFirst` for keys 10 and 11. Equal
// points with different status put A after B (earlier first) or before B.
int CompareTimes(const DateTime& a, const DateTime& b, bool laterFirst)
{
    const double pa = PointInTime(a.date);
    const double pb = PointInTime(b.date);
    if (pa < pb)
        return laterFirst ? 1 : -1;
    if (pb < pa)
        return laterFirst ? -1 : 1;
    if (a.date == b.date && a.status == b.status)
        return 0;
    return laterFirst ? -1 : 1;
}

template <typename T>
int CompareNumbers(T a, T b)
{
    return (a > b) - (a < b);
}

}  // namespace

DisplayColour PageDisplayColour(const CBook& book, const CPage& page, uint32_t defaultColour)
{
    if (page.LabelId() != 0) {
        if (page.HasFlag(kOwnColour) && page.ColourInForce())
            return {page.ColourValue(), true};
        if (const CLegendItem* item = LabelItem(book, page); item && item->HasColour())
            return {item->Colour(), true};
    }
    if (page.ColourInForce())
        return {page.ColourValue(), true};
    return {defaultColour, false};
}

uint32_t PageColourKey(const CBook& book, const CPage& page)
{
    if (const CLegendItem* item = LabelItem(book, page); item && item->HasColour())
        return item->Colour();
    return page.ColourInForce() ? page.ColourValue() : 0;
}

SiblingOrder SiblingOrder::Of(const CBook& book, const CPage& parent)
{
    return {parent.ChildSortKey(), parent.ChildrenDescending(), book.Options().FoldersFirst()};
}

std::u16string FoldForSorting(std::u16string_view text)
{
    // Lower-casing maps no unit to or from white space, so trimming first
    // gives the same and copies the text once.
    size_t begin = 0, end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    return platform::ToLower(std::u16string(text.substr(begin, end - begin)));
}

SiblingKey SiblingKey::Make(const CBook& book, const CPage* page, uint32_t sortKey)
{
    SiblingKey key;
    key.page = page;
    if (!page)
        return key;
    key.binLike = page->Kind() == kRecycleBin || page->Kind() == kFlaggedFolder;
    key.folder = page->IsFolder();
    if (sortKey == 0)
        key.text = FoldForSorting(page->Title());
    else if (sortKey == 1)
        key.textSize = page->TextSize();
    else if (sortKey == 5)
        key.text = FoldForSorting(page->SortText());
    else if (sortKey == 8)
        key.colourKey = PageColourKey(book, *page);
    return key;
}

int CompareSiblings(const SiblingKey& ka, const SiblingKey& kb, const SiblingOrder& order)
{
    const CPage* a = ka.page;
    const CPage* b = kb.page;
    if (!a || !b || a == b)
        return 0;
    const int reverse = order.descending ? -1 : 1;
    if (ka.binLike)
        return reverse;
    if (kb.binLike)
        return -reverse;
    if (order.foldersFirst && ka.folder != kb.folder)
        return (ka.folder ? -1 : 1) * reverse;

    switch (order.sortKey) {
    case 0: return CompareText(ka.text, kb.text) * reverse;
    case 1: return CompareNumbers(ka.textSize, kb.textSize);
    case 2: return CompareTimes(a->Created(), b->Created(), false) * reverse;
    case 3: return CompareTimes(a->Modified(), b->Modified(), false) * reverse;
    case 4: return CompareNumbers(a->Kind(), b->Kind()) * reverse;
    case 5: return CompareText(ka.text, kb.text);
    case 7: return CompareNumbers(b->SortWeight(), a->SortWeight()) * reverse;
    case 8: return CompareNumbers(kb.colourKey, ka.colourKey);
    case 9: return CompareNumbers(a->LabelId(), b->LabelId()) * reverse;
    case 10: return CompareTimes(a->Created(), b->Created(), true) * reverse;
    case 11: return CompareTimes(a->Modified(), b->Modified(), true) * reverse;
    default: return 0;  // 6 and unknown keys: all equal
    }
}

int CompareSiblings(const CBook& book, const CPage* a, const CPage* b, const SiblingOrder& order)
{
    return CompareSiblings(SiblingKey::Make(book, a, order.sortKey), SiblingKey::Make(book, b, order.sortKey), order);
}

}  // namespace model
