#include "text/WebArchive.h"

#include "platform/Ascii.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace text {
namespace {

std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string_view Unquote(std::string_view text)
{
    text = Trim(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

// Splits at the first empty line; header lines folded onto the next are
// joined. Line ends may be CR LF or LF.
struct Headers {
    std::string type, charset, boundary, encoding, location, id;
};

size_t LineEnd(std::string_view text, size_t from)
{
    const size_t lf = text.find('\n', from);
    return lf == std::string_view::npos ? text.size() : lf;
}

std::string_view LineAt(std::string_view text, size_t from, size_t& next)
{
    const size_t end = LineEnd(text, from);
    next = end < text.size() ? end + 1 : end;
    std::string_view line = text.substr(from, end - from);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// A parameter of a header value: `name=value` after a semicolon.
std::string Parameter(std::string_view value, std::string_view name)
{
    size_t at = 0;
    while ((at = value.find(';', at)) != std::string_view::npos) {
        ++at;
        const size_t equals = value.find('=', at);
        if (equals == std::string_view::npos)
            break;
        if (Lower(Trim(value.substr(at, equals - at))) == name) {
            size_t end = equals + 1;
            bool quoted = false;
            while (end < value.size() && (quoted || value[end] != ';')) {
                quoted = value[end] == '"' ? !quoted : quoted;
                ++end;
            }
            return std::string(Unquote(value.substr(equals + 1, end - equals - 1)));
        }
    }
    return {};
}

Headers ReadHeaders(std::string_view text, size_t& bodyStart)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t next = 0;
        const std::string_view line = LineAt(text, at, next);
        at = next;
        if (line.empty())
            break;
        if ((line.front() == ' ' || line.front() == '\t') && !lines.empty())
            lines.back().append(" ").append(Trim(line));
        else
            lines.emplace_back(line);
    }
    bodyStart = at;
    Headers headers;
    for (const std::string& line : lines) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string name = Lower(Trim(std::string_view(line).substr(0, colon)));
        const std::string_view value = Trim(std::string_view(line).substr(colon + 1));
        if (name == "content-type") {
            headers.type = Lower(Trim(value.substr(0, value.find(';'))));
            headers.charset = Lower(Parameter(value, "charset"));
            headers.boundary = Parameter(value, "boundary");
        } else if (name == "content-transfer-encoding") {
            headers.encoding = Lower(value);
        } else if (name == "content-location") {
            headers.location = std::string(value);
        } else if (name == "content-id") {
            std::string_view id = value;
            if (id.size() >= 2 && id.front() == '<' && id.back() == '>')
                id = id.substr(1, id.size() - 2);
            headers.id = std::string(id);
        }
    }
    return headers;
}

int HexValue(char c)
{
    return platform::HexDigitValue(static_cast<unsigned char>(c));
}

std::string QuotedPrintable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r')) {  // soft line break
            i += text[i + 1] == '\r' && i + 2 < text.size() && text[i + 2] == '\n' ? 2 : 1;
            continue;
        }
        const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) {
            out += '=';
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string Base64(std::string_view text)
{
    std::string out;
    out.reserve(text.size() / 4 * 3);
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        int value = -1;
        if (c >= 'A' && c <= 'Z')
            value = c - 'A';
        else if (c >= 'a' && c <= 'z')
            value = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            value = c - '0' + 52;
        else if (c == '+')
            value = 62;
        else if (c == '/')
            value = 63;
        else if (c == '=')
            break;
        if (value < 0)
            continue;
        bits = (bits << 6) | static_cast<uint32_t>(value);
        if (++count == 4) {
            out += static_cast<char>((bits >> 16) & 0xFF);
            out += static_cast<char>((bits >> 8) & 0xFF);
            out += static_cast<char>(bits & 0xFF);
            bits = 0;
            count = 0;
        }
    }
    if (count == 3) {
        out += static_cast<char>((bits >> 10) & 0xFF);
        out += static_cast<char>((bits >> 2) & 0xFF);
    } else if (count == 2) {
        out += static_cast<char>((bits >> 4) & 0xFF);
    }
    return out;
}

