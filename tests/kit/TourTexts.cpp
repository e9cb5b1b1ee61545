#include "tests/kit/TourTexts.h"

#include <string_view>

namespace kit::tour {
namespace {

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

// Text to RTF: specials escaped, non-ASCII as \uN? (N signed 16-bit),
// line breaks as paragraph marks.
std::u16string Esc(std::u16string_view text) {
    std::u16string out;
    for (char16_t unit : text) {
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += u'\\';
            out += unit;
        } else if (unit == u'\n') {
            out += u"\\par\n";
        } else if (unit < 0x80) {
            out += unit;
        } else {
            out += Ascii("\\u" + std::to_string(static_cast<int16_t>(unit)) + "?");
        }
    }
    return out;
}

constexpr std::u16string_view kRtfHead =
    u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
    u"{\\fonttbl{\\f0\\fswiss\\fcharset0 Segoe UI;}{\\f1\\froman\\fcharset0 Georgia;}"
    u"{\\f2\\fmodern\\fcharset0 Consolas;}{\\f3\\fnil\\fcharset134 SimSun;}{\\f4\\fnil\\fcharset128 MS Gothic;}}\r\n"
    u"{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green102\\blue170;\\red0\\green128\\blue0;"
    u"\\red128\\green128\\blue128;}\r\n"
    u"\\viewkind4\\uc1\\pard\\sa120\\f0\\fs20 ";

std::u16string Rtf(std::u16string_view body) { return std::u16string(kRtfHead) + std::u16string(body) + u"\\par\r\n}\r\n"; }

// One table row; cells are already RTF. Each cell is `width` twips wide.
std::u16string Row(std::initializer_list<std::u16string> cells, int width, bool header = false) {
    std::u16string row = u"\\trowd\\trgaph108\\trleft0";
    int edge = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        edge += width;
        row += u"\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
        if (header) row += u"\\clcbpat4";
        row += Ascii("\\cellx" + std::to_string(edge));
    }
    row += u"\r\n\\pard\\intbl ";
    for (const auto& cell : cells) row += (header ? u"\\b " + cell + u"\\b0" : cell) + u"\\cell ";
    return row + u"\\row\r\n";
}

}  // namespace

std::u16string WelcomeRtf() {
    std::u16string body;
    body += u"{\\f1\\fs36\\cf2 " + Esc(u"Welcome to the notebook tour") + u"}\\par\r\n";
    body += Esc(u"This notebook shows what a Vornbook document can hold. Every page on the left is a "
                u"different kind: ");
    body += u"{\\b plain text}, {\\b rich text}, {\\b HTML} " + Esc(u"and a ") + u"{\\b web archive}" + Esc(u".\n");
    body += u"{\\i " + Esc(u"Start here:") + u"} page2<Read me first>" + Esc(u", then visit ") +
            u"page20<Garden plan>" + Esc(u" or the ") + u"page3<Languages>" + Esc(u" folder.\n");
    body += Esc(u"Labels colour the tree: ") + u"{\\cf1\\b Important}, {\\cf3 Done}, {\\b Idea}" +
            Esc(u" and a blue one for personal pages.\n");
    body += Esc(u"Written in Zürich, Kraków and Thessaloníki — with a little 日本語 too.");
    return Rtf(body);
}

std::u16string ReadMeText() {
    return u"Read me first\r\n"
           u"=============\r\n"
           u"\r\n"
           u"The tree on the left is the notebook. Folders come first, then pages; each folder "
           u"can sort its children its own way:\r\n"
           u"  * Languages is sorted by title, descending.\r\n"
           u"  * Projects is sorted by weight, heaviest first.\r\n"
           u"\r\n"
           u"Some pages carry attached files: their count appears after the title.\r\n"
           u"Links to other pages look like this one: page7<Links and addresses>.\r\n"
           u"Questions? Write to tour@example.org or visit https://example.org/vornbook \r\n";
}

