// Saves UTF-8 text as RTF the way the system's rich edit control does: each
// input file's lines in a font of the character set named for it.
//   StreamOutRtf OUT.rtf CHARSET:FACE:IN.txt [CHARSET:FACE:IN.txt ...]
// Built and run under Wine by tests/rtfcorpus/make; not part of the build.
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::wstring Utf8File(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::wstring text(bytes.size(), L'\0');
    text.resize(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                    static_cast<int>(text.size())));
    std::wstring lines;  // the control ends a paragraph with CR
    for (wchar_t c : text)
        if (c != L'\r')
            lines += c == L'\n' ? L'\r' : c;
    return lines;
}

DWORD CALLBACK WriteOut(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* written)
{
    *written = static_cast<LONG>(fwrite(bytes, 1, static_cast<size_t>(count), reinterpret_cast<FILE*>(cookie)));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: StreamOutRtf OUT.rtf CHARSET:FACE:IN.txt ...\n");
        return 2;
    }
    LoadLibraryW(L"msftedit.dll");
    HWND edit = CreateWindowExW(0, MSFTEDIT_CLASS, L"", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr, nullptr,
                                nullptr, nullptr);
    if (!edit)
        return 1;
    for (int i = 2; i < argc; ++i) {
        const std::string part = argv[i];
        const size_t first = part.find(':'), second = part.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            return 2;
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_FACE | CFM_CHARSET;
        format.bCharSet = static_cast<BYTE>(std::stoi(part.substr(0, first)));
        const std::string face = part.substr(first + 1, second - first - 1);
        MultiByteToWideChar(CP_UTF8, 0, face.c_str(), -1, format.szFaceName, LF_FACESIZE);
        const std::wstring text = Utf8File(part.substr(second + 1).c_str());

        GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
        const LONG start = static_cast<LONG>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
        CHARRANGE end{start, start};
        SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        CHARRANGE inserted{start, -1};
        SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&inserted));
        SendMessageW(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    }
    FILE* out = fopen(argv[1], "wb");
    if (!out)
        return 1;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(out), 0, WriteOut};
    SendMessageW(edit, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    fclose(out);
    DestroyWindow(edit);
    return stream.dwError == 0 ? 0 : 1;
}
