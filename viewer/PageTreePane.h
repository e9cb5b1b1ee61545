#pragma once
// The page tree on the left of the viewer.
#include "components/PaneHost.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Subclass.h"

namespace model {
class CBook;
}

namespace viewer {

class PageTreePane : public win::SubclassedControl {
public:
    explicit PageTreePane(components::PaneHost& host) : host_(host) {}

    bool Create(const RECT& rect, HWND parent, UINT id);
    // The root page, expanded, with its children.
    void FillTree(const model::CBook& book);
    bool HasFocus() const { return Hwnd() && GetFocus() == Hwnd(); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    components::PaneHost& host_;
    win::Font font_;
};

}  // namespace viewer
