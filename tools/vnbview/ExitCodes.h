#pragma once

namespace vnbview {

inline constexpr int kExitOk = 0;
// Bad arguments, an unreadable password file (read before the document,
// protected or not), a PAGE_ID the document does not hold, an export
// folder that is not new or empty.
inline constexpr int kExitUsage = 1;
inline constexpr int kExitLoad = 2;      // the document could not be opened or read
inline constexpr int kExitPassword = 3;  // no password given, or a wrong one
// Standard output or the export could not be written in full.
inline constexpr int kExitWrite = 4;

}  // namespace vnbview
