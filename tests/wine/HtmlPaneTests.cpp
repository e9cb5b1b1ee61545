// HTML pages and web archives in the browser pane.
#include "InProcessFixture.h"

#include "components/HtmlPane_win.h"
#include "components/RichTextPane_win.h"
#include "platform/win32/WideText.h"
#include "viewer/PageTreePane.h"

#include <cstdio>

namespace wine_tests {
namespace {

using Html = InProcess;

TEST_F(Html, Probe)
{
    viewer::ViewerWindow& viewer = Open(TourPath());
    viewer.Tree()->SelectPage(6);
    components::HtmlPane* html = viewer.HtmlPagePane();
    std::printf("pane %p\n", static_cast<void*>(html));
    if (!html)
        return;
    std::printf("file %ls visible %d text visible %d\n", win::Wide(html->PageFilePath()).c_str(), html->IsVisible(),
                IsWindowVisible(text));
    for (int i = 0; i < 40; ++i) {
        Pump(100);
        std::printf("%d: html %d text %d: %ls\n", i * 100, html->IsVisible(), IsWindowVisible(text),
                    PaneText(text).substr(0, 20).c_str());
        if (!html->IsVisible())
            break;
    }
}

}  // namespace
}  // namespace wine_tests
