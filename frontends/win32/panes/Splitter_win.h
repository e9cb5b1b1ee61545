#pragma once
#include "core/panes/SplitterGeometry.h"
#include "core/panes/DpiMetrics.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Wnd.h"

namespace viewer {

// The splitter's own style bit for panes side by side (left and right), the
// only layout it has; kept in the style so the window says how it splits.
constexpr DWORD kSplitSideBySide = 0x0001;

// The splitter's window and the two panes it takes over; the limits keep
// each pane at least that wide while the bar moves.
struct SplitterSpec {
    HWND parent = nullptr;
    UINT id = 0;
    RECT rect{};
    DWORD style = 0;
    HWND left = nullptr;
    HWND right = nullptr;
    int minLeft = 0;
    int minRight = 0;
};

// Two panes side by side with a bar between them that the mouse drags. The
// bar position is kept in the module's profile (win::ReadModuleProfileInt)
// between sessions.
class Splitter : public win::Wnd {
public:
    // notifyMessage (0 = none) is sent to the parent after every layout.
    explicit Splitter(UINT notifyMessage);

    bool Create(const SplitterSpec& spec);

    void SetSplit(int x);
    void HideLeftPane();
    void ShowLeftPane();
    bool IsLeftHidden() const { return leftHidden_; }
    // Takes another window as the right pane; the next layout places it.
    void SetRightPane(HWND right) { right_ = right; }
    bool IsDragging() const { return dragging_; }
    core::Box LeftBox() const { return leftBox_; }
    // The bar's width and the panes' least widths, for a new resolution;
    // the panes are laid out again.
    void SetMetrics(const core::SplitMetrics& metrics);
    // The colour of the bar (and of whatever no pane covers).
    void SetBarColour(COLORREF colour);
    core::Box ClientBox() const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyLayout(const core::SplitLayout& layout);
    void StartDrag(int x, int y);
    void MoveDrag(int x);
    void EndDrag(int x);
    void CancelDrag();
    void DrawTracker();
    void SavePosition();
    int Clamp(int x) const;

    UINT notifyMessage_;
    HWND left_ = nullptr;
    HWND right_ = nullptr;
    int minLeft_ = 0;
    int minRight_ = 0;
    int barWidth_ = core::kSplitBarWidth;
    win::Brush barBrush_;
    int id_ = 0;
    int leftWidth_ = 0;
    core::Box leftBox_;
    core::Box rightBox_;
    core::Box barBox_;
    RECT tracker_{};
    bool dragging_ = false;
    bool tracking_ = false;
    int lastX_ = 0;
    bool leftHidden_ = false;
    HWND focusBeforeDrag_ = nullptr;
};

}  // namespace viewer
