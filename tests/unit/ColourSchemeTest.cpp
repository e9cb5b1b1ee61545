#include "core/panes/ColourScheme.h"
#include "core/panes/RtfAutoColour.h"
#include "core/settings/SettingsRecord.h"

#include <gtest/gtest.h>

namespace {

core::SettingsRecord Defaults()
{
    core::SystemLook look;
    look.appWorkspace = 0xABABAB;
    look.window = 0xFFFFFF;
    look.windowText = 0x000000;
    return core::DefaultSettings(look);
}

}  // namespace

TEST(ColourScheme, DarkWhereTheUserKeptTheDefault)
{
    struct Case {
        const char* name;
        bool dark;
        void (*choose)(core::SettingsRecord&);
        core::ColourScheme expected;
    };
    const auto none = [](core::SettingsRecord&) {};
    const Case cases[] = {
        {"light keeps everything", false, none, {0xABABAB, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xF0F0F0, {}, false}},
        {"dark defaults", true, none,
         {core::kDarkTreeBack, core::kDarkText, core::kDarkTextBack, core::kDarkText, core::kDarkBar, core::kDarkLink, true}},
        {"chosen text background wins", true, [](core::SettingsRecord& s) { s.textBackColour = 0x00FFEE; },
         {core::kDarkTreeBack, core::kDarkText, 0x00FFEE, core::kDarkText, core::kDarkBar, core::kDarkLink, true}},
        {"chosen tree colours win", true,
         [](core::SettingsRecord& s) {
             s.treeBackColour = 0x112233;
             s.treeTextColour = 0x445566;
             s.textColour = 0x0000FF;
         },
         {0x112233, 0x445566, core::kDarkTextBack, 0x0000FF, core::kDarkBar, core::kDarkLink, true}},
        {"chosen colours in the light look", false, [](core::SettingsRecord& s) { s.textColour = 0x0000FF; },
         {0xABABAB, 0xFFFFFF, 0xFFFFFF, 0x0000FF, 0xF0F0F0, {}, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        core::SettingsRecord settings = Defaults();
        c.choose(settings);
        const core::ColourScheme s = core::SchemeFor(settings, Defaults(), 0xFFF0F0F0, c.dark);
        EXPECT_EQ(s.treeBack, c.expected.treeBack);
        EXPECT_EQ(s.treeText, c.expected.treeText);
        EXPECT_EQ(s.textBack, c.expected.textBack);
        EXPECT_EQ(s.text, c.expected.text);
        EXPECT_EQ(s.bar, c.expected.bar);
        EXPECT_EQ(s.link, c.expected.link);
        EXPECT_EQ(s.dark, c.expected.dark);
    }
}

TEST(ColourScheme, LabelColoursStayReadable)
{
    struct Case {
        uint32_t colour;
        uint32_t background;
        uint32_t expected;
    };
    const Case cases[] = {
        {0x0000FF, core::kDarkTreeBack, 0x0000FF},  // red reads as it is
        {0x000080, core::kDarkTreeBack, 0x6666B3},  // dark red: lightened, still red
        {0x800000, core::kDarkTreeBack, 0xC08080},  // navy: a lighter blue
        {0x000000, core::kDarkTreeBack, 0x808080},  // black: grey
        {0x00FFFF, core::kDarkTreeBack, 0x00FFFF},  // yellow reads as it is
        {0xE0E0E0, core::kDarkTreeBack, 0xE0E0E0},
        {0xFFFFFF, 0xFFFFFF, 0x7F7F7F},             // on a light background: darkened
        {0x00FFFF, 0xFFFFFF, 0x009999},
        {0x123456, 0x123456, 0x71859A},             // its own background
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        const uint32_t readable = core::ReadableOn(c.colour, c.background);
        EXPECT_EQ(readable, c.expected);
        EXPECT_GE(core::ContrastRatio(readable, c.background), 3.0);
    }
    EXPECT_NEAR(core::ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(core::ContrastRatio(0x777777, 0x777777), 1.0, 1e-9);
}

TEST(ColourScheme, AutomaticTextColourInRtf)
{
    constexpr char16_t kEntry[] = u"\\red224\\green208\\blue192;";  // 0xC0D0E0
    struct Case {
        std::u16string rtf;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"{\\rtf1 a}", u"{\\rtf1 {\\colortbl;" + std::u16string(kEntry) + u"}\\cf1 a}"},
        {u"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 r\\cf0 a\\plain b\\cf c}",
         u"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;" + std::u16string(kEntry) +
             u"}\\cf2 \\cf1 r\\cf2 a\\plain \\cf2 b\\cf2 c}"},
        {u"{\\rtf1{\\colortbl}x}", u"{\\rtf1{\\colortbl;" + std::u16string(kEntry) + u"}\\cf1 x}"},
        // A colour table inside a group of the body is not the document's;
        // binary data and escapes are passed over.
        {u"{\\rtf1{\\colortbl;}{\\*\\x{\\colortbl;}}\\bin3 \\cf\\\\cf0\\{}",
         u"{\\rtf1{\\colortbl;" + std::u16string(kEntry) + u"}\\cf1 {\\*\\x{\\colortbl;}}\\bin3 \\cf\\\\cf0\\{}"},  // cf0 is text here
        {u"{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cfpat0\\highlight1 x}",
         u"{\\rtf1{\\colortbl;\\red1\\green2\\blue3;" + std::u16string(kEntry) + u"}\\cf2 \\cfpat0\\highlight1 x}"},
        // Closing braces without their opening ones end no table.
        {u"{\\rtf1 a}}}", u"{\\rtf1 {\\colortbl;" + std::u16string(kEntry) + u"}\\cf1 a}}}"},
        {u"plain text \\cf0", u"plain text \\cf0"},
        {u"", u""},
        // Cut short: the table never ends, so a table of its own goes first.
        {u"{\\rtf1{\\colortbl;", u"{\\rtf1{\\colortbl;" + std::u16string(kEntry) + u"}\\cf1 {\\colortbl;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rtf.begin(), c.rtf.end()));
        const std::u16string result = core::RtfWithAutoColour(c.rtf, 0xC0D0E0);
        EXPECT_EQ(std::string(result.begin(), result.end()), std::string(c.expected.begin(), c.expected.end()));
    }
}
