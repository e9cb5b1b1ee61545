// The link passes over page text, link resolution and what a click opens.
// A page is written as the pane would show it: hidden text left out, links
// in brackets.
#include <gtest/gtest.h>

#include "core/links/LinkTarget.h"
#include "core/links/Links.h"
#include "platform/CodePage.h"

using namespace core;
using platform::WideToUtf8;

namespace {

class FakeText final : public LinkText {
    std::u16string text_;

public:
    enum : char { kHidden = 1, kProtected = 2, kLink = 4 };
    // The control's text ends in its final paragraph mark.
    explicit FakeText(std::u16string text) : text_(std::move(text) + u"\r"), marks(text_.size(), 0) {}

    const std::u16string& Text() override { return text_; }
    int32_t FirstHidden(int32_t start, int32_t end) override
    {
        while (start < end && !(marks.at(start) & kHidden))
            ++start;
        return start;
    }
    int32_t AfterLastHidden(int32_t start, int32_t end) override
    {
        while (end > start && !(marks.at(end - 1) & kHidden))
            --end;
        return end;
    }
    void Hide(int32_t start, int32_t end, bool protect) override { Mark(start, end, protect ? 3 : kHidden); }
    void MarkLink(int32_t start, int32_t end) override
    {
        Mark(start, end, kLink);
        links.emplace_back(start, end);
    }
    void Mark(int32_t start, int32_t end, char mark)
    {
        for (int32_t i = start; i < end; ++i)
            marks.at(i) |= mark;
    }
    std::string Shown() const
    {
        std::u16string out;
        bool inLink = false;
        for (size_t i = 0; i + 1 < text_.size(); ++i) {
            if (marks[i] & kHidden)
                continue;
            if (bool(marks[i] & kLink) != inLink)
                out += (inLink = !inLink) ? u'[' : u']';
            out += text_[i];
        }
        return WideToUtf8(inLink ? out + u']' : out);
    }
    // Links and hidden text never share a unit: what a click follows is
    // what the reader sees. No link is empty.
    bool LinksAreVisible() const
    {
        for (const auto& [start, end] : links)
            if (start >= end)
                return false;
        for (char mark : marks)
            if ((mark & kHidden) && (mark & kLink))
                return false;
        return true;
    }
    // Ranges marked one after the other, each on one line.
    bool LinksAreDisjointLines() const
    {
        for (size_t i = 0; i < links.size(); ++i) {
            const auto [start, end] = links[i];
            if ((i > 0 && start < links[i - 1].second) || text_.substr(start, end - start).find_first_of(u"\r\n") != std::u16string::npos)
                return false;
        }
        return true;
    }

    std::string marks;  // per unit
    std::vector<std::pair<int32_t, int32_t>> links;
};

void ExpectShown(const std::function<void(LinkText&)>& pass, std::initializer_list<std::pair<std::u16string, const char*>> cases,
                 bool disjointLines = false)
{
    for (const auto& [text, shown] : cases) {
        FakeText fake{text};
        pass(fake);
        EXPECT_EQ(fake.Shown(), shown) << WideToUtf8(text);
        EXPECT_TRUE(fake.LinksAreVisible()) << WideToUtf8(text);
        EXPECT_TRUE(!disjointLines || fake.LinksAreDisjointLines()) << WideToUtf8(text);
    }
}

}  // namespace

TEST(Links, BookmarkMarkersDisappearAndTheTextAroundThemStays)
{
    ExpectShown(HideBookmarks, {{u"bookmark<top>Start BookMark<a b>here. bookmark<unclosed", "Start here. bookmark<unclosed"},
                                {u"bookmark <x> bookmark<>end", "bookmark <x> end"}});
}

TEST(Links, ExternalLinksRunFromAPrefixAtAWordStartToTheNextSpaceOrLineEnd)
{
    ExpectShown([](LinkText& text) { MarkExternalLinks(text); },
                {
                    {u"see http://a.b/c?d=1 now", "see [http://a.b/c?d=1] now"},
                    {u"HTTPS://Up.Case\tand www.x.org\r\nftp://f", "[HTTPS://Up.Case]\tand [www.x.org]\r\n[ftp://f]"},
                    {u"bare http: and http:// and www. stay, www.. http://.", "bare http: and http:// and www. stay, www.. http://."},
                    {u"file: alone is marked", "[file:] alone is marked"},
                    {u"xhttp://inside a word, (http://after.paren)", "xhttp://inside a word, ([http://after.paren])"},
                    {u"last line http://end", "last line [http://end]"},
                    {u"mailto:me@x.org and vnb:page1", "[mailto:me@x.org] and [vnb:page1]"},
                    {u"Слово www.рф.рф", "Слово [www.рф.рф]"},
                    // Trailing punctuation and an unbalanced closing bracket or quote end the link.
                    {u"http://a.b/c. http://x.org/Foo_(bar), http://q.r/?!; 'http://s.t/u' \"www.v.w\" <ftp://y.z>",
                     "[http://a.b/c]. [http://x.org/Foo_(bar)], [http://q.r/]?!; '[http://s.t/u]' \"[www.v.w]\" <[ftp://y.z]>"},
                });
    // A link ends where hidden text starts.
    ExpectShown(
        [](LinkText& text) {
            HideBookmarks(text);
            MarkExternalLinks(text);
        },
        {{u"www.example.orgbookmark<\\..\\..\\evil.exe> and http://a.b/bookmark<x>c bookmark<www.in.name >",
          "[www.example.org] and [http://a.b/]c "}});
}

