#pragma once

namespace vnbview {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;     // bad arguments, unknown page
inline constexpr int kExitLoad = 2;      // the document could not be read
inline constexpr int kExitPassword = 3;  // missing or wrong password
inline constexpr int kExitWrite = 4;     // export output could not be written

}  // namespace vnbview
