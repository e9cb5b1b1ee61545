#pragma once
#include <cstdint>
#include <string>

#include "model/Book.h"

namespace model {

// The colour the tree shows a page in, and whether it is the page's or its
// label's own (custom) rather than the default.
struct DisplayColour {
    uint32_t colour;
    bool custom;
};
DisplayColour PageDisplayColour(const CBook& book, const CPage& page, uint32_t defaultColour);

// Label colour when the page's label item has one, else the page colour in
// force, else 0. Sort key 8 orders by it.
uint32_t PageColourKey(const CBook& book, const CPage& page);

// How a parent orders its children: its child sort key and descending flag,
// and the book's folders-first option.
struct SiblingOrder {
    uint32_t sortKey = 0;
    bool descending = false;
    bool foldersFirst = true;

    static SiblingOrder Of(const CBook& book, const CPage& parent);
};

// What the comparison looks at, computed once per page so that sorting many
// siblings does not fold the same titles again and again.
struct SiblingKey {
    const CPage* page = nullptr;
    std::u16string text;  // folded title (key 0) or sort text (key 5)
    uint64_t textSize = 0;  // key 1: finding it scans the page's text
    uint32_t colourKey = 0;
    // What every comparison asks of the page, kept here so that sorting
    // many siblings does not visit their records again and again.
    bool binLike = false;  // a recycle bin or flagged folder
    bool folder = false;

    static SiblingKey Make(const CBook& book, const CPage* page, uint32_t sortKey);
};

// Three-way comparison of two siblings: -1 when A comes first.
int CompareSiblings(const SiblingKey& a, const SiblingKey& b, const SiblingOrder& order);
int CompareSiblings(const CBook& book, const CPage* a, const CPage* b, const SiblingOrder& order);

// Lower-cased, with leading and trailing white space removed.
std::u16string FoldForSorting(std::u16string_view text);

}  // namespace model
