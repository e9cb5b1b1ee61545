// HTML pages and web archives in the browser pane. Wine's browser has no
// engine: it reports every navigation failed, so pages show as source, and
// what needs a document is driven through the pane's own handlers.
#include "InProcessFixture.h"

#include "frontends/win32/browser/EventSink_win.h"
#include "frontends/win32/browser/HtmlPane_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "platform/CodePage.h"
#include "platform/win32/WideText.h"
#include "tests/kit/Document.h"
#include "tools/listerhost/PrintCapture.h"

#include <fstream>
#include <iterator>

namespace wine_tests {
namespace {

std::string FileBytes(const std::u16string& path)
{
    std::ifstream file(win::WidePtr(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The page files of the temporary-file list that are on disk.
std::vector<std::u16string> PageFilesOnDisk()
{
    std::vector<std::u16string> found;
    for (const std::u16string& path : docfile::TempFiles().Paths())
        if (GetFileAttributesW(win::WidePtr(path)) != INVALID_FILE_ATTRIBUTES &&
            (path.ends_with(u".htm") || path.ends_with(u".mht")))
            found.push_back(path);
    return found;
}

// Records the commands the pane gives the document.
class RecordingTarget final : public IOleCommandTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleCommandTarget) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryStatus(const GUID*, ULONG, OLECMD*, OLECMDTEXT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Exec(const GUID* group, DWORD id, DWORD option, VARIANT*, VARIANT*) override
    {
        if (!group && option == OLECMDEXECOPT_DONTPROMPTUSER)
            commands.push_back(id);
        if (!group && option == OLECMDEXECOPT_PROMPTUSER)
            prompted.push_back(id);
        return S_OK;
    }
    std::vector<DWORD> commands;
    std::vector<DWORD> prompted;  // with the control's own dialog
};

class Html : public InProcess {
protected:
    // A member, so that it outlives the viewer, which holds it until it closes.
    RecordingTarget document;

    viewer::ViewerWindow& OpenPages()
    {
        kit::PageSpec html = Page(2, 1, 3, u"Page"), archive = Page(4, 1, 1, u"Archive");
        html.text = u"<p>Привет, 日本 😀</p>";
        archive.text = u"MIME-Version: 1.0\r\n\r\nsmile 😀";
        const kit::BookSpec book = BookUnderRoot({html, Page(3, 1, 0, u"Text"), archive});
        return Open(WriteFile(L"html.vnb", kit::WriteDocument(book)));
    }
    // Wine's browser reports a failed navigation at once or a moment later.
    void WaitForSource()
    {
        for (int i = 0; i < 100 && !IsWindowVisible(text); ++i)
            Pump(20);
    }
    // Keys held down while the document's key event is handled.
    static void KeyInPage(viewer::HtmlPane& pane, std::initializer_list<int> keys)
    {
        BYTE state[256] = {};
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
        pane.OnDocumentKey();
        BYTE none[256] = {};
        SetKeyboardState(none);
    }
};

TEST_F(Html, EachPageGoesToOneFileOfItsKindThatDecodesToItsTextAndTheSourceShowsWhereTheBrowserCannot)
{
    viewer::ViewerWindow& viewer = OpenPages();
    ASSERT_EQ(viewer.HtmlPagePane(), nullptr) << "made on first need";
    viewer.Tree()->SelectPage(2);
    WaitForSource();
    viewer::HtmlPane* html = viewer.HtmlPagePane();
    ASSERT_NE(html, nullptr);
    EXPECT_EQ(GetDlgCtrlID(html->Hwnd()), static_cast<int>(viewer::kHtmlPaneId));
    const std::u16string htm = html->PageFilePath();
    ASSERT_TRUE(htm.ends_with(u".htm"));
    const std::string bytes = FileBytes(htm);
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(platform::Utf8ToWide(bytes.substr(3)), u"<p>Привет, 日本 😀</p>");
    EXPECT_EQ(PaneText(text), L"<p>Привет, 日本 😀</p>");
    EXPECT_EQ(viewer.VisibleContentPane(), text);
    EXPECT_FALSE(IsWindowVisible(html->Hwnd()));

    viewer.Tree()->SelectPage(3);
    EXPECT_EQ(PaneText(text), L"text of Text");
    EXPECT_EQ(PageFilesOnDisk(), std::vector<std::u16string>{htm}) << "kept until the next HTML page";

    viewer.Tree()->SelectPage(4);
    WaitForSource();
    const std::u16string mht = html->PageFilePath();
    ASSERT_TRUE(mht.ends_with(u".mht"));
    EXPECT_EQ(PageFilesOnDisk(), std::vector<std::u16string>{mht});
    EXPECT_EQ(FileBytes(mht), "MIME-Version: 1.0\r\n\r\nsmile &#128512;");
    EXPECT_EQ(PaneText(text), L"MIME-Version: 1.0\r\n\r\nsmile 😀");

    ListCloseWindow(view);
    view = nullptr;
    EXPECT_TRUE(PageFilesOnDisk().empty());
}

TEST_F(Html, KeysInThePageSwitchFocusToggleTheTreeAndClose)
{
    viewer::ViewerWindow& viewer = OpenPages();
    viewer.Tree()->SelectPage(2);
    viewer::HtmlPane& html = *viewer.HtmlPagePane();
    SetFocus(tree);
    KeyInPage(html, {VK_TAB});
    EXPECT_EQ(GetFocus(), text);
    SendMessageW(html.Hwnd(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), tree) << "a key to the pane itself, which holds no document";
    KeyInPage(html, {VK_CONTROL, 'T'});
    EXPECT_FALSE(IsWindowVisible(tree));
    EXPECT_EQ(host.CloseRequests(), 0);
    KeyInPage(html, {'N'});
    KeyInPage(html, {VK_F2});
    KeyInPage(html, {VK_CONTROL, 'N'});
    Pump(50);
    EXPECT_EQ(host.ReceivedKeys(), (std::vector<UINT>{'N', VK_F2})) << "the host's keys go to the host";
    KeyInPage(html, {VK_ESCAPE});
    Pump(50);
    EXPECT_EQ(host.CloseRequests(), 1);

    // The sink the document's events reach.
    std::vector<DISPID> seen;
    viewer::EventSink* sink = viewer::EventSink::Create(IID_IOleCommandTarget, [&](DISPID id, DISPPARAMS*) {
        seen.push_back(id);
    });
    IDispatch* asked = nullptr;
    for (REFIID iid : {IID_IUnknown, IID_IDispatch, IID_IOleCommandTarget})
        EXPECT_EQ(sink->QueryInterface(iid, reinterpret_cast<void**>(&asked)), S_OK);
    EXPECT_EQ(sink->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&asked)), E_NOINTERFACE);
    DISPPARAMS none{};
    sink->Invoke(-602, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    sink->Detach();
    sink->Invoke(-603, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    EXPECT_EQ(seen, std::vector<DISPID>{-602});
    for (int i = 0; i < 3; ++i)
        sink->Release();
    EXPECT_EQ(sink->Release(), 0u);
}

TEST_F(Html, HostCommandsReachTheShownPaneWhichTakesTheOthersPlace)
{
    viewer::ViewerWindow& viewer = OpenPages();
    viewer.Tree()->SelectPage(2);
    viewer::HtmlPane& html = *viewer.HtmlPagePane();
    html.UseCommandTarget(&document);
    PutOnClipboard(L"kept");

    viewer.ShowContentPane(html.Hwnd());
    SetFocus(html.Hwnd());
    EXPECT_EQ(ListSendCommand(view, kHostCopy, 0), 0);
    EXPECT_EQ(ListSendCommand(view, kHostSelectAll, 0), 0);
    EXPECT_EQ(document.commands, (std::vector<DWORD>{OLECMDID_COPY, OLECMDID_SELECTALL}));
    EXPECT_EQ(ListPrintW(view, nullptr, nullptr, 0, nullptr), 0);
    EXPECT_EQ(document.prompted, std::vector<DWORD>{OLECMDID_PRINT}) << "the browser prints its page itself";
    EXPECT_EQ(ClipboardText(), L"kept");
    EXPECT_EQ(Selection(text).cpMax, 0);

    SetWindowPos(host.Hwnd(), nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    Pump(50);
    viewer.Tree()->SelectPage(3);
    EXPECT_TRUE(IsWindowVisible(text));
    const RECT place = ChildRect(html.Hwnd()), shown = ChildRect(text);
    EXPECT_TRUE(EqualRect(&place, &shown)) << "the text pane where the browser was";
    ListSendCommand(view, kHostSelectAll, 0);
    // The system's print dialog instead, with the Lister's printer chosen in
    // it (answered here by a device of the screen's size: Wine has no printer).
    wchar_t printer[] = L"Office printer";
    RECT margins{100, 100, 100, 100};
    listerhost::PrintCapture capture(GetModuleHandleW(nullptr), folder + L"sheet");
    ASSERT_TRUE(capture.Active());
    EXPECT_EQ(ListPrintW(view, nullptr, printer, 0, &margins), 0);
    EXPECT_EQ(capture.preselected, L"Office printer");
    EXPECT_EQ(capture.document, L"Text");
    EXPECT_EQ(capture.pages, 1);
    EXPECT_EQ(document.commands.size(), 2u);
    EXPECT_EQ(document.prompted.size(), 1u);
    EXPECT_GE(Selection(text).cpMax, static_cast<LONG>(PaneText(text).size()));
}

}  // namespace
}  // namespace wine_tests
