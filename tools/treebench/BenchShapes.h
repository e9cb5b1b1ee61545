#pragma once
// The notebooks the tree timings open, by shape.
#include <cstdint>
#include <string>
#include <vector>

namespace treebench {

struct Shape {
    std::wstring name;      // also the file's name, with .vnb
    std::wstring layout;    // what the table says of it
    uint32_t pages;
};

// Nested books of 10,000, 100,000 and 1,000,000 pages in folders of 1,000;
// a root with 100,000 pages of its own; 100,000 pages as 10 folders of 100
// folders of 100 pages.
std::vector<Shape> Shapes();

// The document of a shape, as a notebook file's bytes.
std::vector<uint8_t> WriteShape(const Shape& shape);

// Plain pages of about these many kilobytes of UTF-16 text, titled by their
// size ("Plain 500 KB"), and a short page titled "Small page", in one book.
struct LongPage {
    std::wstring title;
    uint32_t kilobytes;
};
std::vector<LongPage> LongPages();
extern const wchar_t kSmallPageTitle[];
std::vector<uint8_t> WriteLongPagesBook();

}  // namespace treebench
