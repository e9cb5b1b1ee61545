#include "components/RtfPlainText.h"

#include "components/Ascii.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace components {
namespace {

int HexValue(char16_t c)
{
    if (IsAsciiDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Groups that hold no text of the page.
constexpr std::array<std::u16string_view, 22> kSkippedDestinations = {
    u"fonttbl",  u"colortbl",  u"stylesheet", u"info",     u"pict",        u"objdata",    u"fldinst",   u"header",
    u"footer",   u"headerl",   u"headerr",    u"footerl",  u"footerr",     u"listtable", u"listoverridetable",
    u"rsidtbl",  u"generator", u"xmlnstbl",   u"themedata", u"datastore",  u"latentstyles", u"nonshppict",
};

bool IsSkippedDestination(std::u16string_view word)
{
    for (std::u16string_view name : kSkippedDestinations)
        if (word == name)
            return true;
    return false;
}

struct Group {
    bool skip = false;
    int fallback = 1;  // characters after \uN that stand in for it
};

class Reader {
public:
    explicit Reader(std::u16string_view rtf) : rtf_(rtf) {}

    std::u16string Read()
    {
        while (i_ < rtf_.size()) {
            const char16_t c = rtf_[i_];
            if (c == u'{') {
                ++i_;
                FlushBytes();
                pendingFallback_ = 0;
                groups_.push_back(groups_.back());
                groupStart_ = true;
                continue;
            }
            const bool atGroupStart = std::exchange(groupStart_, false);
            if (c == u'}') {
                ++i_;
                FlushBytes();
                pendingFallback_ = 0;
                if (groups_.size() > 1)
                    groups_.pop_back();
            } else if (c == u'\\') {
                ControlWord(atGroupStart);
            } else {
                ++i_;
                if (c != u'\r' && c != u'\n')
                    Text(c);
            }
        }
        FlushBytes();
        return std::move(out_);
    }

private:
    void Text(char16_t c)
    {
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        FlushBytes();
        if (!groups_.back().skip)
            out_ += c;
    }

    // \'hh bytes gather into one run, so that a two-byte character of a
    // narrow code page decodes whole.
    void Byte(uint8_t b)
    {
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (!groups_.back().skip)
            bytes_ += static_cast<char>(b);
    }

    void FlushBytes()
    {
        if (!bytes_.empty())
            out_ += platform::AnsiToWide(bytes_);
        bytes_.clear();
    }

    void ControlWord(bool atGroupStart)
    {
        ++i_;  // the backslash
        if (i_ >= rtf_.size())
            return;
        const char16_t symbol = rtf_[i_];
        if (!IsAsciiLetter(symbol)) {
            ++i_;
            ControlSymbol(symbol, atGroupStart);
            return;
        }
        const size_t start = i_;
        while (i_ < rtf_.size() && IsAsciiLetter(rtf_[i_]))
            ++i_;
        const std::u16string_view word = rtf_.substr(start, i_ - start);
        bool negative = false;
        if (i_ < rtf_.size() && rtf_[i_] == u'-') {
            negative = true;
            ++i_;
        }
        const size_t digits = i_;
        int32_t n = 0;
        while (i_ < rtf_.size() && IsAsciiDigit(rtf_[i_])) {
            if (n < 1000000)
                n = n * 10 + (rtf_[i_] - u'0');
            ++i_;
        }
        const bool hasNumber = i_ > digits;
        if (negative)
            n = -n;
        if (i_ < rtf_.size() && rtf_[i_] == u' ')
            ++i_;  // the delimiter belongs to the word
        Apply(word, hasNumber ? n : -1, hasNumber, atGroupStart);
    }

    void ControlSymbol(char16_t symbol, bool atGroupStart)
    {
        switch (symbol) {
        case u'\'': {
            const int high = i_ < rtf_.size() ? HexValue(rtf_[i_]) : -1;
            const int low = i_ + 1 < rtf_.size() ? HexValue(rtf_[i_ + 1]) : -1;
            if (high < 0 || low < 0)
                return;
            i_ += 2;
            Byte(static_cast<uint8_t>(high * 16 + low));
            return;
        }
        case u'*':
            if (atGroupStart)
                groups_.back().skip = true;
            return;
        case u'~':
            Text(u'\x00A0');
            return;
        case u'_':
            Text(u'-');
            return;
        case u'-':
            return;  // an optional hyphen shows only where a line breaks
        case u'\r':
        case u'\n':
            Text(u'\n');
            return;
        default:
            Text(symbol);  // \\, \{, \} and the rest stand for themselves
        }
    }

    void Apply(std::u16string_view word, int32_t n, bool hasNumber, bool atGroupStart)
    {
        Group& group = groups_.back();
        if (IsSkippedDestination(word)) {
            group.skip = true;
        } else if (word == u"uc" && hasNumber) {
            group.fallback = n < 0 ? 0 : (n > 16 ? 16 : n);
        } else if (word == u"u" && hasNumber) {
            pendingFallback_ = 0;
            Text(static_cast<char16_t>(static_cast<uint16_t>(static_cast<int16_t>(n))));
            pendingFallback_ = group.fallback;
        } else if (word == u"bin" && hasNumber && n > 0) {
            // Binary data: skipped, never read as text or markup.
            i_ += std::min<size_t>(static_cast<size_t>(n), rtf_.size() - i_);
        } else if (word == u"par" || word == u"line" || word == u"sect" || word == u"page" || word == u"row") {
            Text(u'\n');
        } else if (word == u"tab" || word == u"cell") {
            Text(u'\t');
        } else if (word == u"emdash") {
            Text(u'\x2014');
        } else if (word == u"endash") {
            Text(u'\x2013');
        } else if (word == u"bullet") {
            Text(u'\x2022');
        } else if (word == u"lquote" || word == u"rquote") {
            Text(word == u"lquote" ? u'\x2018' : u'\x2019');
        } else if (word == u"ldblquote" || word == u"rdblquote") {
            Text(word == u"ldblquote" ? u'\x201C' : u'\x201D');
        }
    }

    std::u16string_view rtf_;
    size_t i_ = 0;
    std::vector<Group> groups_{Group{}};
    bool groupStart_ = false;
    int pendingFallback_ = 0;
    std::string bytes_;
    std::u16string out_;
};

}  // namespace

std::u16string RtfToPlainText(std::u16string_view rtf) { return Reader(rtf).Read(); }

}  // namespace components
