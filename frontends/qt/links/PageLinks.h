#pragma once
// The link passes over a page shown in a Qt text view: bookmark markers and
// the heads of page links leave the document, page links, web and mail
// addresses are formatted as links and listed with where they lead.
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QTextDocument;

namespace qtviewer {

struct ShownLink {
    int start = 0;  // in positions of the document as it shows
    int end = 0;
    std::optional<uint32_t> page;  // a page link's page
    QString text;                  // what the reader sees of it
};

class PageLinks {
public:
    // Runs the four passes over the document as it is now, outside its undo
    // stack: what they hide is removed, what they mark becomes a link.
    void Apply(QTextDocument& document);
    // A new page: no links until the passes run on it.
    void Clear() { links_.clear(); }

    // The link whose format names this anchor; none for another anchor.
    const ShownLink* LinkOfAnchor(const QString& anchor) const;
    const std::vector<ShownLink>& Links() const { return links_; }

private:
    std::vector<ShownLink> links_;  // in document order
};

}  // namespace qtviewer