TEST(Links, PageLinkMarkersShowOnlyTheirCaptionAsALink)
{
    ExpectShown([](LinkText& text) { MarkPageLinks(text); },
                {
                    {u"see page12<Intro> now", "see [Intro] now"},
                    {u"Page7://<Seven> and page-3<Minus>", "[Seven] and [Minus]"},
                    {u"page4|1|0<Folder> page5|x//<Five>", "[Folder] [Five]"},
                    {u"page0<zero> page05<lead> pagex<letter> page<none>", "page0<zero> page05<lead> pagex<letter> page<none>"},
                    {u"page3 of the manual costs < 5 and > 3", "page3 of the manual costs < 5 and > 3"},
                    {u"page3> odd <x page9<ok>", "page3> odd <x [ok]"},
                    {u"page2<> empty, page2<unclosed", " empty, page2<unclosed"},
                    {u"page99999999999<too big> page4294967295<max>", "page99999999999<too big> [max]"},
                    {u"page-2147483649<below> page-2147483648<min>", "page-2147483649<below> [min]"},
                    {u"homepage1<caption>", "home[caption]"},
                    {u"page1|page1|page1<a> page1<page1<b> page1|>c<d>", "[a] [page1<b] page1|>c<d>"},
                });
    FakeText fake(u"a page1<b> c page2<d> page3<>");
    EXPECT_EQ(MarkPageLinks(fake), 2);
    EXPECT_EQ(fake.marks.find(FakeText::kHidden), std::string::npos) << "all hidden text is protected";
}

TEST(Links, AddressesAreMarkedWhereTheyPassTheTest)
{
    ExpectShown(MarkAddresses,
                {
                    {u"write to tour@example.org, or a.b@c.de.", "write to [tour@example.org], or [a.b@c.de]."},
                    {u"@start then x@y.z", "@start then [x@y.z]"},
                    {u"no dot a@b, dot last a@b. and a@.b", "no dot a@b, dot last a@b. and [a@.b]"},
                    {u"<one@two.three>;\"q@r.s\"", "<[one@two.three]>;\"[q@r.s]\""},
                    {u"http://u@h.com/x mail@end", "http://[u@h.com]/x mail@end"},
                    {u"trailing@", "trailing@"},
                    {u"a.b@, x", "a.b@, x"},
                    {u"a@b.cd,x@y.z", "[a@b.cd],[x@y.z]"},
                    // The character before "@" counts: no address starts there, none crosses a line.
                    {u"o@.t\r@s C:\\@b.js", "[o@.t]\r@s C:\\@b.js"},
                    {u"(ask@x.org) 'me@y.org'? {a@b.cd}! joe@example.com.", "([ask@x.org]) '[me@y.org]'? {[a@b.cd]}! [joe@example.com]."},
                },
                true);
    ExpectShown(
        [](LinkText& text) {
            HideBookmarks(text);
            MarkPageLinks(text);
            MarkAddresses(text);
        },
        {{u"x@y.orgbookmark<a@b.c>z page1<me@x.org> page2<>q@r.st page3<bookmark<x>>", "[x@y.org]z [me@x.org] [q@r.st] >"}});
}

TEST(Links, AClickFindsThePageOfTheMarkerThePassMade)
{
    const std::u16string text =
        u"see page12<Intro> and Page7<Cap> then page-2|a|b//<Neg> http://x page1|x page2|y<One> " + std::u16string(1000, u'<') +
        u"PAGE3<Three>\r";
    const auto at = [&](std::u16string_view word) { return static_cast<int32_t>(text.find(word)); };
    EXPECT_EQ(ResolvePageLink(text, at(u"Intro")), 12u);
    EXPECT_EQ(ResolvePageLink(text, at(u"Neg")), static_cast<uint32_t>(-2));
    EXPECT_EQ(ResolvePageLink(text, at(u"Cap")), 7u) << "a marker written Page is a link and leads to its page";
    EXPECT_EQ(ResolvePageLink(text, at(u"One")), 1u) << "the head the pass hid";
    EXPECT_EQ(ResolvePageLink(text, at(u"Three")), 3u);
    EXPECT_EQ(ResolvePageLink(text, at(u"http")), std::nullopt) << "an address after a marker is no page link";
    EXPECT_EQ(ResolvePageLink(text, at(u"ntro")), std::nullopt);
    EXPECT_EQ(ResolvePageLink(text, 0), std::nullopt);
}

