// The rich text engine: what the reader makes of RTF (formats, tables,
// pictures, fields, skipped destinations), that malformed or hostile input
// ends in a bounded document, and the HTML writer.
#include "platform/CodePage.h"
#include "richtext/HtmlWriter.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "tests/unit/CountingAllocator.h"

#include <gtest/gtest.h>

using namespace richtext;

namespace {

std::string U8(std::u16string_view text) { return platform::WideToUtf8(text); }

std::string Hex(uint32_t rgb)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06x", rgb);
    return text;
}

// A run as "[tags]text", tags only where the format is not the default.
std::string Describe(const Document& doc, const Run& run)
{
    const CharFormat& f = doc.formats[run.format];
    std::string tags;
    const auto tag = [&](bool on, const std::string& name) {
        if (on)
            tags += (tags.empty() ? "" : " ") + name;
    };
    tag(f.font != kNone, "f=" + (f.font != kNone ? U8(doc.fonts[f.font].name) : ""));
    tag(f.halfPoints != 24, "fs" + std::to_string(f.halfPoints));
    tag(f.bold, "b");
    tag(f.italic, "i");
    tag(f.underline, "u");
    tag(f.strike, "s");
    tag(f.baseline == Baseline::Super, "sup");
    tag(f.baseline == Baseline::Sub, "sub");
    tag(f.color != kAutoColor, "c=" + Hex(f.color));
    tag(f.background != kAutoColor, "bg=" + Hex(f.background));
    tag(run.link != kNone, "link=" + (run.link != kNone ? U8(doc.links[run.link]) : ""));
    if (run.picture != kNone) {
        const Picture& p = doc.pictures[run.picture];
        static const char* const kKinds[] = {"png", "jpeg", "bmp", "wmf", "emf", "other"};
        return "[pic " + std::string(kKinds[int(p.kind)]) + " " + std::to_string(p.width) + "x" +
               std::to_string(p.height) + " " + std::to_string(p.bytes.size()) + "B]";
    }
    const std::string text = U8(std::u16string_view(doc.text).substr(run.start, run.end - run.start));
    return tags.empty() ? text : "[" + tags + "]" + text;
}

std::string Describe(const Document& doc, const std::vector<Block>& blocks)
{
    std::string out;
    for (const Block& block : blocks) {
        if (!out.empty())
            out += "|";
        if (block.kind == Block::Kind::Table) {
            out += "{";
            for (const Row& row : doc.tables[block.index].rows) {
                out += "(";
                for (const Cell& cell : row.cells) {
                    const CellFormat& f = cell.format;
                    out += "@" + std::to_string(f.right) + (f.mergeFirst ? "mf" : "") + (f.mergeNext ? "m" : "") +
                           (f.vMergeFirst ? "vf" : "") + (f.vMergeNext ? "v" : "") +
                           (f.shading != kAutoColor ? "#" + Hex(f.shading) : "") + (f.top.width ? "T" : "") + ":" +
                           Describe(doc, cell.blocks) + ";";
                }
                out += ")";
            }
            out += "}";
            continue;
        }
        const Paragraph& p = doc.paragraphs[block.index];
        const ParaFormat& f = doc.paraFormats[p.format];
        std::string format;
        const auto add = [&](bool on, const std::string& text) {
            if (on)
                format += (format.empty() ? "" : " ") + text;
        };
        static const char* const kAlign[] = {"ql", "qc", "qr", "qj"};
        add(f.align != Align::Left, kAlign[int(f.align)]);
        add(f.leftIndent, "li" + std::to_string(f.leftIndent));
        add(f.rightIndent, "ri" + std::to_string(f.rightIndent));
        add(f.firstIndent, "fi" + std::to_string(f.firstIndent));
        add(f.spaceBefore, "sb" + std::to_string(f.spaceBefore));
        add(f.spaceAfter, "sa" + std::to_string(f.spaceAfter));
        add(f.lineSpacing, "sl" + std::to_string(f.lineSpacing) + (f.lineMultiple ? "m" : ""));
        add(f.tabCount, "tabs" + std::to_string(f.tabCount));
        if (!format.empty())
            out += "<" + format + ">";
        for (uint32_t r = p.firstRun; r < p.endRun; ++r)
            out += Describe(doc, doc.runs[r]);
        if (p.marked)
            out += "\xC2\xB6";  // ¶
    }
    return out;
}

