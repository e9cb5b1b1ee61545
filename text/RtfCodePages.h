#pragma once
// Which code page the bytes of RTF text are in. Rich text written on one
// system carries text of other scripts in fonts of their character set
// (\fcharsetN) or code page (\cpgN): its \'hh bytes, and the 8-bit bytes
// written as they are, belong to the current font's code page, else to the
// document's (\ansicpgN), else to the code page narrow text is read in.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace text {

// The code page of a font character set (204 Cyrillic: 1251, 128
// Japanese: 932 ...); 0 for the default set (1) and for sets that name none.
// The symbol set (2) reads its bytes as the characters of the same number.
unsigned CharsetCodePage(int32_t charset);

class RtfFontCodePages {
public:
    static constexpr int32_t kDefaultFont = -1;

    // `narrowCodePage`: the code page of the document's narrow text, the
    // last fallback.
    explicit RtfFontCodePages(unsigned narrowCodePage);

    // Header: \ansicpgN (also \mac, \pc and \pca as their code pages), \deffN.
    void SetDocumentCodePage(int32_t codePage);
    void SetDefaultFont(int32_t font);
    // Font table: \fN starts the entry of font N, \fcharsetN and \cpgN
    // describe the entry last started.
    void BeginFont(int32_t font);
    void SetCharset(int32_t charset);
    void SetFontCodePage(int32_t codePage);

    // The code page text in `font` is read in; kDefaultFont for the \deff
    // font. A code page this system cannot convert counts as not given.
    unsigned CodePageOf(int32_t font);
    // Without a font: \ansicpgN, else the narrow code page.
    unsigned DocumentCodePage();

private:
    struct Font {
        unsigned charsetCodePage = 0;
        unsigned codePage = 0;
    };
    bool Usable(unsigned codePage);

    unsigned narrowCodePage_;
    unsigned documentCodePage_ = 0;
    int32_t defaultFont_ = 0;
    std::unordered_map<int32_t, Font> fonts_;
    Font* defining_ = nullptr;
    std::optional<std::pair<int32_t, unsigned>> lastAnswer_;  // font, code page
    std::vector<std::pair<unsigned, bool>> usable_;
};

// The bytes a character of page text was widened from: page text read from
// narrow text holds its bytes as characters of that code page. Empty for a
// character the code page has no exact form of: it never was a byte.
class WidenedBytes {
public:
    explicit WidenedBytes(unsigned narrowCodePage) : codePage_(narrowCodePage) {}
    std::string_view Of(char16_t unit);

private:
    unsigned codePage_;
    std::unordered_map<char16_t, std::string> known_;
};

}  // namespace text
