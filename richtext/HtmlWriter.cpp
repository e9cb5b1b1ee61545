#include "richtext/HtmlWriter.h"

#include "platform/Ascii.h"
#include "platform/CodePage.h"
#include "richtext/Limits.h"

#include <algorithm>
#include <cstdio>

namespace richtext {
namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

void AppendBase64(std::string& out, const std::string& bytes)
{
    out.reserve(out.size() + (bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const uint32_t v = uint32_t(uint8_t(bytes[i])) << 16 | uint32_t(uint8_t(bytes[i + 1])) << 8 | uint8_t(bytes[i + 2]);
        out += kBase64[v >> 18];
        out += kBase64[(v >> 12) & 63];
        out += kBase64[(v >> 6) & 63];
        out += kBase64[v & 63];
    }
    if (i < bytes.size()) {
        const bool two = i + 1 < bytes.size();
        const uint32_t v = uint32_t(uint8_t(bytes[i])) << 16 | (two ? uint32_t(uint8_t(bytes[i + 1])) << 8 : 0);
        out += kBase64[v >> 18];
        out += kBase64[(v >> 12) & 63];
        out += two ? kBase64[(v >> 6) & 63] : '=';
        out += '=';
    }
}

// Twips as points, the unit of the style sheet.
std::string Points(int64_t twips)
{
    char text[32];
    std::snprintf(text, sizeof text, "%gpt", static_cast<double>(twips) / 20.0);
    return text;
}

std::string Colour(uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb & 0xFFFFFF);
    return text;
}

// A face name inside a CSS string: quotes, backslashes, angle brackets and
// control characters left out.
std::string CssFontName(std::u16string_view name)
{
    std::u16string kept;
    for (char16_t c : name)
        if (c >= 0x20 && c != u'"' && c != u'\'' && c != u'\\' && c != u'<' && c != u'>' && c != 0x7F)
            kept += c;
    return platform::WideToUtf8(kept);
}

void AppendAttribute(std::string& out, std::string_view value)
{
    for (char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
}

std::string CharStyle(const Document& doc, const CharFormat& f)
{
    std::string style;
    if (f.font != kNone && f.font < doc.fonts.size()) {
        // A reader without the face gets one of its kind.
        static const char* const kGeneric[] = {"", "serif", "sans-serif", "monospace", "cursive", "fantasy"};
        const Font& font = doc.fonts[f.font];
        const std::string name = CssFontName(font.name);
        const char* generic = kGeneric[static_cast<int>(font.family)];
        if (!name.empty() || *generic)
            style += "font-family:" + (name.empty() ? "" : "'" + name + "'" + (*generic ? "," : "")) + generic + ";";
    }
    const int64_t twips = f.baseline == Baseline::Normal ? f.halfPoints * 10 : f.halfPoints * 10 * 2 / 3;
    style += "font-size:" + Points(twips) + ";";
    if (f.bold)
        style += "font-weight:bold;";
    if (f.italic)
        style += "font-style:italic;";
    if (f.underline || f.strike)
        style += std::string("text-decoration:") + (f.underline ? " underline" : "") + (f.strike ? " line-through" : "") + ";";
    if (f.baseline != Baseline::Normal)
        style += f.baseline == Baseline::Super ? "vertical-align:super;" : "vertical-align:sub;";
    if (f.color != kAutoColor)
        style += "color:" + Colour(f.color) + ";";
    if (f.background != kAutoColor)
        style += "background-color:" + Colour(f.background) + ";";
    return style;
}

std::string ParaStyle(const ParaFormat& f)
{
    static const char* const kAlign[] = {"left", "center", "right", "justify"};
    std::string style = std::string("text-align:") + kAlign[static_cast<int>(f.align)] + ";";
    if (f.leftIndent)
        style += "margin-left:" + Points(f.leftIndent) + ";";
    if (f.rightIndent)
        style += "margin-right:" + Points(f.rightIndent) + ";";
    if (f.firstIndent)
        style += "text-indent:" + Points(f.firstIndent) + ";";
    if (f.spaceBefore > 0)
        style += "margin-top:" + Points(f.spaceBefore) + ";";
    if (f.spaceAfter > 0)
        style += "margin-bottom:" + Points(f.spaceAfter) + ";";
    if (f.lineMultiple && f.lineSpacing > 0) {
        char text[32];
        std::snprintf(text, sizeof text, "line-height:%g;", f.lineSpacing / 240.0 * 1.15);
        style += text;
    } else if (f.lineSpacing != 0) {
        style += "line-height:" + Points(std::abs(f.lineSpacing)) + ";";
    }
    // A browser knows no tab stops: tabs advance to the first one's width.
    if (f.tabCount > 0 && f.tabs[0] > f.leftIndent + f.firstIndent && f.tabs[0] - f.leftIndent > 0)
        style += "tab-size:" + Points(f.tabs[0] - f.leftIndent) + ";";
    return style;
}

class Writer {
public:
    Writer(const Document& doc, const HtmlPage& page) : doc_(doc), page_(page)
    {
        // Hidden spans sorted and merged where they overlap or touch.
        std::vector<TextSpan> hidden = page.hidden;
        std::sort(hidden.begin(), hidden.end(), [](const TextSpan& a, const TextSpan& b) { return a.start < b.start; });
        for (const TextSpan& span : hidden) {
            if (span.end <= span.start)
                continue;
            if (!hidden_.empty() && span.start <= hidden_.back().end)
                hidden_.back().end = std::max(hidden_.back().end, span.end);
            else
                hidden_.push_back(span);
        }
        links_ = page.links;
        std::stable_sort(links_.begin(), links_.end(),
                         [](const HtmlLink& a, const HtmlLink& b) { return a.span.start < b.span.start; });
        // Overlapping links: the first one wins.
        size_t kept = 0;
        for (size_t i = 0; i < links_.size(); ++i)
            if (links_[i].span.end > links_[i].span.start &&
                (kept == 0 || links_[i].span.start >= links_[kept - 1].span.end)) {
                if (i != kept)
                    links_[kept] = std::move(links_[i]);
                ++kept;
            }
        links_.resize(kept);
        docLinks_.reserve(doc.links.size());
        for (const std::u16string& target : doc.links)
            docLinks_.push_back(SafeHref(target).value_or(""));
    }

    std::string Write()
    {
        out_.reserve(doc_.text.size() * 2 + 4096);
        out_ += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
        AppendHtmlText(out_, page_.title);
        out_ += "</title>\n<style>\n"
                "body{margin:0;font-family:Arial,sans-serif;font-size:12pt}\n"
                "nav{padding:4pt 8pt;border-bottom:1px solid #ccc;font-size:10pt}\n"
                "main{padding:8pt}\n"
                "p{margin:0;white-space:pre-wrap;tab-size:36pt;min-height:1em}\n"
                "table{border-collapse:collapse;table-layout:fixed}\n"
                "td{vertical-align:top;overflow:hidden}\n"
                ".picture{display:inline-block;box-sizing:border-box;border:1px dashed #888;color:#666;"
                "font:9pt sans-serif;text-align:center;overflow:hidden}\n";
        for (size_t i = 0; i < doc_.formats.size(); ++i)
            out_ += ".c" + std::to_string(i) + "{" + CharStyle(doc_, doc_.formats[i]) + "}\n";
        for (size_t i = 0; i < doc_.paraFormats.size(); ++i)
            out_ += ".p" + std::to_string(i) + "{" + ParaStyle(doc_.paraFormats[i]) + "}\n";
        out_ += "</style>\n</head>\n<body>\n";
        if (!page_.indexHref.empty()) {
            out_ += "<nav><a href=\"";
            AppendAttribute(out_, page_.indexHref);
            out_ += "\">";
            AppendHtmlText(out_, platform::Utf8ToWide(page_.indexText));
            out_ += "</a></nav>\n";
        }
        out_ += "<main>\n";
        Blocks(doc_.body, 0);
        out_ += "</main>\n</body>\n</html>\n";
        return std::move(out_);
    }

private:
    void Blocks(const std::vector<Block>& blocks, size_t depth)
    {
        for (const Block& block : blocks) {
            if (block.kind == Block::Kind::Paragraph)
                Paragraph(doc_.paragraphs[block.index]);
            else if (depth < kMaxTableDepth)
                Table(doc_.tables[block.index], depth + 1);
        }
    }

    // ---- paragraphs

    void Paragraph(const richtext::Paragraph& paragraph)
    {
        out_ += "<p class=\"p" + std::to_string(paragraph.format) + "\">";
        const size_t before = out_.size();
        for (uint32_t r = paragraph.firstRun; r < paragraph.endRun; ++r)
            RunPieces(doc_.runs[r]);
        CloseLink();
        if (out_.size() == before)
            out_ += "<br>";
        out_ += "</p>\n";
    }

    // The first hidden span that ends after `position`.
    const TextSpan* HiddenFrom(uint32_t position) const
    {
        const auto at = std::lower_bound(hidden_.begin(), hidden_.end(), position,
                                         [](const TextSpan& span, uint32_t p) { return span.end <= p; });
        return at == hidden_.end() ? nullptr : &*at;
    }

    const HtmlLink* LinkFrom(uint32_t position) const
    {
        const auto at = std::lower_bound(links_.begin(), links_.end(), position,
                                         [](const HtmlLink& link, uint32_t p) { return link.span.end <= p; });
        return at == links_.end() ? nullptr : &*at;
    }

    void RunPieces(const Run& run)
    {
        uint32_t at = run.start;
        while (at < run.end) {
            uint32_t cut = run.end;
            if (const TextSpan* hidden = HiddenFrom(at)) {
                if (hidden->start <= at) {
                    at = std::min(hidden->end, run.end);
                    continue;
                }
                cut = std::min(cut, hidden->start);
            }
            const HtmlLink* link = LinkFrom(at);
            std::string_view href;
            if (link && link->span.start <= at) {
                href = link->href;
                cut = std::min(cut, link->span.end);
            } else {
                if (link)
                    cut = std::min(cut, link->span.start);
                if (run.link != kNone && run.link < docLinks_.size())
                    href = docLinks_[run.link];
            }
            SetLink(href);
            Piece(run, at, cut);
            at = cut;
        }
    }

    void SetLink(std::string_view href)
    {
        if (href == openLink_)
            return;
        CloseLink();
        if (href.empty())
            return;
        out_ += "<a href=\"";
        AppendAttribute(out_, href);
        out_ += "\">";
        openLink_ = href;
    }

    void CloseLink()
    {
        if (!openLink_.empty())
            out_ += "</a>";
        openLink_ = {};
    }

    void Piece(const Run& run, uint32_t start, uint32_t end)
    {
        if (run.picture != kNone && run.picture < doc_.pictures.size()) {
            PictureTag(run.picture);
            return;
        }
        out_ += "<span class=\"c" + std::to_string(run.format) + "\">";
        AppendHtmlText(out_, std::u16string_view(doc_.text).substr(start, end - start));
        out_ += "</span>";
    }

    void PictureTag(uint32_t index)
    {
        const Picture& picture = doc_.pictures[index];
        std::string size;
        if (picture.width > 0 && picture.height > 0)
            size = "width:" + Points(picture.width) + ";height:" + Points(picture.height) + ";";
        if (BrowserShows(picture.kind)) {
            out_ += std::string("<img alt=\"\" style=\"") + size + "\" src=\"data:image/" +
                    (picture.kind == PictureKind::Jpeg ? "jpeg" : PictureExtension(picture.kind)) + ";base64,";
            AppendBase64(out_, picture.bytes);
            out_ += "\">";
            return;
        }
        const std::string& file = index < page_.pictureFiles.size() ? page_.pictureFiles[index] : std::string();
        const std::string label = std::string(PictureExtension(picture.kind)) + " picture";
        if (size.empty())
            size = "width:72pt;height:72pt;";
        if (file.empty()) {
            out_ += "<span class=\"picture\" style=\"" + size + "\">" + label + "</span>";
        } else {
            CloseLink();
            out_ += "<a class=\"picture\" style=\"" + size + "\" href=\"";
            AppendAttribute(out_, file);
            out_ += "\">" + label + "</a>";
        }
    }

    // ---- tables

    // The table on the grid of every cell edge of its rows: a cell spans the
    // columns between its edges, merged cells span more.
    void Table(const richtext::Table& table, size_t depth)
    {
        CloseLink();
        std::vector<int64_t> edges;
        for (const Row& row : table.rows) {
            edges.push_back(row.left);
            for (const Cell& cell : row.cells)
                edges.push_back(int64_t{row.left} + cell.format.right);
        }
        std::sort(edges.begin(), edges.end());
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
        if (edges.size() < 2 || table.rows.empty())
            return;
        const auto column = [&](int64_t edge) {
            return static_cast<size_t>(std::lower_bound(edges.begin(), edges.end(), edge) - edges.begin());
        };
        const Row& first = table.rows.front();
        out_ += "<table style=\"width:" + Points(edges.back() - edges.front()) + ";";
        if (first.align == Align::Center)
            out_ += "margin-left:auto;margin-right:auto;";
        else if (first.align == Align::Right)
            out_ += "margin-left:auto;";
        else if (edges.front() > 0)
            out_ += "margin-left:" + Points(edges.front()) + ";";
        out_ += "\">\n<colgroup>";
        for (size_t i = 1; i < edges.size(); ++i)
            out_ += "<col style=\"width:" + Points(edges[i] - edges[i - 1]) + "\">";
        out_ += "</colgroup>\n";
        const std::vector<std::vector<uint32_t>> spans = RowSpans(table);
        for (size_t r = 0; r < table.rows.size(); ++r) {
            const Row& row = table.rows[r];
            out_ += "<tr>";
            int64_t left = row.left;
            if (column(left) > 0)
                out_ += "<td colspan=\"" + std::to_string(column(left)) + "\"></td>";
            for (size_t c = 0; c < row.cells.size(); ++c) {
                const Cell& cell = row.cells[c];
                int64_t right = int64_t{row.left} + cell.format.right;
                // Cells merged into this one widen it.
                size_t last = c;
                while (cell.format.mergeFirst && last + 1 < row.cells.size() && row.cells[last + 1].format.mergeNext)
                    right = int64_t{row.left} + row.cells[++last].format.right;
                if (spans[r][c] > 0)
                    CellTag(row, cell, column(right) - column(left), spans[r][c], depth);
                left = right;
                c = last;
            }
            out_ += "</tr>\n";
        }
        out_ += "</table>\n";
    }

    // Rows each cell spans; 0 for a cell covered by one above it.
    static std::vector<std::vector<uint32_t>> RowSpans(const richtext::Table& table)
    {
        std::vector<std::vector<uint32_t>> spans(table.rows.size());
        for (size_t r = 0; r < table.rows.size(); ++r)
            spans[r].assign(table.rows[r].cells.size(), 1);
        for (size_t r = 0; r < table.rows.size(); ++r) {
            const Row& row = table.rows[r];
            for (size_t c = 0; c < row.cells.size(); ++c) {
                if (!row.cells[c].format.vMergeFirst || spans[r][c] == 0)
                    continue;
                const int64_t left = c == 0 ? row.left : int64_t{row.left} + row.cells[c - 1].format.right;
                const int64_t right = int64_t{row.left} + row.cells[c].format.right;
                for (size_t below = r + 1; below < table.rows.size(); ++below) {
                    const Row& next = table.rows[below];
                    const auto found = std::find_if(next.cells.begin(), next.cells.end(), [&](const Cell& cell) {
                        return int64_t{next.left} + cell.format.right == right;
                    });
                    if (found == next.cells.end() || !found->format.vMergeNext)
                        break;
                    const size_t k = static_cast<size_t>(found - next.cells.begin());
                    const int64_t nextLeft = k == 0 ? next.left : int64_t{next.left} + next.cells[k - 1].format.right;
                    if (nextLeft != left)
                        break;
                    spans[below][k] = 0;
                    ++spans[r][c];
                }
            }
        }
        return spans;
    }

    void CellTag(const Row& row, const Cell& cell, size_t columns, uint32_t rows, size_t depth)
    {
        out_ += "<td";
        if (columns > 1)
            out_ += " colspan=\"" + std::to_string(columns) + "\"";
        if (rows > 1)
            out_ += " rowspan=\"" + std::to_string(rows) + "\"";
        std::string style;
        if (row.gap > 0)
            style += "padding:0 " + Points(row.gap) + ";";
        const CellFormat& f = cell.format;
        if (f.shading != kAutoColor)
            style += "background-color:" + Colour(f.shading) + ";";
        if (f.verticalAlign != 0)
            style += f.verticalAlign == 1 ? "vertical-align:middle;" : "vertical-align:bottom;";
        const std::pair<const char*, const Border*> borders[] = {
            {"top", &f.top}, {"left", &f.left}, {"bottom", &f.bottom}, {"right", &f.rightBorder}};
        for (const auto& [side, border] : borders)
            if (border->width > 0)
                style += std::string("border-") + side + ":" + Points(std::max<int>(border->width, 15)) + " solid " +
                         (border->color == kAutoColor ? "#000000" : Colour(border->color)) + ";";
        if (!style.empty())
            out_ += " style=\"" + style + "\"";
        out_ += ">";
        Blocks(cell.blocks, depth);
        out_ += "</td>";
    }

    const Document& doc_;
    const HtmlPage& page_;
    std::vector<TextSpan> hidden_;
    std::vector<HtmlLink> links_;
    std::vector<std::string> docLinks_;
    std::string_view openLink_;
    std::string out_;
};

}  // namespace

std::optional<std::string> SafeHref(std::u16string_view target)
{
    while (!target.empty() && target.front() == u' ')
        target.remove_prefix(1);
    while (!target.empty() && target.back() == u' ')
        target.remove_suffix(1);
    if (target.empty())
        return std::nullopt;
    for (char16_t c : target)
        if (c < 0x20 || c == 0x7F)
            return std::nullopt;
    static constexpr std::u16string_view kSchemes[] = {u"http://", u"https://", u"ftp://", u"mailto:", u"news:", u"#"};
    const bool known = std::any_of(std::begin(kSchemes), std::end(kSchemes),
                                   [&](std::u16string_view scheme) { return platform::StartsWithFolded(target, scheme); });
    if (known)
        return platform::WideToUtf8(target);
    if (platform::StartsWithFolded(target, u"www."))
        return "http://" + platform::WideToUtf8(target);
    return std::nullopt;
}

void AppendHtmlText(std::string& out, std::u16string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        switch (c) {
        case u'&': out += "&amp;"; continue;
        case u'<': out += "&lt;"; continue;
        case u'>': out += "&gt;"; continue;
        case u'"': out += "&quot;"; continue;
        case u'\t':
        case u'\n': out += static_cast<char>(c); continue;
        case u'\x2028': out += "<br>"; continue;
        default: break;
        }
        if (c < 0x80 && c >= 0x20 && c != 0x7F) {
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            platform::AppendUtf8(out, 0xFFFD);
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            platform::AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            platform::AppendUtf8(out, 0xFFFD);
        } else {
            platform::AppendUtf8(out, c);
        }
    }
}

const char* PictureExtension(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Png: return "png";
    case PictureKind::Jpeg: return "jpg";
    case PictureKind::Bmp: return "bmp";
    case PictureKind::Wmf: return "wmf";
    case PictureKind::Emf: return "emf";
    case PictureKind::Other: break;
    }
    return "bin";
}

bool BrowserShows(PictureKind kind)
{
    return kind == PictureKind::Png || kind == PictureKind::Jpeg || kind == PictureKind::Bmp;
}

std::string WriteHtml(const Document& document, const HtmlPage& page) { return Writer(document, page).Write(); }

}  // namespace richtext