std::string Read(std::u16string_view rtf) { const Document doc = ReadRtf(rtf, 1252); return Describe(doc, doc.body); }

constexpr char16_t kHead[] =
    u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern Courier New;}}"
    u"{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

TEST(RichText, CharacterAndParagraphFormats)
{
    const std::pair<std::u16string_view, const char*> cases[] = {
        {u"\\f1\\fs20 a\\b b\\b0\\i c\\i0\\ul d\\ulnone\\uldb e\\ul0\\strike f}", "[f=Courier New fs20]a[f=Courier New fs20 b]b[f=Courier New fs20 i]c[f=Courier New fs20 u]de[f=Courier New fs20 s]f"},
        {u"x{\\super 2}{\\sub i}\\up6 u\\up0 n}", "[f=Arial]x[f=Arial sup]2[f=Arial sub]i[f=Arial sup]u[f=Arial]n"},
        {u"\\cf1 red\\highlight2 blue\\cf9 auto\\plain\\cf0 plain}", "[f=Arial c=ff0000]red[f=Arial c=ff0000 bg=0000ff]blue[f=Arial bg=0000ff]auto[f=Arial]plain"},
        {u"{\\b bold}after\\par}", "[f=Arial b]bold[f=Arial]after\xC2\xB6"},
        {u"\\pard\\qc\\li720\\ri360\\fi-360\\sb120\\sa240\\sl-300\\tx1440\\tx2880 a\\par\\pard\\qj\\sl360\\slmult1 b}",
         "<qc li720 ri360 fi-360 sb120 sa240 sl-300 tabs2>[f=Arial]a\xC2\xB6|<qj sl360m>[f=Arial]b"},
        // Paragraph formats belong to their group like character formats.
        {u"{\\qr a\\par}b\\par}", "<qr>[f=Arial]a\xC2\xB6|[f=Arial]b\xC2\xB6"},
        // List numbers as the writer put them in text.
        {u"{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec}\\fi-360\\li360 one\\par}", "<li360 fi-360>[f=Arial]1.\tone\xC2\xB6"},
        {u"a\\line b\\tab c\\~d\\emdash\\'e9\\u1046?\\u-10179?\\u-8704?}", "[f=Arial]a\xE2\x80\xA8" "b\tc\xC2\xA0" "d\xE2\x80\x94\xC3\xA9\xD0\x96\xF0\x9F\x98\x80"},
    };
    for (const auto& [body, expected] : cases)
        EXPECT_EQ(Read(kHead + std::u16string(body)), expected) << U8(body);
}

TEST(RichText, DestinationsFieldsAndObjects)
{
    const std::pair<std::u16string_view, const char*> cases[] = {
        {u"{\\info{\\title T}{\\author A}}{\\header H}{\\footer F}{\\stylesheet{\\s1 Heading;}}a\\chftn{\\footnote note}b}", "a" "b"},
        {u"{\\*\\unknown x{y}}{\\*\\bkmkstart m}a{\\v hidden}b\\v c\\v0 d}", "ab" "d"},
        {u"{\\field{\\*\\fldinst HYPERLINK \"http://a.b/c\"}{\\fldrslt{\\ul link}}} x}", "[u link=http://a.b/c]link x"},
        {u"{\\field{\\*\\fldinst{ HYPERLINK \\\\l \"mark\" }}{\\fldrslt here}}}", "[link=#mark]here"},
        {u"{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}}", "7"},
        {u"{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}text{\\result shown}}}", "shown"},
        {u"{\\upr{\\*\\ud x}y}z}", "yz"},
        {u"{\\*\\shppict{\\pict\\pngblip 89504e47}}{\\nonshppict{\\pict\\wmetafile8 0100}}}", "[pic png 0x0 4B]"},
    };
    for (const auto& [body, expected] : cases)
        EXPECT_EQ(Read(u"{\\rtf1\\ansi " + std::u16string(body)), expected) << U8(body);
}

