// The link passes over page text, link resolution and what a click opens.
// A page is written as the pane would show it: hidden text left out, links
// in brackets.
#include <gtest/gtest.h>

#include "components/Links.h"
#include "platform/CodePage.h"

using namespace components;
using platform::WideToUtf8;

namespace {

class FakeText final : public LinkText {
    std::u16string text_;

public:
    enum : char { kHidden = 1, kProtected = 2, kLink = 4 };
    // The control's text ends in its final paragraph mark.
    explicit FakeText(std::u16string text) : text_(std::move(text) + u"\r"), marks(text_.size(), 0) {}

    const std::u16string& Text() override { return text_; }
    void Hide(int32_t start, int32_t end, bool protect) override { Mark(start, end, protect ? 3 : kHidden); }
    void MarkLink(int32_t start, int32_t end) override { Mark(start, end, kLink); }
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

    std::string marks;  // per unit
};

void ExpectShown(const std::function<void(LinkText&)>& pass, std::initializer_list<std::pair<std::u16string, const char*>> cases)
{
    for (const auto& [text, shown] : cases) {
        FakeText fake{text};
        pass(fake);
        EXPECT_EQ(fake.Shown(), shown) << WideToUtf8(text);
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
                    {u"bare http: and http:// and www. stay", "bare http: and http:// and www. stay"},
                    {u"file: alone is marked", "[file:] alone is marked"},
                    {u"xhttp://inside a word, (http://after.paren)", "xhttp://inside a word, ([http://after.paren)]"},
                    {u"last line http://end", "last line [http://end]"},
                    {u"mailto:me@x.org and vnb:page1", "[mailto:me@x.org] and [vnb:page1]"},
                    {u"Слово www.рф.рф", "Слово [www.рф.рф]"},
                });
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
                    {u"page2<> empty, page2<unclosed", "page2<> empty, page2<unclosed"},
                    {u"page99999999999<too big> page4294967295<max>", "page99999999999<too big> [max]"},
                    {u"homepage1<caption>", "home[caption]"},
                });
    FakeText fake(u"a page1<b> c page2<d>");
    EXPECT_EQ(MarkPageLinks(fake), 2);
    EXPECT_EQ(fake.marks.find(FakeText::kHidden), std::string::npos) << "all hidden text is protected";
}

TEST(Links, AddressesAreMarkedWhereTheyPassTheTest)
{
    ExpectShown(MarkAddresses, {
                                   {u"write to tour@example.org, or a.b@c.de.", "write to [tour@example.org], or [a.b@c.de.]"},
                                   {u"@start then x@y.z", "@start then [x@y.z]"},
                                   {u"no dot a@b, dot last a@b. and a@.b", "no dot a@b, dot last a@b. and [a@.b]"},
                                   {u"<one@two.three>;\"q@r.s\"", "<[one@two.three]>;\"[q@r.s]\""},
                                   {u"http://u@h.com/x mail@end", "http://[u@h.com]/x mail@end"},
                                   {u"trailing@", "trailing@"},
                                   {u"a.b@, x", "a.b@, x"},
                               });
}

TEST(Links, AClickFindsThePageOfTheMarkerBeforeItOrOpensTheAddress)
{
    const std::u16string text = u"see page12<Intro> and Page7<Cap> then page-2|a|b//<Neg> http://x\r";
    const auto at = [&](std::u16string_view word) { return static_cast<int32_t>(text.find(word)); };
    EXPECT_EQ(ResolvePageLink(text, at(u"Intro")), 12u);
    EXPECT_EQ(ResolvePageLink(text, at(u"Neg")), static_cast<uint32_t>(-2));
    EXPECT_EQ(ResolvePageLink(text, at(u"Cap")), std::nullopt) << "the marker's Page is not matched";
    EXPECT_EQ(ResolvePageLink(text, at(u"http")), std::nullopt) << "an address after a marker is no page link";
    EXPECT_EQ(ResolvePageLink(text, 0), std::nullopt);

    // What a click opens, and what is asked first.
    EXPECT_EQ(WideToUtf8(ShellTarget(u"ab@cd.ef")), "mailto:ab@cd.ef") << "8 characters";
    EXPECT_EQ(WideToUtf8(ShellTarget(u"a@cd.ef")), "a@cd.ef") << "7 characters";
    EXPECT_EQ(WideToUtf8(ShellTarget(u"MAILTO:ab@cd.ef")), "MAILTO:ab@cd.ef");
    for (std::u16string_view safe : {u"http://a", u"HTTPS://a", u"ftp://a", u"www.a", u"mailto:a@b.c", u"a@b.c"})
        EXPECT_TRUE(IsWebOrMailTarget(safe)) << WideToUtf8(std::u16string(safe));
    for (std::u16string_view risky : {u"file:///C:/x.exe", u"file:", u"telnet:host", u"vnb:1", u"C:\\run.bat"})
        EXPECT_FALSE(IsWebOrMailTarget(risky)) << WideToUtf8(std::u16string(risky));
}
