#pragma once
// Answers the modal dialogs the plug-in raises on this thread (message boxes
// and the password dialog) and records what they showed. A dialog without a
// queued answer is closed with Cancel (the password dialog) or OK.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace wine_tests {

struct SeenDialog {
    std::wstring caption;
    std::wstring text;  // message boxes: the message; password dialog: the prompt
    bool isPassword = false;
    std::wstring initialPassword;
    bool initialShowPassword = false;
    bool passwordStyle = false;  // the edit hides what is typed
    DWORD tick = 0;
    HWND owner = nullptr;
    HICON icon = nullptr;  // message boxes: the icon shown
};

struct PasswordAnswer {
    std::wstring password;
    bool showPassword = false;
    bool ok = true;
};

class DialogAnswerer {
public:
    DialogAnswerer();
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void QueuePassword(PasswordAnswer answer) { passwords_.push_back(std::move(answer)); }
    // Runs on the next dialog that is not the password dialog, before it is
    // confirmed (to pick a colour or a font, say).
    void QueueAction(std::function<void(HWND)> action) { actions_.push_back(std::move(action)); }
    const std::vector<SeenDialog>& Seen() const { return seen_; }
    std::vector<std::wstring> MessageTexts() const;
    void Clear() { seen_.clear(); }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK AnswerProc(HWND hwnd, UINT, UINT_PTR id, DWORD);
    void Record(HWND dialog);
    void Answer(HWND dialog);

    HHOOK hook_ = nullptr;
    std::deque<PasswordAnswer> passwords_;
    std::deque<std::function<void(HWND)>> actions_;
    std::vector<SeenDialog> seen_;
    std::vector<HWND> handled_;
};

}  // namespace wine_tests