TEST(RichText, TablesRowsCellsMergesAndNesting)
{
    const std::pair<std::u16string_view, const char*> cases[] = {
        // As the rich text control writes a table.
        {u"\\trowd\\trgaph108\\trleft-108\\cellx1000\\clcbpat1\\clbrdrt\\brdrs\\brdrw10\\cellx2000\\pard\\intbl a\\cell b\\par c\\cell\\row"
         u"\\trowd\\cellx1000\\cellx2000\\intbl d\\cell e\\cell\\row\\pard after\\par}",
         "{(@1108:a;@2108#ff0000T:b\xC2\xB6|c;)(@1000:d;@2000:e;)}|after\xC2\xB6"},
        // Merged cells keep their flags; the writer spans them.
        {u"\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\clvmgf\\cellx3000\\intbl a\\cell\\cell b\\cell\\row"
         u"\\trowd\\cellx1000\\cellx2000\\clvmrg\\cellx3000\\intbl c\\cell d\\cell\\cell\\row}",
         "{(@1000mf:a;@2000m:;@3000vf:b;)(@1000:c;@2000:d;@3000v:;)}"},
        // Nested as word processors write it: the inner row's definition comes before its end.
        {u"\\trowd\\cellx4000\\cellx8000\\pard\\intbl\\itap2 x\\nestcell y\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000"
         u"\\cellx2000\\nestrow}\\pard\\intbl z\\cell w\\cell\\row}",
         "{(@4000:{(@1000:x;@2000:y;)}|z;@8000:w;)}"},
        // Cells without \\intbl, a row without its end, more cells than a definition names.
        {u"a\\cell b\\cell\\row}", "{(@1440:a;@2880:b;)}"},
        {u"\\trowd\\cellx500\\intbl a\\cell b\\cell c}", "{(@500:a;@1940:b;@3380:c;)}"},
    };
    for (const auto& [body, expected] : cases)
        EXPECT_EQ(Read(u"{\\rtf1\\ansi{\\colortbl ;\\red255\\green0\\blue0;}" + std::u16string(body)), expected) << U8(body);

    // A row never holds more than 64 cells: the rest join the last one.
    std::u16string wide = u"{\\rtf1 \\trowd";
    for (int i = 1; i <= 100; ++i)
        wide += u"\\cellx" + platform::Utf8ToWide(std::to_string(i * 10));
    for (int i = 0; i < 100; ++i)
        wide += u"\\intbl x\\cell ";
    const Document doc = ReadRtf(wide + u"\\row}", 1252);
    ASSERT_EQ(doc.tables.size(), 1u);
    EXPECT_EQ(doc.tables[0].rows[0].cells.size(), 64u);
    EXPECT_EQ(doc.tables[0].rows[0].cells.back().blocks.size(), 37u);
}

TEST(RichText, PicturesKeptMadeBmpOrSized)
{
    // A 1x1 24-bit device-independent bitmap: its 40-byte header and one padded row.
    const std::u16string dib = u"28000000010000000100000001001800000000000400000000000000000000000000000000000000" u"0000ff00";
    const std::pair<std::u16string, const char*> cases[] = {
        {u"{\\pict\\pngblip\\picw10\\pich20\\picwgoal300\\pichgoal600 89504E47 0d0a}", "[pic png 300x600 6B]"},
        {u"{\\pict\\jpegblip\\picw10\\pich20\\picscalex50\\picscaley200 ffd8}", "[pic jpeg 75x600 2B]"},
        {u"{\\pict\\dibitmap0\\picw1\\pich1 " + dib + u"}", "[pic bmp 15x15 58B]"},
        // Device bitmap rows are 2 bytes here, 4 in the file; only rows the data holds count.
        {u"{\\pict\\wbitmap0\\picw16\\pich9\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2 ffff0000}", "[pic bmp 240x135 70B]"},
        {u"{\\pict\\wmetafile8\\picw2540\\pich1270 0100}", "[pic wmf 1440x720 2B]"},
        {u"{\\pict\\emfblip\\picw0\\pich0\\bin3 abc}", "[pic emf 0x0 3B]"},
        {u"{\\pict\\pngblip}{\\pict\\dibitmap0 0102}", ""},
        // A group inside the picture ends before it.
        {u"{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn a}{\\sv b}}}\\pngblip 89504e47}}", "[pic png 0x0 4B]"},  // no data, a header that is too short
    };
    for (const auto& [body, expected] : cases)
        EXPECT_EQ(Read(u"{\\rtf1 " + body + u"}"), expected) << U8(body);
    const Document doc = ReadRtf(u"{\\rtf1{\\pict\\dibitmap0 " + dib + u"}}", 1252);
    EXPECT_EQ(doc.pictures[0].bytes.substr(0, 2), "BM");
    EXPECT_EQ(uint8_t(doc.pictures[0].bytes[10]), 54u) << "bits follow the two headers";
}

