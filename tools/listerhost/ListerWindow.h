#pragma once
// A minimal Lister: a window that hands itself to a plug-in as the parent of
// its view, keeps the view filling its client area, forwards focus, and
// closes the view with ListCloseWindow. Embedded, the Lister sits inside a
// "panel" window of its own, as it does in a file manager's panel.
#include "platform/win32/Wnd.h"
#include "tools/listerhost/Plugin.h"

#include <memory>
#include <string>
#include <vector>

namespace listerhost {

class PanelWindow;

// Menu commands of the interactive Lister, forwarded as ListSendCommand.
inline constexpr UINT kMenuCopy = 0x101;
inline constexpr UINT kMenuSelectAll = 0x102;
inline constexpr UINT kMenuWrap = 0x103;
inline constexpr UINT kMenuClose = 0x104;

// A menu bar with the host commands, for trying the plug-in by hand.
HMENU MakeHostMenu();

class ListerWindow : public win::Wnd {
public:
    explicit ListerWindow(const Plugin& plugin);
    ~ListerWindow() override;

    // rect: the top-level window's placement (the panel's when embedded).
    bool Create(const RECT& rect, bool embedded);
    // As a file manager's Quick View: the Lister is a child window on the
    // right of a main window whose file list, on the left, keeps the
    // keyboard. Tab and Escape arriving at the Lister give it back to the
    // file list.
    bool CreateQuickView(const RECT& rect);
    // The file list of Quick View; null otherwise.
    HWND FileList() const;
    // As a Lister opens a file: ListLoadW when the plug-in has it, else
    // ListLoad with the name in the ANSI code page; true when the plug-in
    // returned a window.
    bool Open(const std::wstring& file);
    bool Open(const std::string& ansiFile);
    // The next file into the open view, as n and p in a Lister: the wide
    // entry when there is one. The plug-in's answer, 0 when it shows the
    // file; no fallback follows an error, so the view shows what the
    // plug-in left.
    int OpenNext(const std::wstring& file, int showFlags = 0);
    // The Lister's search (ListSearchTextW when there is one); the
    // plug-in's answer, 0 when it found the text.
    int Search(const std::wstring& text, int flags);
    HWND PluginWindow() const { return pluginWindow_; }
    // The top-level window: the panel when embedded, else the Lister itself.
    HWND TopLevel() const;
    bool IsEmbedded() const { return panel_ != nullptr; }
    int SendCommand(int command, int parameter);
    // Resizes the top-level window so that its client area is w x h.
    void Resize(int width, int height);
    // ListCloseWindow for the view, then the windows go.
    void Close();
    // Puts the host menu on the top-level window.
    void AddMenu();
    // How often the plug-in asked the Lister to close (WM_SYSCOMMAND SC_CLOSE).
    int CloseRequests() const { return closeRequests_; }
    // The keys that reached the Lister window (WM_KEYDOWN), in order.
    const std::vector<UINT>& ReceivedKeys() const { return receivedKeys_; }
    bool QuitOnDestroy = false;
    // What Open passes in ShowFlags (the dark-mode flags, for one).
    int ShowFlags = 0;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CloseView();

    const Plugin& plugin_;
    std::unique_ptr<PanelWindow> panel_;
    HWND pluginWindow_ = nullptr;
    int closeRequests_ = 0;
    std::vector<UINT> receivedKeys_;
    bool wrap_ = false;
};

// Registers the host's window classes (once per process).
bool RegisterHostClasses();

}  // namespace listerhost