std::u16string FrenchText() {
    return u"Crème brûlée pour quatre personnes\r\n"
           u"\r\n"
           u"Ingrédients : 50 cl de crème entière, 5 jaunes d’œufs, 100 g de sucre, une gousse de vanille.\r\n"
           u"\r\n"
           u"1. Préchauffer le four à 100 °C.\r\n"
           u"2. Fendre la gousse, faire infuser la vanille dans la crème chaude.\r\n"
           u"3. Fouetter les jaunes avec le sucre, verser la crème, mélanger sans mousser.\r\n"
           u"4. Cuire 1 h 15 au bain-marie ; laisser refroidir au réfrigérateur.\r\n"
           u"5. Saupoudrer de cassonade et caraméliser au chalumeau.\r\n"
           u"\r\n"
           u"Déjà testée à Noël — très appréciée. Voir aussi page12<les notes grecques>.\r\n";
}

std::u16string RussianText() {
    return u"Заметки о путешествии\r\n"
           u"\r\n"
           u"День первый. Поезд из Москвы в Санкт-Петербург, «Сапсан», четыре часа.\r\n"
           u"Эрмитаж: залы импрессионистов, третий этаж. Вечером — прогулка по Невскому проспекту.\r\n"
           u"\r\n"
           u"День второй. Петергоф, фонтаны, Финский залив. Погода: ясно, +18 °C.\r\n"
           u"\r\n"
           u"Контакт гида: guide.spb@example.net\r\n";
}

std::u16string GreekText() {
    return u"Σημειώσεις από τη Θεσσαλονίκη\r\n"
           u"\r\n"
           u"Ο Λευκός Πύργος, η Ροτόντα και η Άνω Πόλη σε μία μέρα.\r\n"
           u"Φαγητό: μπουγάτσα το πρωί, ψάρι στο λιμάνι το βράδυ.\r\n"
           u"\r\n"
           u"«Ἐν ἀρχῇ ἦν ὁ λόγος» — πολυτονικό κείμενο για δοκιμή.\r\n"
           u"Αλφάβητο: ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ αβγδεζηθικλμνξοπρστυφχψω\r\n";
}

std::u16string CjkRtf() {
    std::u16string body;
    body += u"{\\f4\\fs28\\b " + Esc(u"日本語のメモ") + u"}\\par\r\n";
    body += u"{\\f4 " + Esc(u"東京から京都まで新幹線で約二時間十五分。桜の季節は混雑します。\n") + u"}";
    body += u"{\\f3\\fs28\\b " + Esc(u"中文笔记") + u"}\\par\r\n";
    body += u"{\\f3 " + Esc(u"学而时习之，不亦说乎？有朋自远方来，不亦乐乎？\n") + u"}";
    body += Row({u"{\\f4 " + Esc(u"言語") + u"}", Esc(u"Language"), u"{\\f4 " + Esc(u"例") + u"}"}, 2600, true);
    body += Row({u"{\\f4 " + Esc(u"日本語") + u"}", Esc(u"Japanese"), u"{\\f4 " + Esc(u"ありがとう") + u"}"}, 2600);
    body += Row({u"{\\f3 " + Esc(u"中文") + u"}", Esc(u"Chinese"), u"{\\f3 " + Esc(u"谢谢") + u"}"}, 2600);
    body += Row({u"{\\f3 " + Esc(u"한국어") + u"}", Esc(u"Korean"), u"{\\f3 " + Esc(u"감사합니다") + u"}"}, 2600);
    body += u"\\pard\\sa120 " + Esc(u"Back to page1<the welcome page>.");
    return Rtf(body);
}

