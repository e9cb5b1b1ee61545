#include "richtext/RtfReader.h"

#include "platform/Ascii.h"
#include "platform/CodePage.h"
#include "richtext/DocumentBuilder.h"
#include "richtext/Limits.h"
#include "richtext/Pictures.h"
#include "richtext/RtfFormatWords.h"
#include "richtext/RtfWords.h"
#include "text/RtfCodePages.h"
#include "text/RtfSyntax.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace richtext {
namespace {

using platform::IsAsciiDigit;
using platform::IsAsciiLetter;
using text::RtfControlWord;
using text::RtfFontCodePages;

// Where the characters of a group go.
enum class Destination : uint8_t { Text, Skip, FontTable, ColorTable, Picture, FieldInstruction, NestTableProperties };

struct GroupState {
    Destination destination = Destination::Text;
    bool objectBody = false;     // inside \object, before its \result
    bool hidden = false;         // \v
    bool pictureOwner = false;   // the group \pict started in
    int8_t fallback = 1;         // characters after \uN that stand in for it
    uint8_t tableLevel = 0;      // \intbl, \itapN
    int32_t font = RtfFontCodePages::kDefaultFont;
    uint32_t field = kNone;      // the field this group belongs to
    uint32_t link = kNone;
    CharFormat chars;
    ParaFormat para;
};

struct Field {
    std::u16string instruction;
};

class Reader {
public:
    Reader(std::u16string_view rtf, unsigned narrowCodePage, Pictures pictures)
        : rtf_(rtf), codePages_(narrowCodePage), widened_(narrowCodePage), keepPictures_(pictures == Pictures::Keep)
    {
    }

    Document Read()
    {
        while (i_ < rtf_.size()) {
            const char16_t c = rtf_[i_];
            if (c == u'{' || c == u'}') {
                ++i_;
                FlushBytes();
                pendingFallback_ = 0;
                ignorable_ = false;
                groupStart_ = c == u'{';
                if (groupStart_)
                    OpenGroup();
                else
                    CloseGroup();
                continue;
            }
            const bool atGroupStart = std::exchange(groupStart_, false);
            ++i_;
            if (c == u'\\')
                Escape(atGroupStart);
            else if (groups_.Top().destination == Destination::Skip)
                SkipText();
            else if (c >= 0x80)
                WidenedCharacter(c);
            else if (c != u'\r' && c != u'\n')
                PlainText(c);
        }
        FlushBytes();
        FinishPicture();
        return builder_.Finish(lastPara_, lastLevel_);
    }

private:
    // ---- groups

    void OpenGroup()
    {
        if (groups_.Open())
            groups_.Top().pictureOwner = false;  // a group inside a picture does not end it
    }

    void CloseGroup()
    {
        if (const GroupState* closing = groups_.Closing(); closing && closing->pictureOwner)
            FinishPicture();
        groups_.Close();
    }

    // ---- characters

    // In a skipped group only the group marks and escapes matter.
    void SkipText()
    {
        while (i_ < rtf_.size() && rtf_[i_] != u'\\' && rtf_[i_] != u'{' && rtf_[i_] != u'}')
            ++i_;
    }

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
        Sink(rtf_.substr(start, i_ - start));
    }

    static bool IsPlain(char16_t c)
    {
        return c < 0x80 && c != u'\\' && c != u'{' && c != u'}' && c != u'\r' && c != u'\n';
    }