ArchivePart MakePart(const Headers& headers, std::string_view body)
{
    ArchivePart part{headers.type, headers.charset, headers.location, headers.id, {}};
    if (headers.encoding == "quoted-printable")
        part.body = QuotedPrintable(body);
    else if (headers.encoding == "base64")
        part.body = Base64(body);
    else
        part.body = std::string(body);
    return part;
}

}  // namespace

// Parts of nested multiparts are read in their place; a boundary line
// starts with "--" and the boundary, and the last one adds "--". Each level
// is a pass over its part, so the levels are few: a deeper multipart is a
// part of its own.
std::vector<ArchivePart> ReadWebArchive(std::string_view bytes, size_t maxParts)
{
    constexpr size_t kMaxLevels = 4;
    std::vector<ArchivePart> parts;
    struct Pending {
        std::string_view text;
        size_t level;
    };
    std::vector<Pending> work{{bytes, 0}};
    while (!work.empty() && parts.size() < maxParts) {
        const auto [text, level] = work.back();
        work.pop_back();
        size_t bodyStart = 0;
        const Headers headers = ReadHeaders(text, bodyStart);
        const std::string_view body = text.substr(bodyStart);
        if (headers.type.rfind("multipart/", 0) != 0 || headers.boundary.empty() || level >= kMaxLevels) {
            parts.push_back(MakePart(headers, body));
            continue;
        }
        const std::string delimiter = std::string("--").append(headers.boundary);
        std::vector<std::string_view> found;
        size_t at = 0;
        size_t partStart = std::string_view::npos;
        while (at < body.size()) {
            size_t next = 0;
            const std::string_view line = LineAt(body, at, next);
            if (line.rfind(delimiter, 0) == 0) {
                if (partStart != std::string_view::npos) {
                    // The line end before the delimiter belongs to it.
                    size_t end = at;
                    if (end > partStart && body[end - 1] == '\n')
                        --end;
                    if (end > partStart && body[end - 1] == '\r')
                        --end;
                    found.push_back(body.substr(partStart, end - partStart));
                }
                if (line.substr(delimiter.size()).rfind("--", 0) == 0)
                    break;
                partStart = next;
            }
            at = next;
        }
        // Read in their order: the stack takes them last first.
        for (auto it = found.rbegin(); it != found.rend(); ++it)
            work.push_back({*it, level + 1});
    }
    return parts;
}

const ArchivePart* HtmlPart(const std::vector<ArchivePart>& parts)
{
    for (const ArchivePart& part : parts)
        if (part.type == "text/html")
            return &part;
    return nullptr;
}

const ArchivePart* PartNamed(const std::vector<ArchivePart>& parts, std::string_view reference)
{
    if (reference.empty())
        return nullptr;
    const bool byId = Lower(reference.substr(0, 4)) == "cid:";
    for (const ArchivePart& part : parts) {
        // A part without an identifier answers to no "cid:" reference.
        if (byId ? !part.id.empty() && part.id == reference.substr(4) : part.location == reference)
            return &part;
    }
    return nullptr;
}

unsigned CharsetCodePage(std::string_view charset, unsigned fallback)
{
    const std::string name = Lower(Trim(charset));
    const auto number = [&](std::string_view prefix, unsigned base) -> unsigned {
        if (name.rfind(prefix, 0) != 0)
            return 0;
        unsigned value = 0;
        const char* first = name.data() + prefix.size();
        const char* last = name.data() + name.size();
        const auto [end, error] = std::from_chars(first, last, value);
        return error == std::errc() && end == last ? base + value : 0;
    };
    if (name == "utf-8" || name == "utf8")
        return 0;
    if (unsigned windows = number("windows-", 0); windows >= 874 && windows <= 1258)
        return windows;
    if (unsigned iso = number("iso-8859-", 28590); iso > 28590 && iso <= 28605)
        return iso;
    if (name == "us-ascii")
        return 20127;
    if (name == "koi8-r")
        return 20866;
    if (name == "koi8-u")
        return 21866;
    if (name == "shift_jis" || name == "shift-jis" || name == "sjis")
        return 932;
    if (name == "gb2312" || name == "gbk")
        return 936;
    if (name == "big5")
        return 950;
    if (name == "euc-kr" || name == "ks_c_5601-1987")
        return 949;
    return fallback;
}

}  // namespace text
