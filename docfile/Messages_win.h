#pragma once
// docfile::FormatMessage meets the FormatMessage macro of windows.h in Win32
// files; this header includes both in the one order that works and drops the
// macro (the system function stays reachable as FormatMessageW).
#include <windows.h>
#undef FormatMessage
#include "docfile/Messages.h"