    // A character written as itself; in a double-byte code page an ASCII
    // character right after a lead byte is its trail byte.
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
        Sink(std::u16string_view(&c, 1));
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
            Emit(c);
            return;
        }
        for (char b : bytes)
            AddByte(static_cast<uint8_t>(b));
    }

    // Bytes gather into one run, so that a two-byte character decodes whole.
    void AddByte(uint8_t b)
    {
        const Destination destination = groups_.Top().destination;
        if (destination == Destination::Picture) {
            Hex(static_cast<char16_t>(b));
            return;
        }
        const unsigned codePage = codePages_.CodePageOf(groups_.Top().font);
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
        std::u16string text = platform::NarrowToWide(bytes_, bytesCodePage_);
        if (dangling)
            text += u'\xFFFD';
        bytes_.clear();
        Sink(text);
    }

    // Characters of the current group go where its destination says.
    void Sink(std::u16string_view text)
    {
        GroupState& group = groups_.Top();
        switch (group.destination) {
        case Destination::Text:
            if (!group.objectBody && !group.hidden) {
                group.chars.font = FontIndex(group.font);
                builder_.AddText(text, group.chars, group.link);
                // Text the page ends without a paragraph mark keeps its format.
                lastPara_ = group.para;
                lastLevel_ = group.tableLevel;
            }
            break;
        case Destination::FontTable:
            for (char16_t c : text) {
                if (c == u';')
                    EndFontName();
                else if (fontName_.size() < kMaxFontName)
                    fontName_ += c;
            }
            break;
        case Destination::ColorTable:
            for (char16_t c : text)
                if (c == u';')
                    EndColor();
            break;
        case Destination::Picture:
            for (char16_t c : text)
                Hex(c);
            break;
        case Destination::FieldInstruction:
            if (group.field < fields_.size()) {
                std::u16string& instruction = fields_[group.field].instruction;
                instruction.append(text.substr(0, kMaxFieldInstruction - std::min(kMaxFieldInstruction, instruction.size())));
            }
            break;
        case Destination::Skip:
        case Destination::NestTableProperties: break;
        }
    }

    // ---- escapes and control words

    void Escape(bool atGroupStart)
    {
        if (i_ >= rtf_.size())
            return;
        const char16_t symbol = rtf_[i_];
        if (IsAsciiLetter(symbol)) {
            const RtfControlWord word = text::ReadControlWord(rtf_, i_);
            const bool ignorable = std::exchange(ignorable_, false);
            ControlWord(word, ignorable);
            return;
        }
        ++i_;
        const bool skip = groups_.Top().destination == Destination::Skip;
        if (symbol == u'*') {
            ignorable_ = atGroupStart;
        } else if (skip) {
            return;
        } else if (symbol >= 0x80) {
            WidenedCharacter(symbol);  // no symbol: the backslash is dropped
        } else if (symbol == u'\'') {
            const int high = i_ < rtf_.size() ? platform::HexDigitValue(rtf_[i_]) : -1;
            const int low = i_ + 1 < rtf_.size() ? platform::HexDigitValue(rtf_[i_ + 1]) : -1;
            if (high < 0 || low < 0)
                return;
            i_ += 2;
            if (!Skipped())
                AddByte(static_cast<uint8_t>(high * 16 + low));
        } else if (symbol == u'\\' || symbol == u'{' || symbol == u'}') {
            Literal(symbol);  // may be the trail byte of a two-byte character
        } else if (symbol == u'\r' || symbol == u'\n') {
            if (!Skipped())
                EndParagraph(true);  // a backslash before a line end is \par
        } else if (const char16_t c = text::ControlSymbolCharacter(symbol)) {
            if (!Skipped())
                Emit(c);
        }
    }

    void ControlWord(const RtfControlWord& word, bool ignorable)
    {
        const Word known = LookUpWord(word.name);
        GroupState& group = groups_.Top();
        if (known == Word::Binary) {
            Binary(word);
            return;
        }
        if (group.destination == Destination::Skip)
            return;
        if (ignorable && !IsKnownIgnorable(known)) {
            FlushBytes();
            group.destination = Destination::Skip;
            return;
        }
        if (known != Word::Unknown)
            FlushBytes();
        if (group.destination == Destination::Picture) {
            PictureWord(known, word);
            return;
        }
        const int32_t n = word.number;
        const bool on = !word.hasNumber || n != 0;
        switch (known) {
        // Destinations
        case Word::FontTable: group.destination = Destination::FontTable; break;
        case Word::ColorTable: group.destination = Destination::ColorTable; break;
        case Word::Skipped: group.destination = Destination::Skip; break;
        case Word::Picture: StartPicture(group); break;
        case Word::Object: group.objectBody = true; break;
        case Word::Result: group.objectBody = false; break;
        case Word::Field:
            group.field = static_cast<uint32_t>(fields_.size());
            fields_.emplace_back();
            break;
        case Word::FieldInstruction: group.destination = Destination::FieldInstruction; break;
        case Word::FieldResult:
            if (group.field < fields_.size()) {
                const std::u16string target = HyperlinkTarget(fields_[group.field].instruction);
                if (!target.empty())
                    group.link = builder_.AddLink(target);
                fields_[group.field].instruction.clear();
                fields_[group.field].instruction.shrink_to_fit();
            }
            break;
        case Word::NestTableProperties: group.destination = Destination::NestTableProperties; break;
        // Text
        case Word::Par:
        case Word::Section:
        case Word::Page:
            if (!Skipped())
                EndParagraph(true);
            break;
        case Word::Line:
            if (!Skipped())
                Emit(u'\x2028');
            break;
        case Word::Tab:
            if (!Skipped())
                Emit(u'\t');
            break;
        case Word::Cell:
        case Word::NestCell:
            if (group.destination == Destination::Text && !group.objectBody)
                builder_.EndCell(group.para, known == Word::Cell ? 1 : std::max<size_t>(2, group.tableLevel));
            break;
        case Word::Row:
        case Word::NestRow:
            if ((group.destination == Destination::Text || group.destination == Destination::NestTableProperties) &&
                !group.objectBody) {
                const size_t level = known == Word::Row ? 1 : std::max<size_t>(2, group.tableLevel);
                builder_.EndRow(group.para, level);
            }
            break;
        case Word::Unicode:
            if (word.hasNumber) {
                pendingFallback_ = 0;
                Emit(static_cast<char16_t>(static_cast<uint16_t>(static_cast<int16_t>(n))));
                pendingFallback_ = group.fallback;
            }
            break;
        case Word::UnicodeSkip:
            if (word.hasNumber)
                group.fallback = static_cast<int8_t>(text::FallbackCount(n));
            break;
        // Code pages and fonts
        case Word::Font:
            if (!word.hasNumber)
                break;
            if (group.destination == Destination::FontTable) {
                codePages_.BeginFont(n);
                definingFont_ = n;
                fontName_.clear();
                fontFamily_ = FontFamily::Unknown;
            } else {
                group.font = n;
            }
            break;
        case Word::FamilyRoman:
        case Word::FamilySwiss:
        case Word::FamilyModern:
        case Word::FamilyScript:
        case Word::FamilyDecorative:
            if (group.destination == Destination::FontTable)
                fontFamily_ = static_cast<FontFamily>(static_cast<int>(known) - static_cast<int>(Word::FamilyRoman) + 1);
            break;
        case Word::FontCharset:
            if (group.destination == Destination::FontTable && word.hasNumber)
                codePages_.SetCharset(n);
            break;
        case Word::FontCodePage:
            if (group.destination == Destination::FontTable && word.hasNumber)
                codePages_.SetFontCodePage(n);
            break;
        case Word::DefaultFont:
            if (word.hasNumber) {
                codePages_.SetDefaultFont(n);
                defaultFont_ = n;
            }
            break;
        case Word::AnsiCodePage:
            if (word.hasNumber)
                codePages_.SetDocumentCodePage(n);
            break;
        case Word::Mac: codePages_.SetDocumentCodePage(10000); break;
        case Word::Pc: codePages_.SetDocumentCodePage(437); break;
        case Word::Pca: codePages_.SetDocumentCodePage(850); break;
        default:
            if (!FormatWord(known, word, on, group))
                if (const char16_t c = text::ControlWordCharacter(word.name); c && !Skipped())
                    Emit(c);
        }
    }

    static bool IsKnownIgnorable(Word word)
    {
        return word == Word::FieldInstruction || word == Word::ShapePicture || word == Word::NestTableProperties;
    }

    // \binN: N bytes of data, never read as text or markup.
    void Binary(const RtfControlWord& word)
    {
        if (!word.hasNumber || word.number <= 0)
            return;
        const size_t count = std::min<size_t>(static_cast<size_t>(word.number), rtf_.size() - i_);
        if (groups_.Top().destination == Destination::Picture && pictureVisible_) {
            pictureTooLarge_ = pictureTooLarge_ || pictureData_.size() + count > kMaxPictureBytes;
            for (size_t k = 0; k < count && !pictureTooLarge_; ++k) {
                const char16_t unit = rtf_[i_ + k];
                const std::string_view bytes = unit >= 0x80 ? widened_.Of(unit) : std::string_view();
                pictureData_ += bytes.size() == 1 ? bytes[0] : static_cast<char>(unit & 0xFF);
            }
        }
        i_ += count;
    }

    // Character, paragraph, colour table and row words; false for others.
    bool FormatWord(Word known, const RtfControlWord& word, bool on, GroupState& group)
    {
        const int32_t n = word.number;
        switch (known) {
        case Word::Plain:
            group.chars = CharFormat{};
            group.font = RtfFontCodePages::kDefaultFont;
            group.hidden = false;
            break;
        case Word::Hidden: group.hidden = on; break;
        case Word::Red: color_ = (color_ & 0x00FFFF) | uint32_t(std::clamp(n, 0, 255)) << 16; colorSet_ = true; break;
        case Word::Green: color_ = (color_ & 0xFF00FF) | uint32_t(std::clamp(n, 0, 255)) << 8; colorSet_ = true; break;
        case Word::Blue: color_ = (color_ & 0xFFFF00) | uint32_t(std::clamp(n, 0, 255)); colorSet_ = true; break;
        case Word::Pard:
            group.para = ParaFormat{};
            group.tableLevel = 0;
            break;
        case Word::InTable: group.tableLevel = std::max<uint8_t>(group.tableLevel, 1); break;
        case Word::TableLevel: group.tableLevel = static_cast<uint8_t>(std::clamp<int32_t>(n, 0, kMaxTableDepth)); break;
        default:
            // Row definitions are kept per table level: a nested row's comes
            // in its own group before the row ends.
            return CharacterWord(known, word, colors_, group.chars) || ParagraphWord(known, word, group.para) ||
                   rowWords_.Apply(known, word, colors_, builder_.RowDefinition(DefinitionLevel(group)));
        }
        return true;
    }

    size_t DefinitionLevel(const GroupState& group) const
    {
        return group.destination == Destination::NestTableProperties ? std::max<size_t>(2, group.tableLevel) : 1;
    }

    // ---- paragraphs

    void EndParagraph(bool marked)
    {
        GroupState& group = groups_.Top();
        if (group.destination == Destination::Text && !group.objectBody)
            builder_.EndParagraph(group.para, group.tableLevel, marked);
    }

    // ---- font and colour tables

    void EndFontName()
    {
        if (definingFont_ && fontIndex_.size() < kMaxFonts) {
            size_t begin = fontName_.find_first_not_of(u' ');
            Font font{begin == std::u16string::npos ? u"" : fontName_.substr(begin), fontFamily_};
            fontIndex_[*definingFont_] = static_cast<uint32_t>(fontNames_.size());
            fontNames_.push_back(std::move(font));
        }
        definingFont_.reset();
        fontName_.clear();
        lastFont_ = RtfFontCodePages::kDefaultFont;
        lastFontIndex_ = kNone;
    }

    uint32_t FontIndex(int32_t font)
    {
        if (font == RtfFontCodePages::kDefaultFont)
            font = defaultFont_;
        if (font == lastFont_)
            return lastFontIndex_;
        uint32_t index = kNone;
        if (const auto found = fontIndex_.find(font); found != fontIndex_.end())
            index = builder_.FontIndex(fontNames_[found->second]);
        lastFont_ = font;
        lastFontIndex_ = index;
        return index;
    }

    void EndColor()
    {
        colors_.push_back(colorSet_ ? color_ : kAutoColor);
        color_ = 0;
        colorSet_ = false;
    }

    // ---- pictures

    void StartPicture(GroupState& group)
    {
        group.destination = Destination::Picture;
        group.pictureOwner = true;
        picture_ = PictureWords{};
        pictureData_.clear();
        nibble_ = -1;
        pictureTooLarge_ = false;
        pictureVisible_ = keepPictures_ && !group.objectBody && !group.hidden;
    }

    void PictureWord(Word known, const RtfControlWord& word)
    {
        const int32_t n = word.number;
        switch (known) {
        case Word::PngBlip: picture_.source = PictureSource::Png; break;
        case Word::JpegBlip: picture_.source = PictureSource::Jpeg; break;
        case Word::DibBitmap: picture_.source = PictureSource::DeviceIndependentBitmap; break;
        case Word::DeviceBitmap: picture_.source = PictureSource::DeviceBitmap; break;
        case Word::Metafile: picture_.source = PictureSource::WindowsMetafile; break;
        case Word::EmfBlip: picture_.source = PictureSource::Emf; break;
        case Word::OtherPicture: picture_.source = PictureSource::Other; break;
        case Word::PicWidth: picture_.width = n; break;
        case Word::PicHeight: picture_.height = n; break;
        case Word::PicGoalWidth: picture_.goalWidth = n; break;
        case Word::PicGoalHeight: picture_.goalHeight = n; break;
        case Word::PicScaleX: picture_.scaleX = n; break;
        case Word::PicScaleY: picture_.scaleY = n; break;
        case Word::BitsPerPixel: picture_.bitsPerPixel = n; break;
        case Word::Planes: picture_.planes = n; break;
        case Word::WidthBytes: picture_.widthBytes = n; break;
        case Word::Skipped: groups_.Top().destination = Destination::Skip; break;
        default: break;
        }
    }

    void Hex(char16_t c)
    {
        const int value = platform::HexDigitValue(c);
        if (value < 0 || !pictureVisible_)
            return;
        if (nibble_ < 0) {
            nibble_ = value;
            return;
        }
        if (pictureData_.size() < kMaxPictureBytes)
            pictureData_ += static_cast<char>(nibble_ * 16 + value);
        else
            pictureTooLarge_ = true;
        nibble_ = -1;
    }

    void FinishPicture()
    {
        const bool shown = std::exchange(pictureVisible_, false) && !pictureTooLarge_;
        std::optional<Picture> picture = shown ? MakePicture(picture_, std::move(pictureData_)) : std::nullopt;
        pictureData_.clear();
        pictureData_.shrink_to_fit();
        if (picture)
            builder_.AddPicture(std::move(*picture), groups_.Top().chars);
    }

    std::u16string_view rtf_;
    size_t i_ = 0;
    RtfFontCodePages codePages_;
    text::WidenedBytes widened_;
    bool keepPictures_;
    text::RtfGroupStack<GroupState> groups_{GroupState{}};
    DocumentBuilder builder_;
    bool groupStart_ = false;
    bool ignorable_ = false;  // "\*" just started the group
    int pendingFallback_ = 0;
    std::string bytes_;
    unsigned bytesCodePage_ = 0;
    bool trailDue_ = false;

    std::vector<Field> fields_;
    std::optional<int32_t> definingFont_;
    std::u16string fontName_;
    std::unordered_map<int32_t, uint32_t> fontIndex_;  // font number to name
    std::vector<Font> fontNames_;
    FontFamily fontFamily_ = FontFamily::Unknown;
    int32_t defaultFont_ = 0;
    int32_t lastFont_ = RtfFontCodePages::kDefaultFont;
    uint32_t lastFontIndex_ = kNone;
    std::vector<uint32_t> colors_;
    uint32_t color_ = 0;
    bool colorSet_ = false;

    ParaFormat lastPara_;
    size_t lastLevel_ = 0;
    RowDefinitionWords rowWords_;

    PictureWords picture_;
    std::string pictureData_;
    int nibble_ = -1;
    bool pictureVisible_ = false;
    bool pictureTooLarge_ = false;
};

}  // namespace

Document ReadRtf(std::u16string_view rtf, unsigned narrowCodePage, Pictures pictures)
{
    return Reader(rtf, narrowCodePage, pictures).Read();
}

Document ReadRtf(std::u16string_view rtf, Pictures pictures) { return ReadRtf(rtf, platform::AnsiCodePage(), pictures); }

Document DocumentOfPlainText(std::u16string_view text)
{
    DocumentBuilder builder;
    const ParaFormat format;
    const CharFormat chars;
    size_t start = 0;
    for (size_t at = 0; at <= text.size(); ++at) {
        const bool end = at == text.size();
        if (!end && text[at] != u'\r' && text[at] != u'\n')
            continue;
        builder.AddText(text.substr(start, at - start), chars, kNone);
        if (end)
            break;
        if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
            ++at;
        builder.EndParagraph(format, 0, true);
        start = at + 1;
    }
    return builder.Finish(format, 0);
}

}  // namespace richtext
