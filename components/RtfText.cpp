#include "components/RtfText.h"

#include "components/Ascii.h"

#include <cstdint>
#include <vector>

namespace components {

std::string SevenBitRtf(std::u16string_view rtf)
{
    std::string out;
    out.reserve(rtf.size() + rtf.size() / 8);
    // \ucN belongs to the group it appears in.
    std::vector<int> skipStack{1};
    size_t i = 0;
    while (i < rtf.size()) {
        const char16_t c = rtf[i];
        if (c == u'{') {
            skipStack.push_back(skipStack.back());
        } else if (c == u'}') {
            if (skipStack.size() > 1)
                skipStack.pop_back();
        } else if (c == u'\\' && i + 1 < rtf.size() && IsAsciiLetter(rtf[i + 1])) {
            // A control word: copy it whole, noting \ucN.
            size_t start = i++;
            while (i < rtf.size() && IsAsciiLetter(rtf[i]))
                ++i;
            const std::u16string_view word = rtf.substr(start + 1, i - start - 1);
            size_t digits = i;
            if (i < rtf.size() && rtf[i] == u'-')
                ++i;
            while (i < rtf.size() && IsAsciiDigit(rtf[i]))
                ++i;
            uint32_t n = 0;
            for (size_t k = digits; k < i && n < 100000000; ++k)
                if (IsAsciiDigit(rtf[k]))
                    n = n * 10 + (rtf[k] - u'0');
            if (word == u"uc" && i > digits)
                skipStack.back() = static_cast<int>(n > 16 ? 16 : n);
            for (size_t k = start; k < i; ++k)
                out += static_cast<char>(rtf[k]);  // letters, digits and '-' only
            if (word == u"bin" && i > digits) {
                // Binary data: bytes, not characters, after one delimiter.
                if (i < rtf.size() && rtf[i] == u' ')
                    out += static_cast<char>(rtf[i++]);
                for (uint32_t k = 0; k < n && i < rtf.size(); ++k)
                    out += static_cast<char>(rtf[i++] & 0xFF);
            }
            continue;
        } else if (c == u'\\' && i + 1 < rtf.size() && rtf[i + 1] < 0x80) {
            // A control symbol (\\, \{, \', ...): both characters as they are.
            out += '\\';
            out += static_cast<char>(rtf[i + 1]);
            i += 2;
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            // \u takes a signed 16-bit number; surrogate halves go one by one,
            // as readers of \u expect.
            out += "\\u" + std::to_string(static_cast<int16_t>(c));
            const int skip = skipStack.back();
            if (skip == 0)
                out += ' ';  // ends the control word without adding text
            else
                out.append(static_cast<size_t>(skip), '?');
        }
        ++i;
    }
    return out;
}

}  // namespace components
