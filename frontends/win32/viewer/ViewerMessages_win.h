#pragma once
#include <windows.h>

namespace viewer {

// The viewer's private notifications, registered once per process under
// fixed names.
void RegisterViewerMessages();
UINT PaneLayoutMessage();
UINT MenuEndMessage();

}  // namespace viewer
