#include "tools/vnbview/Tree.h"

#include <string>

#include "model/PageTree.h"
#include "tools/vnbview/TextOut.h"

namespace vnbview {

void WriteTree(const model::CBook& book, std::ostream& out)
{
    const model::PageTree tree(book);
    std::string line;
    tree.WalkExpanded([&](const model::CPage& page, size_t depth) {
        line.assign(depth * 2, ' ');
        line += LineText(model::NodeText(book, page));
        line += '\n';
        out << line;
        return static_cast<bool>(out);
    });
}

}  // namespace vnbview
