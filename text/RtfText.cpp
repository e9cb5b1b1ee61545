#include "text/RtfText.h"

#include "platform/Ascii.h"
#include "platform/CodePage.h"
#include "text/RtfCodePages.h"
#include "text/RtfSyntax.h"

#include <cstdint>

namespace text {
namespace {

void AppendEscapedByte(std::string& out, uint8_t b)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\'";
    out += kHex[b >> 4];
    out += kHex[b & 15];
}

bool IsHexDigit(char16_t c) { return platform::HexDigitValue(c) >= 0; }

// Follows the text as the word reader does, as far as the rewriting needs:
// how many characters after a \uN of the source stand in for it, and the
// \ucN of each group.
class Rewriter {
public:
    Rewriter(std::u16string_view rtf, unsigned narrowCodePage) : rtf_(rtf), widened_(narrowCodePage)
    {
        out_.reserve(rtf.size() + rtf.size() / 8);
    }

    std::string Rewrite()
    {
        while (i_ < rtf_.size()) {
            const char16_t c = rtf_[i_++];
            if (c == u'{' || c == u'}') {
                pendingFallback_ = 0;
                if (c == u'{')
                    fallbacks_.Open();
                else
                    fallbacks_.Close();
                out_ += static_cast<char>(c);
            } else if (c == u'\\' && i_ < rtf_.size()) {
                Escape();
            } else if (c >= 0x80) {
                Character(c);
            } else {
                if (c != u'\r' && c != u'\n')
                    CountFallback();
                out_ += static_cast<char>(c);
            }
        }
        return std::move(out_);
    }

private:
    bool CountFallback()
    {
        if (pendingFallback_ == 0)
            return false;
        --pendingFallback_;
        return true;
    }

    // A character beyond ASCII. One that stands in for a \uN goes as "?",
    // which the reader skips the same way. Others were read from the narrow
    // code page, and their bytes belong to the font's code page: they go
    // as those bytes, so that every reader decodes them as before. A
    // character that never was a byte goes as \uN.
    void Character(char16_t c)
    {
        if (CountFallback()) {
            out_ += '?';
            return;
        }
        const std::string_view bytes = widened_.Of(c);
        if (!bytes.empty()) {
            for (char b : bytes)
                AppendEscapedByte(out_, static_cast<uint8_t>(b));
            return;
        }
        // \u takes a signed 16-bit number; surrogate halves go one by one,
        // as readers of \u expect.
        out_ += "\\u" + std::to_string(static_cast<int16_t>(c));
        const int skip = fallbacks_.Top();
        if (skip == 0)
            out_ += ' ';  // ends the control word without adding text
        else
            out_.append(static_cast<size_t>(skip), '?');
        pendingFallback_ = 0;
    }

    void Escape()
    {
        const char16_t symbol = rtf_[i_];
        if (symbol >= 0x80) {
            ++i_;
            Character(symbol);  // no control symbol: the character itself
        } else if (platform::IsAsciiLetter(symbol)) {
            ControlWord();
        } else {
            ++i_;
            out_ += '\\';
            out_ += static_cast<char>(symbol);
            if (symbol == u'\'') {
                if (i_ + 1 < rtf_.size() && IsHexDigit(rtf_[i_]) && IsHexDigit(rtf_[i_ + 1])) {
                    CountFallback();
                    out_ += static_cast<char>(rtf_[i_++]);
                    out_ += static_cast<char>(rtf_[i_++]);
                }
            } else if (ControlSymbolCharacter(symbol) != 0) {
                CountFallback();
            }
        }
    }

    // Copied whole: letters, digits, '-' and the space that ends it.
    void ControlWord()
    {
        const size_t start = i_ - 1;
        const RtfControlWord word = ReadControlWord(rtf_, i_);
        for (size_t k = start; k < i_; ++k)
            out_ += static_cast<char>(rtf_[k]);
        if (word.name == u"uc" && word.hasNumber) {
            fallbacks_.Top() = FallbackCount(word.number);
        } else if (word.name == u"u" && word.hasNumber) {
            pendingFallback_ = fallbacks_.Top();
        } else if (word.name == u"bin" && word.hasNumber && word.number > 0) {
            // Binary data: bytes, not characters.
            for (int32_t k = 0; k < word.number && i_ < rtf_.size(); ++k)
                out_ += static_cast<char>(rtf_[i_++] & 0xFF);
        } else if (ControlWordCharacter(word.name) != 0) {
            CountFallback();
        }
    }

    std::u16string_view rtf_;
    size_t i_ = 0;
    WidenedBytes widened_;
    RtfGroupStack<int> fallbacks_{1};  // \ucN belongs to the group it appears in
    int pendingFallback_ = 0;
    std::string out_;
};

}  // namespace

std::string SevenBitRtf(std::u16string_view rtf, unsigned narrowCodePage)
{
    return Rewriter(rtf, narrowCodePage).Rewrite();
}

std::string SevenBitRtf(std::u16string_view rtf) { return SevenBitRtf(rtf, platform::AnsiCodePage()); }

}  // namespace text
