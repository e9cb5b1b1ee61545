#pragma once
// A document as one HTML file a browser shows as the text pane would: CSS
// classes for the character and paragraph formats, tables on a grid of
// their cell edges, pictures a browser shows inline as data: URIs (the
// page stays one file that can be moved or mailed alone), other pictures
// as a placeholder of their size linking to their file beside the page.
#include "richtext/Document.h"

#include <optional>
#include <string>
#include <vector>

namespace richtext {

// A stretch of Document::text positions.
struct TextSpan {
    uint32_t start = 0;
    uint32_t end = 0;
};

struct HtmlLink {
    TextSpan span;
    std::string href;  // an address, already a valid URL
};

struct HtmlPage {
    std::u16string title;
    std::string indexHref;  // the link back to the index, when not empty
    std::string indexText = "Index";
    // What the page's own markup asks: ranges not shown, and links over
    // the text (they take precedence over the document's own links).
    std::vector<TextSpan> hidden;
    std::vector<HtmlLink> links;
    // Per picture that a browser cannot show: the URL of its file, or empty.
    std::vector<std::string> pictureFiles;
};

std::string WriteHtml(const Document& document, const HtmlPage& page);

// A link target of a document as a URL that is safe to follow from a
// page: web, FTP, mail and news addresses ("www." made http://), or a
// place in the page. Nothing for any other scheme or a control character.
std::optional<std::string> SafeHref(std::u16string_view target);

// Text with the characters that mean something in HTML as references, and
// control characters (but tab and line feed) as U+FFFD, as UTF-8.
void AppendHtmlText(std::string& out, std::u16string_view text);

// The file name extension and media type of a picture kind.
const char* PictureExtension(PictureKind kind);
// Whether a browser shows a picture of this kind.
bool BrowserShows(PictureKind kind);

}  // namespace richtext
