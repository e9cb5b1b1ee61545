#include "tools/vnbview/IndexHtml.h"

#include "tools/vnbview/TextOut.h"

namespace vnbview {

std::string HtmlEscape(std::u16string_view text)
{
    std::string out;
    for (char c : Utf8(text)) {
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
            const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                    (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
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

std::string IndexHtml(const std::u16string& title, const std::vector<IndexEntry>& entries)
{
    std::string html =
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + HtmlEscape(title) + "</title>\n</head>\n<body>\n";
    size_t open = 0;  // lists open
    for (const IndexEntry& entry : entries) {
        if (entry.depth + 1 > open) {
            html += "<ul>\n";
            ++open;
        } else {
            html += "</li>\n";
            for (; open > entry.depth + 1; --open)
                html += "</ul>\n</li>\n";
        }
        const std::string text = entry.text.empty() ? "(untitled)" : HtmlEscape(entry.text);
        html += "<li>";
        if (entry.link.empty())
            html += text;
        else
            html += "<a href=\"" + RelativeUrl(entry.link, entry.folderLink) + "\">" + text + "</a>";
    }
    if (open > 0)
        html += "</li>\n";
    for (; open > 0; --open)
        html += open > 1 ? "</ul>\n</li>\n" : "</ul>\n";
    html += "</body>\n</html>\n";
    return html;
}

}  // namespace vnbview
