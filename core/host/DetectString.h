#pragma once
// What the viewer tells a host about the files it shows, in the host's
// detect-string grammar.
#include <string_view>

namespace core {

// A notebook: its extension, and its front, which is the class tag of a
// book (a new-class tag, 0xFFFF, naming CBook).
inline constexpr std::string_view kDetectString = R"(EXT="VNB" & [0]=255 & [1]=255 & FIND("CBook"))";

// Puts the detect string, with its terminating zero, into a host's buffer
// of `capacity` bytes. A buffer too small for all of it gets an empty
// string: a cut expression could name other files, or none.
void WriteDetectString(char* buffer, int capacity);

}  // namespace core