TEST(Links, OnlyAWebOrMailTargetWithAWrittenOrCheckedSchemeOpensWithoutAsking)
{
    // What the shell gets at once; every address goes as mailto:, whatever its length or ending.
    for (const auto& [text, target] : std::initializer_list<std::pair<std::u16string_view, std::u16string_view>>{
             {u"http://a.b/c?d=1#e", u"http://a.b/c?d=1#e"}, {u"HTTPS://Up.Case/x", u"HTTPS://Up.Case/x"},
             {u"ftp://f.example.org/pub", u"ftp://f.example.org/pub"}, {u"www.example.com", u"http://www.example.com"},
             {u"WWW.x.org:8080/a/../b?q=%5c", u"http://WWW.x.org:8080/a/../b?q=%5c"}, {u"www.x.org:65535", u"http://www.x.org:65535"}, {u"www.рф.рф", u"http://www.рф.рф"},
             {u"mailto:me@x.org?subject=hi", u"mailto:me@x.org?subject=hi"}, {u"MAILTO:ab@cd.ef", u"MAILTO:ab@cd.ef"},
             {u"ab@cd.ef", u"mailto:ab@cd.ef"}, {u"i@x.com", u"mailto:i@x.com"}, {u"a@b.exe", u"mailto:a@b.exe"},
             {u"a@b.hta", u"mailto:a@b.hta"}}) {
        const ShellLink link = DecideShellLink(text);
        EXPECT_EQ(WideToUtf8(link.target), WideToUtf8(target));
        EXPECT_FALSE(link.ask) << WideToUtf8(text);
    }
    // Text that can name a file asks first and goes unchanged.
    for (std::u16string_view text :
         {u"www.x\\..\\..\\..\\Windows\\System32\\calc.exe", u"www./../calc.exe", u"www.%5c..%5ccalc.exe", u"www.%TEMP%\\x.exe",
          u"www.\"x\".com", u"www.txt:evil.exe", u"www.exe", u"www.cmd", u"www.a..b", u"www.x.org.", u"www.x.org:/a", u"www.x.org:123456", u"http://x.org/a b",
          u"http://x.org\\..\\calc.exe", u"https://x.org/'", u"https://x.org/\u202Eexe.txt", u"ftp://x.org/\x01",
          u"mailto:a\\b@c.d", u"\\\\a.b@c", u"a@b", u"@x.org", u".x@y.z", u"x@y.", u"me@x.org\u200B.exe", u"file:///C:/x.exe", u"telnet:host", u"vnb:1",
          u"C:\\run.bat"}) {
        const ShellLink link = DecideShellLink(text);
        EXPECT_EQ(WideToUtf8(link.target), WideToUtf8(text));
        EXPECT_TRUE(link.ask) << WideToUtf8(text);
    }
}

TEST(Links, TheQuestionShowsTheTargetUndisguised)
{
    for (const auto& [target, shown] : {std::pair<std::u16string_view, const char*>{u"www.x.org", "www.x.org"},
                                        {u"a\u202Egnp.exe", "a<U+202E>gnp.exe"},
                                        {u"a\r\nb\tc\x7F", "a<U+000D><U+000A>b<U+0009>c<U+007F>"},
                                        {u"\u200Bx\u2066y\uFEFF\u00AD", "<U+200B>x<U+2066>y<U+FEFF><U+00AD>"},
                                        {u"\xD800z\U0001F600", "<U+D800>z\U0001F600"},
                                        {u"\xDFFF" u"a b\u00A0\U0010FFFF\xDBFF", "<U+DFFF>a b<U+00A0>\U0010FFFF<U+DBFF>"}})
        EXPECT_EQ(WideToUtf8(ShownTarget(target)), shown);

    const std::u16string longTarget = u"http://" + std::u16string(5000, u'a') + u"\u202E/end.exe";
    const std::u16string shown = ShownTarget(longTarget);
    EXPECT_EQ(shown.size(), 199u) << "as much of each end as fits";
    EXPECT_EQ(ShownTarget(std::u16string(200, u'a')).size(), 200u);
    EXPECT_EQ(shown.rfind(u"http://aaa", 0), 0u);
    EXPECT_TRUE(shown.ends_with(u"a<U+202E>/end.exe")) << "the end of a long target shows too";
    EXPECT_NE(shown.find(u"…"), std::u16string::npos);
}