std::u16string GardenRtf() {
    std::u16string body;
    body += u"{\\f1\\fs32\\cf3 " + Esc(u"Garden plan 2027") + u"}\\par\r\n";
    body += Esc(u"Four beds, rotated yearly. ") + u"{\\b " + Esc(u"Bold") + u"} " + Esc(u"marks what is sown "
            u"indoors first; ") + u"{\\i " + Esc(u"italic") + u"} " + Esc(u"marks perennials.\n");
    body += Row({Esc(u"Bed"), Esc(u"Spring"), Esc(u"Summer"), Esc(u"Autumn")}, 2000, true);
    body += Row({Esc(u"North"), u"{\\b " + Esc(u"Peas") + u"}", Esc(u"Beans"), Esc(u"Garlic")}, 2000);
    body += Row({Esc(u"South"), u"{\\b " + Esc(u"Tomatoes") + u"}", Esc(u"Courgettes"), Esc(u"Leeks")}, 2000);
    body += Row({Esc(u"East"), Esc(u"Radishes"), Esc(u"Lettuce"), Esc(u"Spinach")}, 2000);
    body += Row({Esc(u"West"), u"{\\i " + Esc(u"Rhubarb") + u"}", u"{\\i " + Esc(u"Strawberries") + u"}",
                 u"{\\i " + Esc(u"Asparagus") + u"}"}, 2000);
    body += u"\\pard\\sa120 " + Esc(u"Seed catalogue: www.example.com/seeds ; questions to ") +
            u"{\\cf2 " + Esc(u"garden.club@example.org") + u"}" + Esc(u" .\n");
    body += Esc(u"The budget is on page22<Budget 2027>. Attached: the seed list and a sketch of the plot.");
    return Rtf(body);
}

std::u16string ReadingListText() {
    return u"Reading list\r\n"
           u"\r\n"
           u"- \"The Name of the Rose\" (Umberto Eco), review: https://example.org/books/rose \r\n"
           u"- \"Мастер и Маргарита\" (Михаил Булгаков)\r\n"
           u"- \"Ο Καπετάν Μιχάλης\" (Νίκος Καζαντζάκης)\r\n"
           u"- \"吾輩は猫である\" (夏目漱石)\r\n"
           u"\r\n"
           u"Library catalogue: www.example.com/library \r\n"
           u"Old archive: ftp://ftp.example.net/pub/lists/ \r\n"
           u"Book club: bookclub@example.com, organiser: m.rossi@example.it.\r\n";
}

std::u16string BudgetRtf() {
    std::u16string body;
    body += u"{\\f1\\fs32 " + Esc(u"Budget 2027") + u"}\\par\r\n";
    body += Row({Esc(u"Item"), Esc(u"Quantity"), Esc(u"Price (€)")}, 2600, true);
    body += Row({Esc(u"Seeds"), Esc(u"24 packets"), Esc(u"62,40")}, 2600);
    body += Row({Esc(u"Compost"), Esc(u"6 bags"), Esc(u"47,70")}, 2600);
    body += Row({Esc(u"Tools"), Esc(u"spade, rake"), Esc(u"89,00")}, 2600);
    body += Row({u"{\\b " + Esc(u"Total") + u"}", u"", u"{\\b\\cf1 " + Esc(u"199,10") + u"}"}, 2600);
    body += u"\\pard\\sa120 " + Esc(u"Prices include VAT. See the page20<Garden plan> for what goes where.");
    return Rtf(body);
}

std::u16string OldNotesText() {
    return u"Notes from 2019\r\n"
           u"\r\n"
           u"Moved the allotment to the south gate. Keep the key in the blue box.\r\n";
}

