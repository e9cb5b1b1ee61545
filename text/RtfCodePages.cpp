#include "text/RtfCodePages.h"

#include "platform/CodePage.h"

#include <algorithm>

namespace text {
namespace {

// Distinct fonts and code pages one document may name: real ones use a few
// dozen; more are read as the document's code page, so memory stays bounded.
constexpr size_t kMostFonts = 32768;
constexpr size_t kMostCodePages = 64;

}  // namespace

unsigned CharsetCodePage(int32_t charset)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return 28591;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254:
    case 255: return 437;
    default: return 0;
    }
}

RtfFontCodePages::RtfFontCodePages(unsigned narrowCodePage) : narrowCodePage_(narrowCodePage) {}

void RtfFontCodePages::SetDocumentCodePage(int32_t codePage)
{
    documentCodePage_ = codePage > 0 ? static_cast<unsigned>(codePage) : 0;
    lastAnswer_.reset();
}

void RtfFontCodePages::SetDefaultFont(int32_t font)
{
    defaultFont_ = font;
    lastAnswer_.reset();
}

void RtfFontCodePages::BeginFont(int32_t font)
{
    defining_ = nullptr;
    lastAnswer_.reset();
    if (fonts_.size() >= kMostFonts && fonts_.find(font) == fonts_.end())
        return;
    defining_ = &fonts_[font];
}

void RtfFontCodePages::SetCharset(int32_t charset)
{
    if (defining_)
        defining_->charsetCodePage = CharsetCodePage(charset);
    lastAnswer_.reset();
}

void RtfFontCodePages::SetFontCodePage(int32_t codePage)
{
    if (defining_)
        defining_->codePage = codePage > 0 ? static_cast<unsigned>(codePage) : 0;
    lastAnswer_.reset();
}

unsigned RtfFontCodePages::CodePageOf(int32_t font)
{
    if (lastAnswer_ && lastAnswer_->first == font)
        return lastAnswer_->second;
    unsigned codePage = 0;
    const auto entry = fonts_.find(font == kDefaultFont ? defaultFont_ : font);
    if (entry != fonts_.end()) {
        if (Usable(entry->second.codePage))
            codePage = entry->second.codePage;
        else if (Usable(entry->second.charsetCodePage))
            codePage = entry->second.charsetCodePage;
    }
    if (codePage == 0)
        codePage = DocumentCodePage();
    lastAnswer_.emplace(font, codePage);
    return codePage;
}

unsigned RtfFontCodePages::DocumentCodePage()
{
    return Usable(documentCodePage_) ? documentCodePage_ : narrowCodePage_;
}

bool RtfFontCodePages::Usable(unsigned codePage)
{
    if (codePage == 0)
        return false;
    const auto known = std::find_if(usable_.begin(), usable_.end(), [&](const auto& p) { return p.first == codePage; });
    if (known != usable_.end())
        return known->second;
    if (usable_.size() >= kMostCodePages)
        return false;
    const bool usable = platform::CodePageSupported(codePage);
    usable_.emplace_back(codePage, usable);
    return usable;
}

std::string_view WidenedBytes::Of(char16_t unit)
{
    const auto known = known_.find(unit);
    if (known != known_.end())
        return known->second;
    std::string bytes = platform::WideToAnsiExact(std::u16string_view(&unit, 1), codePage_).value_or(std::string());
    return known_.emplace(unit, std::move(bytes)).first->second;
}

}  // namespace text
