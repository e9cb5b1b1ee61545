#include "tools/vnbview/Json.h"

#include "platform/CodePage.h"
#include "tools/vnbview/TextOut.h"

#include <charconv>
#include <cmath>

namespace vnbview {
namespace {

void AppendEscape(std::string& out, char16_t unit)
{
    static const char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kHex[(unit >> shift) & 0xF];
}

}  // namespace

std::string JsonString(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        switch (unit) {
        case u'"': out += "\\\""; continue;
        case u'\\': out += "\\\\"; continue;
        case u'\b': out += "\\b"; continue;
        case u'\f': out += "\\f"; continue;
        case u'\n': out += "\\n"; continue;
        case u'\r': out += "\\r"; continue;
        case u'\t': out += "\\t"; continue;
        default: break;
        }
        if (IsControl(unit)) {
            // C1 controls too: escaped, a dump shown on a terminal cannot drive it.
            AppendEscape(out, unit);
        } else if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            platform::AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit < 0xE000) {
            AppendEscape(out, unit);
        } else {
            platform::AppendUtf8(out, unit);
        }
    }
    out += '"';
    return out;
}

std::string JsonDouble(double value)
{
    if (!std::isfinite(value))
        return "null";
    // Shortest text that reads back as the same double, never in the
    // locale's format.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void JsonWriter::NewLine(size_t depth)
{
    out_ << '\n';
    for (size_t i = 0; i < depth; ++i)
        out_ << "  ";
}

void JsonWriter::BeforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (empty_.empty())
        return;
    if (!empty_.back())
        out_ << ',';
    empty_.back() = false;
    NewLine(empty_.size());
}

void JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    out_ << '"' << key << "\": ";
    afterKey_ = true;
}

void JsonWriter::Value(std::string_view text)
{
    BeforeValue();
    out_ << text;
    if (empty_.empty())
        out_ << '\n';
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    out_ << bracket;
    empty_.push_back(true);
}

void JsonWriter::Close(char bracket)
{
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!wasEmpty)
        NewLine(empty_.size());
    out_ << bracket;
    if (empty_.empty())
        out_ << '\n';
}

}  // namespace vnbview
