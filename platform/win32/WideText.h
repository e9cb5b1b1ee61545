#pragma once
// The one crossing between the portable code's UTF-16 strings and the wide
// strings of the Windows API. Both are UTF-16 code units here, so nothing is
// converted: the units are copied, or the buffer is viewed as the other type.
#include <string>
#include <string_view>

namespace win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows API's wide characters are UTF-16 code units");

inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string U16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

// A portable string handed to an API call as it is, without a copy.
inline const wchar_t* WidePtr(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
// The same for a view, which need not end in a zero: pass its size along.
inline const wchar_t* WideData(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }

}  // namespace win
