#include "frontends/win32/viewer/ViewerMessages_win.h"

namespace viewer {
namespace {
UINT gPaneLayout = 0;
UINT gMenuEnd = 0;
}  // namespace

void RegisterViewerMessages()
{
    gPaneLayout = RegisterWindowMessageW(L"5E5A91C6-2B85-4027-B25A-915A0B52C058");
    gMenuEnd = RegisterWindowMessageW(L"CB874ED7-260E-40a5-85BA-B3CF33ADFA71");
}

UINT PaneLayoutMessage() { return gPaneLayout; }
UINT MenuEndMessage() { return gMenuEnd; }

}  // namespace viewer
