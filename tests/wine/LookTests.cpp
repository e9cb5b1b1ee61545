// The dark look the Lister asks for, and the sizes a screen's resolution
// asks for: colours and metrics read back from the controls.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "core/panes/ColourScheme.h"
#include "core/panes/DpiMetrics.h"
#include "tests/kit/Document.h"
#include "tools/listerhost/TreeSelect.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstdlib>
#include <vector>

namespace wine_tests {
namespace {

constexpr int kDark = 128, kDarkNative = 256;
constexpr COLORREF kChosen = RGB(0xEE, 0xFF, 0x00);

struct Shown {
    COLORREF treeBack, treeText, textBack, text, bar;
};

// The pane's background: setting one answers the one before, which goes back.
COLORREF TextBackground(HWND edit)
{
    const auto previous = static_cast<COLORREF>(SendMessageW(edit, EM_SETBKGNDCOLOR, 0, 0));
    SendMessageW(edit, EM_SETBKGNDCOLOR, 0, previous);
    return previous;
}

COLORREF BarPixel(const Panes& p)
{
    RedrawWindow(p.splitter, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(30);
    const RECT tree = ChildRect(p.tree);
    HDC dc = GetDC(p.splitter);
    const COLORREF pixel = GetPixel(dc, tree.right + 1, 40);
    ReleaseDC(p.splitter, dc);
    return pixel;
}

Shown Read(const Panes& p)
{
    return {static_cast<COLORREF>(SendMessageW(p.tree, TVM_GETBKCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageW(p.tree, TVM_GETTEXTCOLOR, 0, 0)), TextBackground(p.text),
            FormatOf(p.text, 0, 1).crTextColor, BarPixel(p)};
}

void ExpectShown(const Shown& actual, const Shown& expected)
{
    EXPECT_EQ(actual.treeBack, expected.treeBack);
    EXPECT_EQ(actual.treeText, expected.treeText);
    EXPECT_EQ(actual.textBack, expected.textBack);
    EXPECT_EQ(actual.text, expected.text);
    EXPECT_EQ(actual.bar, expected.bar);
}

const Shown kLight{GetSysColor(COLOR_APPWORKSPACE), GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW),
                   GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE)};
const Shown kDarkShown{core::kDarkTreeBack, core::kDarkText, core::kDarkTextBack, core::kDarkText, core::kDarkBar};

using Look = PluginTest;

// From the flags of the load, then switched by the host both ways; a
// colour the user chose stays in both looks.
TEST_F(Look, DarkFromTheHostsFlagsBothWaysWhileTheUsersColourStays)
{
    struct Step {
        const char* name;
        bool load;  // else the host sends new parameters
        int flags;
        Shown expected;
    };
    const Shown chosenDark{core::kDarkTreeBack, core::kDarkText, kChosen, core::kDarkText, core::kDarkBar};
    const Shown chosenLight{kLight.treeBack, kLight.treeText, kChosen, kLight.text, kLight.bar};
    const std::vector<Step> defaults = {
        {"loaded dark", true, kDark, kDarkShown},
        {"switched to light", false, 0, kLight},
        {"switched to dark with native controls", false, kDark | kDarkNative, kDarkShown},
        {"loaded light", true, 0, kLight},
    };
    const std::vector<Step> chosen = {
        {"chosen, loaded dark", true, kDark, chosenDark},
        {"chosen, switched to light", false, 0, chosenLight},
        {"chosen, switched to dark", false, kDark, chosenDark},
    };
    for (const auto* steps : {&defaults, &chosen}) {
        // The settings are read once per load of the plug-in.
        if (steps == &chosen) {
            listers.clear();
            plugin.Unload();
            WriteDword(kPluginKey, L"BackColor", kChosen);
            ASSERT_TRUE(plugin.Load(PluginPath()));
        }
        for (const Step& step : *steps) {
            SCOPED_TRACE(step.name);
            if (step.load) {
                auto& lister = NewLister(false, 600, 400);
                lister.ShowFlags = step.flags;
                ASSERT_TRUE(lister.Open(TourPath()));
            } else {
                EXPECT_EQ(listers.back()->SendCommand(kHostNewParams, step.flags), 0);
            }
            ExpectShown(Read(FindPanes(*listers.back())), step.expected);
        }
    }
}

// Text in the automatic colour turns light, the author's red stays, and
// back in the light look the automatic colour returns; the page is shown
// again where the reader was, not loaded again.
TEST_F(Look, ARichPageKeepsItsAuthorsColoursAndItsPlace)
{
    auto page = Page(2, 1, 2, u"Rich");
    page.text = u"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\plain plain {\\cf1 red} \\cf0 plain\\par}";
    auto& lister = NewLister(false, 600, 400);
    lister.ShowFlags = kDark;
    ASSERT_TRUE(lister.Open(WriteFile(L"rich.vnb", kit::WriteDocument(BookUnderRoot({page})))));
    const Panes p = FindPanes(lister);
    ASSERT_TRUE(listerhost::SelectItemByText(p.viewer, L"Rich"));
    Pump(50);
    SendMessageW(p.text, EM_SETSEL, 7, 9);
    for (int flags : {kDark, 0, kDark}) {
        SCOPED_TRACE(flags);
        EXPECT_EQ(lister.SendCommand(kHostNewParams, flags), 0);
        for (LONG start : {0, 10}) {
            const CHARFORMAT2W automatic = FormatOf(p.text, start, start + 5);
            const COLORREF drawn =
                automatic.dwEffects & CFE_AUTOCOLOR ? GetSysColor(COLOR_WINDOWTEXT) : automatic.crTextColor;
            EXPECT_EQ(drawn, flags ? core::kDarkText : GetSysColor(COLOR_WINDOWTEXT)) << start;
        }
        EXPECT_EQ(FormatOf(p.text, 6, 9).crTextColor, RGB(255, 0, 0));
        EXPECT_EQ(Selection(p.text).cpMin, 7);
        EXPECT_EQ(Selection(p.text).cpMax, 9);
    }
}

// Label colours stay the notebook's, made lighter where they would vanish.
TEST_F(Look, DarkTreeLabelsStayReadable)
{
    auto& lister = NewLister(false, 600, 400);
    lister.ShowFlags = kDark;
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND tree = FindPanes(lister).tree;
    HTREEITEM root = TreeView_GetRoot(tree);
    const COLORREF red = RGB(0xC0, 0, 0), purple = RGB(0x80, 0, 0x80), brown = RGB(0x99, 0x4C, 0x26);
    const struct {
        HTREEITEM item;
        COLORREF notebooks;
    } cases[] = {
        {ChildByText(tree, root, L"Read me first"), red},
        {ItemAtPath(tree, {L"Projects", L"Budget 2027 [Attached Files: 1]"}), purple},
        {ItemAtPath(tree, {L"Languages — Языки — Γλώσσες — 言語", L"Ελληνικά: σημειώσεις"}), brown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.notebooks);
        const COLORREF readable = core::ReadableOn(c.notebooks, core::kDarkTreeBack);
        ASSERT_NE(readable, c.notebooks);
        TreeView_EnsureVisible(tree, c.item);
        EXPECT_FALSE(LabelDrawnIn(tree, c.item, c.notebooks));
        EXPECT_TRUE(LabelDrawnIn(tree, c.item, readable));
    }
    EXPECT_EQ(lister.SendCommand(kHostNewParams, 0), 0);
    TreeView_EnsureVisible(tree, cases[0].item);
    EXPECT_TRUE(LabelDrawnIn(tree, cases[0].item, red)) << "the light look draws the notebook's colour";
}

// Windows made aware of the screen's resolution, as the file manager's are.
class DpiAware {
public:
    DpiAware()
    {
        using SetContextFn = HANDLE(WINAPI*)(HANDLE);
        set_ = reinterpret_cast<SetContextFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
        if (set_)
            previous_ = set_(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)));
    }
    ~DpiAware()
    {
        if (set_ && previous_)
            set_(previous_);
    }

private:
    HANDLE(WINAPI* set_)(HANDLE) = nullptr;
    HANDLE previous_ = nullptr;
};

