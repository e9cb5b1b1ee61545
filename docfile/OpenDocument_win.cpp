#include "docfile/OpenDocument_win.h"

#include "docfile/Messages.h"
#include "docfile/OpenDocument.h"
#include "docfile/PasswordDialog_win.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/WaitCursor.h"
#include "platform/win32/Module.h"
#include "platform/win32/WideText.h"
#include "platform/FilePath.h"

#include <commctrl.h>

namespace docfile {
namespace {

// A smooth 200 x 10 bar in the middle of the parent, destroyed on every way out.
class ProgressBar {
public:
    explicit ProgressBar(HWND parent)
    {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&init);
        RECT client{};
        GetClientRect(parent, &client);
        hwnd_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | PBS_SMOOTH,
                                client.right / 2 - 100, client.bottom / 2 - 10, 200, 10, parent, nullptr,
                                win::ThisModule(), nullptr);
        if (hwnd_) {
            SendMessageW(hwnd_, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
            ShowWindow(hwnd_, SW_SHOW);
        }
    }
    ~ProgressBar() { Destroy(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // Called for every page: the bar hears only of a new percentage, since a
    // message per page costs a large notebook a noticeable part of its load.
    void SetPosition(uint32_t index, uint32_t count)
    {
        if (!hwnd_ || count == 0)
            return;
        const auto percent = static_cast<int>(uint64_t{index} * 100 / count);
        if (percent == shown_)
            return;
        shown_ = percent;
        SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    }
    void Destroy()
    {
        if (hwnd_)
            DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }

private:
    HWND hwnd_ = nullptr;
    int shown_ = 0;  // where PBM_SETRANGE leaves the bar
};

void Warn(const std::u16string& text) { win::AppMessageBox(nullptr, win::Wide(text), MB_OK | MB_ICONEXCLAMATION); }

bool FileCanBeOpened(const std::filesystem::path& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// Asks until the password is right or the user gives up. No limit on the
// tries; a wrong one makes every later check wait a second.
OpenOutcome AskPassword(const std::filesystem::path& path, HWND parent, model::CBook& book, PasswordChoice& choice)
{
    const std::u16string fileName = FileNamePart(platform::PathText(path));
    const std::wstring prompt = win::Wide(FormatText(kRequiredPassword, {fileName}));
    std::wstring password;
    DWORD retryDelay = 0;
    for (;;) {
        PasswordDialog dialog(prompt, password, choice.ShowPassword());
        bool confirmed = dialog.Ask(parent);
        choice.StoreShowPassword(dialog.ShowPassword());
        if (!confirmed) {
            SecureZeroMemory(password.data(), password.size() * sizeof(wchar_t));
            return OpenOutcome::Cancelled;
        }
        password = dialog.Password();
        if (retryDelay)
            Sleep(retryDelay);
        const std::u16string typed = win::U16(password);
        switch (UnlockBook(book, typed)) {
        case Unlock::Accepted:
            SecureZeroMemory(password.data(), password.size() * sizeof(wchar_t));
            return OpenOutcome::Opened;
        case Unlock::WrongPassword:
            Warn(FormatText(kInvalidPassword, {fileName}));
            retryDelay = 1000;
            break;
        case Unlock::DecipherFailed:
            Warn(FormatText(kCantEncodeWithPassword, {typed, fileName}));
            SecureZeroMemory(password.data(), password.size() * sizeof(wchar_t));
            return OpenOutcome::Failed;
        }
    }
}

}  // namespace

OpenOutcome OpenDocument(const std::filesystem::path& path, HWND parent, model::CBook& book, PasswordChoice& choice)
{
    if (!FileCanBeOpened(path))
        return OpenOutcome::Failed;

    ProgressBar progress(parent);
    ReadResult result;
    {
        win::WaitCursor wait;
        result = ReadDocument(path, book,
                              [&progress](uint32_t index, uint32_t count) { progress.SetPosition(index, count); });
    }
    if (!result.opened)
        return OpenOutcome::Failed;
    if (result.error)
        Warn(result.error->Message());
    // The password is asked for even when reading stopped early: what was
    // read carries the verifier, and the load is reported as failed after.
    if (book.IsProtected()) {
        progress.Destroy();
        if (const OpenOutcome asked = AskPassword(path, parent, book, choice); asked != OpenOutcome::Opened)
            return asked;
    }
    return result.loaded ? OpenOutcome::Opened : OpenOutcome::Failed;
}

}  // namespace docfile
