#pragma once
// The documents the benchmarks read, written with the document kit.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "model/Book.h"
#include "tests/kit/Records.h"

namespace bench {

// Text and rich-text pages of prose under a few folders: a document body
// of the kind that gets packed. A vocabulary other than 0 makes the text
// as varied as natural text (see Prose).
kit::BookSpec ProseBook(uint32_t pages, size_t textLength, uint32_t vocabulary = 0);

// `pages` short pages under folders of a thousand; built for size. Narrow
// titles and texts are what older writers stored.
kit::BookSpec LargeBook(uint32_t pages, bool narrow = false);

// A root and levels of folders, each with its own sort key and direction,
// `fanOut` children per node and level; the last level is text pages, e.g.
// {100, 1000}: 100 folders of 1,000 pages. Pages are stored shuffled,
// identifiers are not their positions.
kit::BookSpec TreeBook(std::initializer_list<uint32_t> fanOut);

// A root with `shelves` folders of `folders` folders of `pages` text pages,
// each titled "Page <id>" with one line of text: many small pages in a
// tree, stored in tree order.
kit::BookSpec ShelfBook(uint32_t shelves, uint32_t folders, uint32_t pages);

// Reads a whole document held in memory; throws ArchiveError.
std::unique_ptr<model::CBook> LoadFromMemory(const std::vector<uint8_t>& document);

}  // namespace bench
