#pragma once
// What the viewer tells a host about the files it shows, in the host's
// detect-string grammar.
#include <string_view>

namespace core {

// A notebook: its extension, and the class name of a book near its front.
// No byte terms ([0]=255 for the new-class tag that precedes the name):
// Double Commander, the Linux host that asks for this string, matches none
// of them, however written, and would never choose the viewer.
inline constexpr std::string_view kDetectString = R"(EXT="VNB" & FIND("CBook"))";

// Puts the detect string, with its terminating zero, into a host's buffer
// of `capacity` bytes. A buffer too small for all of it gets an empty
// string: a cut expression could name other files, or none.
void WriteDetectString(char* buffer, int capacity);

}  // namespace core