int ImageSize(HWND tree)
{
    int cx = 0, cy = 0;
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, cy);
    return cx;
}

LONG FontHeight(HWND window)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

void ExpectLaidOutFor(const Panes& p, int dpi)
{
    EXPECT_EQ(ImageSize(p.tree), core::NearestIconSize(dpi, core::kTreeIconSizes));
    EXPECT_EQ(ChildRect(p.text).left - ChildRect(p.tree).right, core::SplitMetricsForDpi(dpi).barWidth);
}

using Dpi = PluginTest;

// Run again by tests/wine/run at other resolutions (VV_TEST_DPI names the
// one it set).
TEST_F(Dpi, TreeImagesBarAndFontsFollowTheScreen)
{
    DpiAware aware;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (const char* set = std::getenv("VV_TEST_DPI")) {
        ASSERT_EQ(dpi, std::atoi(set)) << "the resolution the run set";
    }
    auto& lister = NewLister(false, 900, 600);
    ASSERT_TRUE(lister.Open(TourPath()));
    const Panes p = FindPanes(lister);
    ExpectLaidOutFor(p, dpi);
    // The information page's ten points, in pixels at this resolution.
    const LRESULT secondLine = SendMessageW(p.text, EM_LINEINDEX, 1, 0);
    const int lineHeight = HIWORD(SendMessageW(p.text, EM_POSFROMCHAR, secondLine, 0)) -
                           HIWORD(SendMessageW(p.text, EM_POSFROMCHAR, 0, 0));
    EXPECT_GE(lineHeight, 10 * dpi / 72);
}

// A move to a screen of another resolution lays the window out again in
// the rectangle the system suggests; the document stays.
TEST_F(Dpi, ChangedResolutionLaysTheWindowOutAgain)
{
    DpiAware aware;
    auto& lister = NewLister(false, 900, 600);
    ASSERT_TRUE(lister.Open(TourPath()));
    const Panes p = FindPanes(lister);
    const LRESULT items = SendMessageW(p.tree, TVM_GETCOUNT, 0, 0);
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const LONG systemFont = FontHeight(p.tree);
    for (int dpi : {192, 144, 96}) {
        SCOPED_TRACE(dpi);
        RECT suggested{};
        GetWindowRect(p.viewer, &suggested);
        suggested.right -= 20;
        SendMessageW(p.viewer, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        ExpectLaidOutFor(p, dpi);
        RECT now{};
        GetWindowRect(p.viewer, &now);
        EXPECT_EQ(now.right, suggested.right);
        EXPECT_EQ(now.left, suggested.left);
        EXPECT_EQ(SendMessageW(p.tree, TVM_GETCOUNT, 0, 0), items);
        EXPECT_EQ(FontHeight(p.tree), MulDiv(systemFont, dpi, systemDpi)) << "the tree's font, at the new resolution";
    }
}

}  // namespace
}  // namespace wine_tests
