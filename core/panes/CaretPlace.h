#pragma once
// Where the caret goes when a page is shown.
#include <cstdint>

namespace model {
class CPage;
}

namespace core {

struct CaretPlace {
    bool atEnd = false;     // the end of the text, however long
    uint32_t position = 0;  // otherwise: a character position, which a view keeps inside its text
};

// The end or the start when the page's flags ask for them (the end wins),
// else the position stored with the page (an HTML page's own for HTML pages
// and web archives).
CaretPlace PageCaret(const model::CPage& page);

}  // namespace core
