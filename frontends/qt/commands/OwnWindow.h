#pragma once
// Which window Escape may close: the one that exists to show this viewer.
class QWidget;

namespace qtviewer {

// The window around the viewer when it shows nothing but the viewer and
// the bars of a frame (menu, status and tool bars); null when it shows
// anything else, such as a file manager's panels around a quick view.
QWidget* OwnWindowOf(const QWidget& viewer);

}  // namespace qtviewer
