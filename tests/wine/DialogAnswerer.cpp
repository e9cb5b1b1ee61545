#include "DialogAnswerer.h"
#include "PluginFixture.h"

#include <algorithm>

namespace wine_tests {
namespace {

DialogAnswerer* gActive = nullptr;
constexpr UINT_PTR kAnswerTimer = 0x7A11;
constexpr int kPasswordEdit = 1000;
constexpr int kPasswordPrompt = 1001;
constexpr int kPasswordShow = 1002;

std::wstring WindowText(HWND hwnd)
{
    wchar_t buffer[2048] = {};
    GetWindowTextW(hwnd, buffer, 2048);
    return buffer;
}

BOOL CALLBACK FirstIcon(HWND child, LPARAM out)
{
    auto* icon = reinterpret_cast<HICON*>(out);
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK LongestStatic(HWND child, LPARAM out)
{
    auto* text = reinterpret_cast<std::wstring*>(out);
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0) {
        std::wstring t = WindowText(child);
        if (t.size() > text->size())
            *text = t;
    }
    return TRUE;
}

bool IsPasswordDialog(HWND dialog)
{
    return GetDlgItem(dialog, kPasswordEdit) && GetDlgItem(dialog, kPasswordShow) && GetDlgItem(dialog, kPasswordPrompt);
}

}  // namespace

DialogAnswerer::DialogAnswerer()
{
    gActive = this;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

DialogAnswerer::~DialogAnswerer()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (gActive == this)
        gActive = nullptr;
}

std::vector<std::wstring> DialogAnswerer::MessageTexts() const
{
    std::vector<std::wstring> texts;
    for (const SeenDialog& d : seen_)
        if (!d.isPassword)
            texts.push_back(d.text);
    return texts;
}

LRESULT CALLBACK DialogAnswerer::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && gActive) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        auto& handled = gActive->handled_;
        if (ClassOf(hwnd) == L"#32770" && std::find(handled.begin(), handled.end(), hwnd) == handled.end()) {
            handled.push_back(hwnd);
            gActive->Record(hwnd);
            // Answer from inside the dialog's own message loop, once it runs.
            SetTimer(hwnd, kAnswerTimer, 20, AnswerProc);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswerer::Record(HWND dialog)
{
    SeenDialog seen;
    seen.caption = WindowText(dialog);
    seen.tick = GetTickCount();
    seen.isPassword = IsPasswordDialog(dialog);
    seen.owner = GetWindow(dialog, GW_OWNER);
    if (seen.isPassword) {
        seen.text = WindowText(GetDlgItem(dialog, kPasswordPrompt));
        HWND edit = GetDlgItem(dialog, kPasswordEdit);
        seen.initialPassword = WindowText(edit);
        seen.initialShowPassword = IsDlgButtonChecked(dialog, kPasswordShow) == BST_CHECKED;
        seen.passwordStyle = SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0) != 0;
    } else {
        EnumChildWindows(dialog, LongestStatic, reinterpret_cast<LPARAM>(&seen.text));
        EnumChildWindows(dialog, FirstIcon, reinterpret_cast<LPARAM>(&seen.icon));
    }
    seen_.push_back(std::move(seen));
}

void CALLBACK DialogAnswerer::AnswerProc(HWND hwnd, UINT, UINT_PTR id, DWORD)
{
    KillTimer(hwnd, id);
    if (gActive)
        gActive->Answer(hwnd);
}

void DialogAnswerer::Answer(HWND dialog)
{
    if (!IsPasswordDialog(dialog)) {
        if (!actions_.empty()) {
            auto action = std::move(actions_.front());
            actions_.pop_front();
            action(dialog);
        }
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        return;
    }
    if (passwords_.empty()) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    PasswordAnswer answer = passwords_.front();
    passwords_.pop_front();
    SetDlgItemTextW(dialog, kPasswordEdit, answer.password.c_str());
    bool checked = IsDlgButtonChecked(dialog, kPasswordShow) == BST_CHECKED;
    if (checked != answer.showPassword)
        SendMessageW(GetDlgItem(dialog, kPasswordShow), BM_CLICK, 0, 0);
    PostMessageW(dialog, WM_COMMAND, answer.ok ? IDOK : IDCANCEL, 0);
}

}  // namespace wine_tests
