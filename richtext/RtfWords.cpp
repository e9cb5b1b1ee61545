#include "richtext/RtfWords.h"

#include <unordered_map>

namespace richtext {
namespace {

using Map = std::unordered_map<std::u16string_view, Word>;

Map MakeMap()
{
    Map map = {
        {u"fonttbl", Word::FontTable}, {u"colortbl", Word::ColorTable}, {u"pict", Word::Picture},
        {u"object", Word::Object}, {u"result", Word::Result}, {u"field", Word::Field},
        {u"fldinst", Word::FieldInstruction}, {u"fldrslt", Word::FieldResult}, {u"shppict", Word::ShapePicture},
        {u"nesttableprops", Word::NestTableProperties},
        {u"par", Word::Par}, {u"line", Word::Line}, {u"sect", Word::Section}, {u"page", Word::Page},
        {u"tab", Word::Tab}, {u"cell", Word::Cell}, {u"nestcell", Word::NestCell}, {u"row", Word::Row},
        {u"nestrow", Word::NestRow}, {u"u", Word::Unicode}, {u"uc", Word::UnicodeSkip}, {u"bin", Word::Binary},
        {u"f", Word::Font}, {u"fcharset", Word::FontCharset}, {u"cpg", Word::FontCodePage},
        {u"froman", Word::FamilyRoman}, {u"fswiss", Word::FamilySwiss}, {u"fmodern", Word::FamilyModern},
        {u"fscript", Word::FamilyScript}, {u"fdecor", Word::FamilyDecorative},
        {u"deff", Word::DefaultFont}, {u"ansicpg", Word::AnsiCodePage}, {u"mac", Word::Mac}, {u"pc", Word::Pc},
        {u"pca", Word::Pca},
        {u"plain", Word::Plain}, {u"b", Word::Bold}, {u"i", Word::Italic}, {u"ulnone", Word::UnderlineNone},
        {u"strike", Word::Strike}, {u"striked", Word::Strike}, {u"super", Word::Super}, {u"sub", Word::Sub},
        {u"nosupersub", Word::NoSuperSub}, {u"up", Word::Up}, {u"dn", Word::Down}, {u"fs", Word::FontSize},
        {u"cf", Word::Color}, {u"highlight", Word::Highlight}, {u"cb", Word::Background},
        {u"chcbpat", Word::Background}, {u"v", Word::Hidden},
        {u"red", Word::Red}, {u"green", Word::Green}, {u"blue", Word::Blue},
        {u"pard", Word::Pard}, {u"ql", Word::AlignLeft}, {u"qc", Word::AlignCenter}, {u"qr", Word::AlignRight},
        {u"qj", Word::AlignJustify}, {u"qd", Word::AlignJustify}, {u"li", Word::LeftIndent},
        {u"lin", Word::LeftIndent}, {u"ri", Word::RightIndent}, {u"rin", Word::RightIndent},
        {u"fi", Word::FirstIndent}, {u"sb", Word::SpaceBefore}, {u"sa", Word::SpaceAfter},
        {u"sl", Word::LineSpacing}, {u"slmult", Word::LineMultiple}, {u"tx", Word::TabStop},
        {u"tb", Word::TabStop}, {u"intbl", Word::InTable}, {u"itap", Word::TableLevel},
        {u"trowd", Word::RowDefault}, {u"trleft", Word::RowLeft}, {u"trgaph", Word::RowGap},
        {u"trqc", Word::RowCenter}, {u"trqr", Word::RowRight}, {u"cellx", Word::CellRight},
        {u"clmgf", Word::CellMergeFirst}, {u"clmrg", Word::CellMerge}, {u"clvmgf", Word::CellVMergeFirst},
        {u"clvmrg", Word::CellVMerge}, {u"clcbpat", Word::CellShading}, {u"clvertalt", Word::CellAlignTop},
        {u"clvertalc", Word::CellAlignCenter}, {u"clvertalb", Word::CellAlignBottom},
        {u"clbrdrt", Word::CellBorderTop}, {u"clbrdrl", Word::CellBorderLeft},
        {u"clbrdrb", Word::CellBorderBottom}, {u"clbrdrr", Word::CellBorderRight}, {u"trbrdrt", Word::RowBorder},
        {u"trbrdrl", Word::RowBorder}, {u"trbrdrb", Word::RowBorder}, {u"trbrdrr", Word::RowBorder},
        {u"trbrdrh", Word::RowBorder}, {u"trbrdrv", Word::RowBorder}, {u"brdrnone", Word::BorderNone},
        {u"brdrw", Word::BorderWidth}, {u"brdrcf", Word::BorderColor},
        {u"pngblip", Word::PngBlip}, {u"jpegblip", Word::JpegBlip}, {u"dibitmap", Word::DibBitmap},
        {u"wbitmap", Word::DeviceBitmap}, {u"wmetafile", Word::Metafile}, {u"emfblip", Word::EmfBlip},
        {u"macpict", Word::OtherPicture}, {u"pmmetafile", Word::OtherPicture}, {u"picw", Word::PicWidth},
        {u"pich", Word::PicHeight}, {u"picwgoal", Word::PicGoalWidth}, {u"pichgoal", Word::PicGoalHeight},
        {u"picscalex", Word::PicScaleX}, {u"picscaley", Word::PicScaleY}, {u"wbmbitspixel", Word::BitsPerPixel},
        {u"wbmplanes", Word::Planes}, {u"wbmwidthbytes", Word::WidthBytes},
    };
    // Groups that hold nothing a reader sees.
    for (std::u16string_view name :
         {u"info", u"stylesheet", u"header", u"footer", u"headerl", u"headerr", u"headerf", u"footerl", u"footerr",
          u"footerf", u"footnote", u"annotation", u"listtable", u"listoverridetable", u"rsidtbl", u"generator",
          u"xmlnstbl", u"themedata", u"colorschememapping", u"datastore", u"latentstyles", u"nonshppict",
          u"objdata", u"revtbl", u"filetbl", u"pgdsctbl", u"template", u"xe", u"tc", u"txe", u"docvar",
          u"userprops", u"mmathPr", u"pnseclvl", u"pn", u"bkmkstart", u"bkmkend", u"atnid", u"atnauthor",
          u"atrfstart", u"atrfend", u"pgptbl", u"protusertbl", u"listpicture", u"wgrffmtfilter", u"defchp",
          u"defpap", u"fchars", u"lchars", u"shpinst", u"blipuid", u"panose", u"falt", u"objclass", u"objname",
          u"ftnsep", u"ftnsepc", u"ftncn", u"aftnsep", u"aftnsepc", u"aftncn", u"private", u"operator",
          u"author", u"title", u"subject", u"keywords", u"comment", u"doccomm"})
        map.emplace(name, Word::Skipped);
    for (std::u16string_view name : {u"brdrs", u"brdrth", u"brdrsh", u"brdrdb", u"brdrdot", u"brdrdash",
                                     u"brdrhair", u"brdrinset", u"brdroutset", u"brdrtriple", u"brdrdashsm",
                                     u"brdrdashd", u"brdrdashdd", u"brdrwavy", u"brdremboss", u"brdrengrave"})
        map.emplace(name, Word::BorderStyle);
    // Every kind of underline counts as underline.
    for (std::u16string_view name : {u"ul", u"uld", u"uldash", u"uldashd", u"uldashdd", u"uldb", u"ulhwave",
                                     u"ulldash", u"ulth", u"ulthd", u"ulthdash", u"ulthdashd", u"ulthdashdd",
                                     u"ulthldash", u"ululdbwave", u"ulw", u"ulwave"})
        map.emplace(name, Word::Underline);
    return map;
}

}  // namespace

Word LookUpWord(std::u16string_view name)
{
    static const Map kMap = MakeMap();
    const auto found = kMap.find(name);
    return found == kMap.end() ? Word::Unknown : found->second;
}

}  // namespace richtext
