#pragma once
// Where the splitter puts its bar and its two panes, without any window.
#include <string>

namespace core {

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Box&) const = default;
};

inline constexpr int kSplitBarWidth = 3;
inline constexpr int kSplitMinLeft = 10;
inline constexpr int kSplitMinRight = 11;

struct SplitLayout {
    Box bar;    // where a button press starts a drag
    Box left;
    Box right;
};

// barWidth: the bar's drawn width, which grows with the screen's resolution.
SplitLayout LayoutForSplit(const Box& client, int x, int barWidth = kSplitBarWidth);
int ClampSplit(const Box& client, int x, int minLeft, int minRight);
int DefaultSplitPosition(int clientWidth);
// Split position that puts the left pane's right edge at leftEdge.
int SplitForLeftEdge(int leftEdge, int barWidth = kSplitBarWidth);

// Profile section and key of a splitter's stored bar position.
std::u16string SplitterProfileSection(int splitterId);
inline constexpr char16_t kSplitterProfileKey[] = u"VertSplitPos";

}  // namespace core
