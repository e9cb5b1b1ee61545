#include "text/RtfPlainText.h"

#include "platform/Ascii.h"
#include "platform/CodePage.h"
#include "text/RtfCodePages.h"
#include "text/RtfSyntax.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace text {
namespace {

// Groups that hold no text of the page.
constexpr std::array<std::u16string_view, 22> kSkippedDestinations = {
    u"fonttbl",  u"colortbl",  u"stylesheet", u"info",     u"pict",        u"objdata",    u"fldinst",   u"header",
    u"footer",   u"headerl",   u"headerr",    u"footerl",  u"footerr",     u"listtable", u"listoverridetable",
    u"rsidtbl",  u"generator", u"xmlnstbl",   u"themedata", u"datastore",  u"latentstyles", u"nonshppict",
};

bool IsSkippedDestination(std::u16string_view word)
{
    return std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) != kSkippedDestinations.end();
}

struct Group {
    bool skip = false;
    bool fontTable = false;
    int fallback = 1;  // characters after \uN that stand in for it
    int32_t font = RtfFontCodePages::kDefaultFont;
};

class Reader {
public:
    explicit Reader(std::u16string_view rtf)
        : rtf_(rtf), narrowCodePage_(platform::AnsiCodePage()), codePages_(narrowCodePage_), widened_(narrowCodePage_)
    {
        out_.reserve(rtf.size() / 2);
    }

    std::u16string Read()
    {
        while (i_ < rtf_.size()) {
            const char16_t c = rtf_[i_];
            if (c == u'{' || c == u'}') {
                ++i_;
                FlushBytes();
                pendingFallback_ = 0;
                groupStart_ = c == u'{';
                if (groupStart_)
                    groups_.Open();
                else
                    groups_.Close();
                continue;
            }
            const bool atGroupStart = std::exchange(groupStart_, false);
            ++i_;
            if (c == u'\\')
                Escape(atGroupStart);
            else if (c >= 0x80)
                WidenedCharacter(c);
            else if (c != u'\r' && c != u'\n')
                PlainText(c);
        }
        FlushBytes();
        return std::move(out_);
    }

private:
    // True when a character of the text is one that \uN's fallback skips.
    bool Skipped()
    {
        if (pendingFallback_ == 0)
            return false;
        --pendingFallback_;
        return true;
    }

    // Most of a page is text without markup: taken a run at a time.
    void PlainText(char16_t c)
    {
        if (pendingFallback_ > 0 || trailDue_) {
            Literal(c);
            return;
        }
        const size_t start = i_ - 1;
        while (i_ < rtf_.size() && IsPlain(rtf_[i_]))
            ++i_;
        FlushBytes();
        if (!groups_.Top().skip)
            out_.append(rtf_.substr(start, i_ - start));
    }

    static bool IsPlain(char16_t c)
    {
        return c < 0x80 && c != u'\\' && c != u'{' && c != u'}' && c != u'\r' && c != u'\n';
    }

    // A character of the text written as itself. In a double-byte code page
    // an ASCII character right after a lead byte is its trail byte.
    void Literal(char16_t c)
    {
        if (Skipped())
            return;
        if (trailDue_ && c >= 0x40 && c <= 0x7E)
            AddByte(static_cast<uint8_t>(c));
        else
            Emit(c);
    }

    // A character that markup stands for: never a byte.
    void Emit(char16_t c)
    {
        FlushBytes();
        if (!groups_.Top().skip)
            out_ += c;
    }

    // Page text read from narrow text holds its 8-bit bytes as characters
    // of the narrow code page; they are bytes of the current font's code
    // page, and join the bytes around them as \'hh bytes do.
    void WidenedCharacter(char16_t c)
    {
        if (Skipped())
            return;
        const std::string_view bytes = widened_.Of(c);
        if (bytes.empty()) {
            Emit(c);  // a character that never was a byte
            return;
        }
        for (char b : bytes)
            AddByte(static_cast<uint8_t>(b));
    }

    void EscapedByte(uint8_t b)
    {
        if (!Skipped())
            AddByte(b);
    }

    // Bytes gather into one run, so that a two-byte character decodes whole.
    void AddByte(uint8_t b)
    {
        if (groups_.Top().skip)
            return;
        const unsigned codePage = CurrentCodePage();
        if (!bytes_.empty() && codePage != bytesCodePage_)
            FlushBytes();
        bytesCodePage_ = codePage;
        bytes_ += static_cast<char>(b);
        trailDue_ = !trailDue_ && platform::IsLeadByte(codePage, b);
    }

