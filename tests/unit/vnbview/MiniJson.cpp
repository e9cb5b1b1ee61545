#include "tests/unit/vnbview/MiniJson.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

#include "platform/CodePage.h"

namespace vnbview_test {

const JsonValue& JsonValue::operator[](const std::string& key) const
{
    for (const auto& [name, value] : members)
        if (name == key)
            return value;
    throw std::runtime_error("no key " + key);
}

std::vector<std::string> JsonValue::Keys() const
{
    std::vector<std::string> keys;
    for (const auto& member : members)
        keys.push_back(member.first);
    return keys;
}

namespace {

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    JsonValue Document()
    {
        JsonValue value = Value();
        Space();
        if (pos_ != text_.size())
            Fail("trailing text");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what + " at " + std::to_string(pos_)); }
    void Space()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' || text_[pos_] == '\r' || text_[pos_] == '\t'))
            ++pos_;
    }
    bool Take(char c)
    {
        Space();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void Expect(char c)
    {
        if (!Take(c))
            Fail(std::string("expected ") + c);
    }
    bool Word(const char* word)
    {
        const std::string w(word);
        if (text_.compare(pos_, w.size(), w) != 0)
            return false;
        pos_ += w.size();
        return true;
    }

    JsonValue Value()
    {
        Space();
        JsonValue v;
        if (pos_ >= text_.size())
            Fail("end of text");
        const char c = text_[pos_];
        if (c == '{') {
            ++pos_;
            v.type = JsonValue::Type::Object;
            if (Take('}'))
                return v;
            do {
                Space();
                JsonValue key = String();
                Expect(':');
                v.members.emplace_back(platform::WideToUtf8(key.string), Value());
            } while (Take(','));
            Expect('}');
        } else if (c == '[') {
            ++pos_;
            v.type = JsonValue::Type::Array;
            if (Take(']'))
                return v;
            do
                v.items.push_back(Value());
            while (Take(','));
            Expect(']');
        } else if (c == '"') {
            v = String();
        } else if (Word("true") || Word("false")) {
            v.type = JsonValue::Type::Bool;
            v.boolean = text_[pos_ - 1] == 'e' && text_[pos_ - 2] == 'u';
        } else if (Word("null")) {
            v.type = JsonValue::Type::Null;
        } else {
            const size_t start = pos_;
            if (text_[pos_] == '-')
                ++pos_;
            if (pos_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[pos_])))
                Fail("bad value");
            while (pos_ < text_.size() && std::string("0123456789.eE+-").find(text_[pos_]) != std::string::npos)
                ++pos_;
            v.type = JsonValue::Type::Number;
            v.numberText = text_.substr(start, pos_ - start);
            char* end = nullptr;
            v.number = std::strtod(v.numberText.c_str(), &end);
            if (end != v.numberText.c_str() + v.numberText.size())
                Fail("bad number");
        }
        return v;
    }

    JsonValue String()
    {
        if (pos_ >= text_.size() || text_[pos_] != '"')
            Fail("expected string");
        ++pos_;
        std::string raw;  // UTF-8 runs between escapes
        JsonValue v;
        v.type = JsonValue::Type::String;
        auto flush = [&] {
            v.string += platform::Utf8ToWide(raw);
            raw.clear();
        };
        for (;;) {
            if (pos_ >= text_.size())
                Fail("unterminated string");
            const char c = text_[pos_++];
            if (c == '"')
                break;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("raw control character in string");
            if (c != '\\') {
                raw += c;
                continue;
            }
            flush();
            const char e = text_.at(pos_++);
            switch (e) {
            case '"': v.string += u'"'; break;
            case '\\': v.string += u'\\'; break;
            case '/': v.string += u'/'; break;
            case 'b': v.string += u'\b'; break;
            case 'f': v.string += u'\f'; break;
            case 'n': v.string += u'\n'; break;
            case 'r': v.string += u'\r'; break;
            case 't': v.string += u'\t'; break;
            case 'u': v.string += static_cast<char16_t>(std::stoul(text_.substr(pos_, 4), nullptr, 16)); pos_ += 4; break;
            default: Fail("bad escape");
            }
        }
        flush();
        return v;
    }

    const std::string& text_;
    size_t pos_ = 0;
};

}  // namespace

JsonValue ParseJson(const std::string& text) { return Parser(text).Document(); }

}  // namespace vnbview_test
