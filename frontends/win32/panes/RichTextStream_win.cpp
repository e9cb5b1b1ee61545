#include "frontends/win32/panes/RichTextStream_win.h"

#include "text/RtfText.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <exception>

namespace viewer {
namespace {

constexpr LRESULT kFirstLimit = 0xFFFFFF;
constexpr LRESULT kLargestLimit = 0x7FFFFFFD;
constexpr size_t kSmallAnsiLimit = 65534;
constexpr size_t kOutGrowth = 102400;

struct InStream {
    const BYTE* data;
    size_t size;
    size_t offset;
    bool utf16Text;  // plain text as UTF-16 units, where line ends count
};

char16_t UnitAt(const InStream& in, size_t byte)
{
    char16_t unit = 0;
    std::memcpy(&unit, in.data + byte, sizeof unit);
    return unit;
}

// The control takes each chunk of text on its own: a CR at the end of one
// and the LF at the start of the next would make two paragraph breaks. So a
// chunk of UTF-16 text holds whole units and ends before such a CR, which
// opens the next chunk instead (a chunk of one unit must still give it).
size_t ChunkSize(const InStream& in, size_t wanted)
{
    const size_t left = in.size - in.offset;
    size_t n = std::min(wanted, left);
    if (!in.utf16Text || n == left || n < 2 * sizeof(char16_t))
        return n;
    n -= n % sizeof(char16_t);
    if (n + sizeof(char16_t) <= left && UnitAt(in, in.offset + n - sizeof(char16_t)) == u'\r' &&
        UnitAt(in, in.offset + n) == u'\n')
        n -= sizeof(char16_t);
    return n;
}

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given)
{
    auto* in = reinterpret_cast<InStream*>(cookie);
    const size_t n = ChunkSize(*in, static_cast<size_t>(wanted > 0 ? wanted : 0));
    std::memcpy(buffer, in->data + in->offset, n);
    in->offset += n;
    *given = static_cast<LONG>(n);
    return 0;
}

struct OutStream {
    std::vector<BYTE> bytes;
    std::exception_ptr failure;
};

// Called from inside the control: a growing buffer may throw (bad_alloc
// comes soon in a 32-bit process), and nothing may unwind through the
// control's frames. The 32-bit runtime cannot unwind through them at all and
// ends the process; so the failure stops the stream here and is thrown again
// once the control has returned.
DWORD CALLBACK WriteChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* taken)
{
    auto* out = reinterpret_cast<OutStream*>(cookie);
    *taken = 0;
    try {
        if (out->bytes.capacity() - out->bytes.size() < static_cast<size_t>(size))
            out->bytes.reserve(out->bytes.size() + std::max(kOutGrowth, static_cast<size_t>(size)));
        out->bytes.insert(out->bytes.end(), buffer, buffer + size);
    } catch (...) {
        out->failure = std::current_exception();
        return 1;
    }
    *taken = size;
    return 0;
}

bool StreamIn(HWND edit, const void* bytes, size_t size, WPARAM format)
{
    InStream in{static_cast<const BYTE*>(bytes), size, 0, format == (SF_TEXT | SF_UNICODE)};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&in), 0, ReadChunk};
    SendMessageW(edit, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

}  // namespace

// Each step only ever raises the limit: the first that takes effect ends it.
void RaiseTextLimit(HWND edit, size_t byteCount)
{
    const LRESULT bytes = static_cast<LRESULT>(std::min<size_t>(byteCount, kLargestLimit));
    for (LRESULT target : {kFirstLimit, kLargestLimit, bytes}) {
        if (SendMessageW(edit, EM_GETLIMITTEXT, 0, 0) >= target)
            continue;
        SendMessageW(edit, EM_EXLIMITTEXT, 0, target);
        if (SendMessageW(edit, EM_GETLIMITTEXT, 0, 0) >= target)
            return;
    }
}

bool StreamInPlainText(HWND edit, std::u16string_view text)
{
    const size_t bytes = text.size() * sizeof(char16_t);
    RaiseTextLimit(edit, bytes);
    return StreamIn(edit, text.data(), bytes, SF_TEXT | SF_UNICODE);
}

bool StreamInRtf(HWND edit, std::u16string_view rtf)
{
    const size_t bytes = rtf.size() * sizeof(char16_t);
    RaiseTextLimit(edit, bytes);
    if (StreamIn(edit, rtf.data(), bytes, SF_RTF | SF_UNICODE))
        return true;
    const std::string narrow = text::SevenBitRtf(rtf);
    if (narrow.size() > kSmallAnsiLimit)
        SendMessageW(edit, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(std::min(narrow.size() * 2, size_t{kLargestLimit})));
    return StreamIn(edit, narrow.data(), narrow.size(), SF_RTF);
}

std::vector<BYTE> StreamOutSelection(HWND edit, DWORD format)
{
    OutStream out;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&out), 0, WriteChunk};
    SendMessageW(edit, EM_STREAMOUT, SFF_SELECTION | format, reinterpret_cast<LPARAM>(&stream));
    if (out.failure)
        std::rethrow_exception(out.failure);
    return std::move(out.bytes);
}

std::u16string PositionText(HWND edit)
{
    GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LRESULT length = SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
    if (length <= 0)
        return {};
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    TEXTRANGEW range{{0, static_cast<LONG>(length)}, reinterpret_cast<wchar_t*>(text.data())};
    const LRESULT copied = SendMessageW(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace viewer
