#pragma once
// The read-only rich edit pane on the right of the viewer.
#include "components/PaneHost.h"
#include "platform/win32/Subclass.h"

#include <string>

namespace components {

class RichTextPane : public win::SubclassedControl {
public:
    explicit RichTextPane(PaneHost& host);
    ~RichTextPane() override;

    bool Create(const RECT& rect, HWND parent, UINT id, COLORREF background);
    const std::wstring& ClassName() const { return className_; }

    // Replaces the whole content with plain text.
    bool SetPlainText(const std::wstring& text);
    // Centres every paragraph and leaves nothing selected.
    void CentreAll();
    std::wstring Text() const;
    void SelectAll();
    void SetWordWrap(bool wrap);
    bool CopyAsPlainText();
    bool IsVisible() const { return Hwnd() && IsWindowVisible(Hwnd()); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    PaneHost& host_;
    HMODULE library_ = nullptr;
    std::wstring className_;
};

}  // namespace components
