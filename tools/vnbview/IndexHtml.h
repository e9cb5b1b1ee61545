#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace vnbview {

// One node of the exported tree, in walk order.
struct IndexEntry {
    size_t depth = 0;
    std::u16string text;               // the node text
    std::vector<std::u16string> link;  // path segments below the export folder; empty: no link
    bool folderLink = false;           // the link names a folder
};

// Characters with a meaning in HTML as entities; control characters, which
// have no place in an HTML text, as U+FFFD.
std::string HtmlEscape(std::u16string_view text);
// A relative URL: each segment percent-encoded as UTF-8.
std::string RelativeUrl(const std::vector<std::u16string>& segments, bool folder);

// Writes the index page as the walk goes, so a huge tree is never held in
// memory: the tree as nested lists, each node linking to its file (or
// folder). Depths start at 0 and grow by at most one per entry, as a
// depth-first walk gives them.
class IndexWriter {
public:
    IndexWriter(std::ostream& out, const std::u16string& title);
    void Add(const IndexEntry& entry);
    void Finish();

private:
    std::ostream& out_;
    size_t open_ = 0;  // lists open
};

}  // namespace vnbview