// Hostile input ends, keeps memory a small multiple of its size, and reads
// what it can.
TEST(RichText, MalformedInputEndsInABoundedDocument)
{
    const auto repeat = [](std::u16string_view piece, size_t n) {
        std::u16string text;
        for (size_t i = 0; i < n; ++i)
            text += piece;
        return text;
    };
    const std::pair<std::u16string, std::string> cases[] = {
        {repeat(u"{", 200000) + u"deep" + repeat(u"}", 200000), "deep"},
        {u"{\\rtf1 " + repeat(u"\\trowd\\cellx100", 50000) + u"x}", "x"},
        {u"{\\rtf1 " + repeat(u"\\row ", 100000) + u"y}", "y"},
        {u"{\\rtf1 " + repeat(u"\\itap9999\\intbl\\cell", 20000) + u"}", ""},
        {u"{\\rtf1 \\bin2000000000 x}", ""},
        {u"{\\rtf1 {\\pict\\wbitmap0\\picw2000000000\\pich2000000000\\wbmbitspixel32\\wbmwidthbytes2000000000 00}z", "z"},
        {u"}}}{\\'\\u\\uc99\\b-\\fs-5 a\\'4}", "a4"},
        {u"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK " + repeat(u"x", 100000) + u"}{\\fldrslt l}}}", "l"},
    };
    for (const auto& [rtf, words] : cases) {
        counting_allocator::ResetPeak();
        const Document doc = ReadRtf(rtf, 1252);
        const std::string html = WriteHtml(doc, {});
        EXPECT_LE(counting_allocator::PeakBytesSinceReset(), rtf.size() * 2 * 16 + 65536) << U8(rtf.substr(0, 40));
        std::string text = U8(PlainText(doc));
        std::erase_if(text, [](char c) { return c == '\t' || c == '\n'; });
        EXPECT_EQ(text, words) << U8(rtf.substr(0, 40));
    }
}

TEST(RichText, HtmlShowsFormatsTablesPicturesAndLinks)
{
    const Document doc = ReadRtf(
        std::u16string(kHead) +
            u"\\pard\\qc{\\b\\cf1 <Bold> & red}\\par"
            u"{\\field{\\*\\fldinst HYPERLINK \"javascript:alert(1)\"}{\\fldrslt unsafe}} "
            u"{\\field{\\*\\fldinst HYPERLINK \"www.example.com\"}{\\fldrslt safe}}\\par"
            u" page12<Caption> tail{\\pict\\pngblip\\picwgoal20\\pichgoal40 89504e47}{\\pict\\wmetafile8 01}\\par"
            u"\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000\\intbl a\\cell\\cell c\\cell\\row}",
        1252);
    HtmlPage page;
    page.title = u"T<itle>";
    page.indexHref = "../index.html";
    // "page12<" and ">" hidden, the caption a link, as the page's markup asks.
    const auto at = static_cast<uint32_t>(doc.text.find(u"page12<"));
    page.hidden = {{at, at + 7}, {at + 14, at + 15}};
    page.links = {{{at + 7, at + 14}, "Other%20page.html"}};
    page.pictureFiles = {"", "Page.picture2.wmf"};
    const std::string html = WriteHtml(doc, page);
    const char* const expected[] = {
        "<title>T&lt;itle&gt;</title>",
        "<nav><a href=\"../index.html\">Index</a></nav>",
        ".c0{font-family:'Arial',sans-serif;font-size:12pt;font-weight:bold;color:#ff0000;}",
        ".p0{text-align:center;}",
        "<p class=\"p0\"><span class=\"c0\">&lt;Bold&gt; &amp; red</span></p>",
        "<span class=\"c1\">unsafe</span>",  // no link for a script
        "<a href=\"http://www.example.com\"><span class=\"c1\">safe</span></a>",
        "<a href=\"Other%20page.html\"><span class=\"c1\">Caption</span></a><span class=\"c1\"> tail</span>",
        "<img alt=\"\" style=\"width:1pt;height:2pt;\" src=\"data:image/png;base64,iVBORw==\">",
        "<a class=\"picture\" style=\"width:72pt;height:72pt;\" href=\"Page.picture2.wmf\">wmf picture</a>",
        "<td colspan=\"2\"><p class=\"p0\"><span class=\"c1\">a</span></p>\n</td><td><p",
    };
    for (const char* piece : expected)
        EXPECT_NE(html.find(piece), std::string::npos) << piece << "\n" << html;
    EXPECT_EQ(html.find("page12"), std::string::npos);
}

}  // namespace