    void FlushBytes()
    {
        if (bytes_.empty())
            return;
        // A lead byte without its trail byte is no character.
        const bool dangling = std::exchange(trailDue_, false);
        if (dangling)
            bytes_.pop_back();
        out_ += platform::NarrowToWide(bytes_, bytesCodePage_);
        if (dangling)
            out_ += u'\xFFFD';
        bytes_.clear();
    }

    unsigned CurrentCodePage() { return codePages_.CodePageOf(groups_.Top().font); }

    void Escape(bool atGroupStart)
    {
        if (i_ >= rtf_.size())
            return;
        const char16_t symbol = rtf_[i_];
        if (platform::IsAsciiLetter(symbol)) {
            ControlWord(ReadControlWord(rtf_, i_));
            return;
        }
        ++i_;
        if (symbol >= 0x80) {
            WidenedCharacter(symbol);  // no symbol: the backslash is dropped
        } else if (symbol == u'\'') {
            const int high = i_ < rtf_.size() ? platform::HexDigitValue(rtf_[i_]) : -1;
            const int low = i_ + 1 < rtf_.size() ? platform::HexDigitValue(rtf_[i_ + 1]) : -1;
            if (high < 0 || low < 0)
                return;
            i_ += 2;
            EscapedByte(static_cast<uint8_t>(high * 16 + low));
        } else if (symbol == u'*') {
            if (atGroupStart)
                groups_.Top().skip = true;
        } else if (symbol == u'\\' || symbol == u'{' || symbol == u'}') {
            Literal(symbol);  // may be the trail byte of a two-byte character
        } else if (const char16_t c = ControlSymbolCharacter(symbol)) {
            if (!Skipped())
                Emit(c);
        }
    }

    void ControlWord(const RtfControlWord& word)
    {
        Group& group = groups_.Top();
        const int32_t n = word.number;
        if (FontWord(word, group))
            return;
        if (IsSkippedDestination(word.name)) {
            group.skip = true;
            group.fontTable = word.name == u"fonttbl";
        } else if (word.name == u"uc" && word.hasNumber) {
            group.fallback = FallbackCount(n);
        } else if (word.name == u"u" && word.hasNumber) {
            pendingFallback_ = 0;
            Emit(static_cast<char16_t>(static_cast<uint16_t>(static_cast<int16_t>(n))));
            pendingFallback_ = group.fallback;
        } else if (word.name == u"bin" && word.hasNumber && n > 0) {
            // Binary data: skipped, never read as text or markup.
            i_ += std::min<size_t>(static_cast<size_t>(n), rtf_.size() - i_);
        } else if (const char16_t c = ControlWordCharacter(word.name)) {
            if (!Skipped())
                Emit(c);
        }
    }

    // The words that choose the code page of the text; true for one of them.
    bool FontWord(const RtfControlWord& word, Group& group)
    {
        const std::u16string_view name = word.name;
        const int32_t n = word.number;
        if (name == u"f" && word.hasNumber) {
            if (group.fontTable)
                codePages_.BeginFont(n);
            else
                group.font = n;
        } else if (name == u"fcharset" && word.hasNumber) {
            if (group.fontTable)
                codePages_.SetCharset(n);
        } else if (name == u"cpg" && word.hasNumber) {
            if (group.fontTable)
                codePages_.SetFontCodePage(n);
        } else if (name == u"plain") {
            group.font = RtfFontCodePages::kDefaultFont;
        } else if (name == u"deff" && word.hasNumber) {
            codePages_.SetDefaultFont(n);
        } else if (name == u"ansicpg" && word.hasNumber) {
            codePages_.SetDocumentCodePage(n);
        } else if (name == u"mac" || name == u"pc" || name == u"pca") {
            codePages_.SetDocumentCodePage(name == u"mac" ? 10000 : name == u"pc" ? 437 : 850);
        } else {
            return false;
        }
        return true;
    }

    std::u16string_view rtf_;
    size_t i_ = 0;
    unsigned narrowCodePage_;
    RtfFontCodePages codePages_;
    WidenedBytes widened_;
    RtfGroupStack<Group> groups_{Group{}};
    bool groupStart_ = false;
    int pendingFallback_ = 0;
    std::string bytes_;
    unsigned bytesCodePage_ = 0;
    bool trailDue_ = false;
    std::u16string out_;
};

}  // namespace

std::u16string RtfToPlainText(std::u16string_view rtf) { return Reader(rtf).Read(); }

}  // namespace text
