// Writes a short notebook of plain pages with no labels: the neighbour of the
// tour in the end-to-end run, whose tree has none of the tour's colours.
#include <cstdio>
#include <fstream>

#include "tests/kit/Document.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_second_book FILE.vnb\n");
        return 2;
    }
    kit::BookSpec book = kit::BookOf({kit::Page(1, 1, 0, u"A second notebook", u"Nothing but plain text here."),
                                      kit::Page(2, 1, 0, u"Shopping", u"Bread, milk, apples."),
                                      kit::Page(3, 1, 0, u"Phone numbers", u"Ada: 555 0100")});
    book.pages[0].expanded = 1;
    const std::vector<uint8_t> bytes = kit::WriteDocument(book);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