std::u16string WebClippingMht() {
    return u"From: <Saved by Vornbook>\r\n"
           u"Subject: Alpine huts\r\n"
           u"Date: Sat, 21 Jun 2026 16:45:00 +0200\r\n"
           u"MIME-Version: 1.0\r\n"
           u"Content-Type: multipart/related;\r\n"
           u"\ttype=\"text/html\";\r\n"
           u"\tboundary=\"----=_NextPart_000_0001\"\r\n"
           u"\r\n"
           u"This is a multi-part message in MIME format.\r\n"
           u"\r\n"
           u"------=_NextPart_000_0001\r\n"
           u"Content-Type: text/html; charset=\"us-ascii\"\r\n"
           u"Content-Transfer-Encoding: 7bit\r\n"
           u"Content-Location: https://example.org/huts/index.html\r\n"
           u"\r\n"
           u"<!DOCTYPE html>\r\n"
           u"<html><head><title>Alpine huts</title>\r\n"
           u"<link rel=\"stylesheet\" href=\"https://example.org/huts/style.css\"></head>\r\n"
           u"<body><h1>Alpine huts worth the climb</h1>\r\n"
           u"<p>Three huts above 2500&nbsp;m, each a day's walk apart.</p>\r\n"
           u"<ul><li><b>Capanna Regina</b> &ndash; 2580&nbsp;m, open June to September</li>\r\n"
           u"<li><b>Refuge du Gl&eacute;cier</b> &ndash; 2712&nbsp;m, reservations required</li>\r\n"
           u"<li><b>H&uuml;tte am Grat</b> &ndash; 2904&nbsp;m, cash only</li></ul>\r\n"
           u"<p class=\"note\">Clipped on 21 June 2026.</p>\r\n"
           u"</body></html>\r\n"
           u"\r\n"
           u"------=_NextPart_000_0001\r\n"
           u"Content-Type: text/css\r\n"
           u"Content-Transfer-Encoding: 7bit\r\n"
           u"Content-Location: https://example.org/huts/style.css\r\n"
           u"\r\n"
           u"body { font-family: Georgia, serif; margin: 2em; background: #f7f4ee; }\r\n"
           u"h1 { color: #2a5d84; }\r\n"
           u".note { color: #777; font-style: italic; }\r\n"
           u"\r\n"
           u"------=_NextPart_000_0001--\r\n";
}

std::u16string HtmlSampler() {
    return u"<!DOCTYPE html>\r\n"
           u"<html lang=\"en\"><head><meta charset=\"utf-16\"><title>HTML sampler</title>\r\n"
           u"<style>body{font-family:Segoe UI,sans-serif;margin:1.5em}"
           u"table{border-collapse:collapse}td,th{border:1px solid #999;padding:4px 10px}"
           u"th{background:#e8eef4}</style></head>\r\n"
           u"<body>\r\n"
           u"<h1>HTML sampler</h1>\r\n"
           u"<p>This page is stored as HTML source and shown by the browser control.</p>\r\n"
           u"<h2>Scripts</h2>\r\n"
           u"<table><tr><th>Script</th><th>Sample</th></tr>\r\n"
           u"<tr><td>Latin</td><td>Ça va très bien, danke schön!</td></tr>\r\n"
           u"<tr><td>Cyrillic</td><td>Съешь же ещё этих мягких французских булок</td></tr>\r\n"
           u"<tr><td>Greek</td><td>Ξεσκεπάζω την ψυχοφθόρα βδελυγμία</td></tr>\r\n"
           u"<tr><td>CJK</td><td>いろはにほへと 天地玄黄</td></tr></table>\r\n"
           u"<h2>Lists</h2>\r\n"
           u"<ol><li>First</li><li>Second, with <em>emphasis</em></li><li>Third, with <code>code</code></li></ol>\r\n"
           u"<p>External link: <a href=\"https://example.org/\">example.org</a></p>\r\n"
           u"</body></html>\r\n";
}

std::u16string LinksText() {
    return u"bookmark<top>Links and addresses\r\n"
           u"\r\n"
           u"Page links (only the caption shows, click to jump):\r\n"
           u"  - page20<Garden plan>\r\n"
           u"  - page11://<Travel notes in Russian>\r\n"
           u"  - page4|1|0<The Projects folder>\r\n"
           u"  - page13<日本語と中文>\r\n"
           u"\r\n"
           u"Web addresses:\r\n"
           u"  https://example.org/docs/start \r\n"
           u"  http://example.com/plain \r\n"
           u"  www.example.net/news \r\n"
           u"  file:///C:/Notes/readme.txt \r\n"
           u"\r\n"
           u"E-mail: info@example.org, support.team@example.com and an address followed by a "
           u"full stop: last@example.net.\r\n"
           u"\r\n"
           u"A hidden bookmark sits at the very start of this page.bookmark<end>\r\n";
}

std::u16string DeletedText() {
    return u"Old shopping list\r\n"
           u"\r\n"
           u"Milk, bread, eggs, tomatoes (moved to the bin last week).\r\n";
}

}  // namespace kit::tour
