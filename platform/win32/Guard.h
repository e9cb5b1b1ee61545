#pragma once
// The Win32 code's name for the guard every entry from Windows runs through.
#include "platform/Guard.h"

namespace win {

using platform::Guard;
using platform::GuardVoid;

}  // namespace win
