#include "tools/vnbview/IndexHtml.h"

#include "platform/Ascii.h"
#include "tools/vnbview/TextOut.h"

namespace vnbview {

std::string HtmlEscape(std::u16string_view text)
{
    std::string out;
    for (char c : LineText(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string RelativeUrl(const std::vector<std::u16string>& segments, bool folder)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string url;
    for (size_t i = 0; i < segments.size(); ++i) {
        if (i > 0)
            url += '/';
        for (char c : Utf8(segments[i])) {
            const auto byte = static_cast<unsigned char>(c);
            const bool unreserved = platform::IsAsciiLetterOrDigit(byte) || byte == '-' || byte == '.' || byte == '_' || byte == '~';
            if (unreserved) {
                url += c;
            } else {
                url += '%';
                url += kHex[byte >> 4];
                url += kHex[byte & 0xF];
            }
        }
    }
    if (folder)
        url += '/';
    return url;
}

IndexWriter::IndexWriter(std::ostream& out, const std::u16string& title) : out_(out)
{
    out_ << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" << HtmlEscape(title)
         << "</title>\n</head>\n<body>\n";
}

void IndexWriter::Add(const IndexEntry& entry)
{
    if (entry.depth + 1 > open_) {
        out_ << "<ul>\n";
        ++open_;
    } else {
        out_ << "</li>\n";
        for (; open_ > entry.depth + 1; --open_)
            out_ << "</ul>\n</li>\n";
    }
    const std::string text = entry.text.empty() ? "(untitled)" : HtmlEscape(entry.text);
    out_ << "<li>";
    if (entry.link.empty())
        out_ << text;
    else
        out_ << "<a href=\"" << RelativeUrl(entry.link, entry.folderLink) << "\">" << text << "</a>";
}

void IndexWriter::Finish()
{
    if (open_ > 0)
        out_ << "</li>\n";
    for (; open_ > 0; --open_)
        out_ << (open_ > 1 ? "</ul>\n</li>\n" : "</ul>\n");
    out_ << "</body>\n</html>\n";
}

}  // namespace vnbview
