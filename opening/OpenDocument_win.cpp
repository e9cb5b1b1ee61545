#include "opening/OpenDocument_win.h"

#include "opening/OpenDocument.h"
#include "opening/PasswordDialog_win.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/Module.h"
#include "platform/win32/WaitCursor.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>

#include <optional>

namespace opening {
namespace {

// A smooth 200 x 10 bar in the middle of the parent, with the hourglass
// while the pages are read; destroyed on every way out.
class ProgressBar final : public ProgressSink {
public:
    explicit ProgressBar(HWND parent) : parent_(parent) {}
    ~ProgressBar() override { Dismiss(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void ReadingStarted() override
    {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&init);
        RECT client{};
        GetClientRect(parent_, &client);
        hwnd_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | PBS_SMOOTH,
                                client.right / 2 - 100, client.bottom / 2 - 10, 200, 10, parent_, nullptr,
                                win::ThisModule(), nullptr);
        if (hwnd_) {
            SendMessageW(hwnd_, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
            ShowWindow(hwnd_, SW_SHOW);
        }
        wait_.emplace();
    }

    // The bar hears only of a new percentage, since a message per page
    // costs a large notebook a noticeable part of its load.
    void PageRead(uint32_t index, uint32_t count) override
    {
        if (!hwnd_ || count == 0)
            return;
        const auto percent = static_cast<int>(uint64_t{index} * 100 / count);
        if (percent == shown_)
            return;
        shown_ = percent;
        SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    }

    void ReadingEnded() override { wait_.reset(); }

    void Dismiss() override
    {
        wait_.reset();
        if (hwnd_)
            DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }

private:
    HWND parent_;
    HWND hwnd_ = nullptr;
    int shown_ = 0;  // where PBM_SETRANGE leaves the bar
    std::optional<win::WaitCursor> wait_;
};

// The procedure's warnings in the application's message box; the last
// "Cant load document" in the system's, owned by the Lister and without a
// caption of its own.
class MessageBoxes final : public MessageSink {
public:
    explicit MessageBoxes(HWND lister) : lister_(lister) {}
    void Warn(const std::u16string& text) override
    {
        win::AppMessageBox(nullptr, win::Wide(text), MB_OK | MB_ICONEXCLAMATION);
    }
    void CantLoad(const std::u16string& text) override
    {
        MessageBoxW(lister_, win::Wide(text).c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
    }

private:
    HWND lister_;
};

// Dialog 1001, prefilled with the last password tried; the check box's
// state is stored after every showing.
class DialogPrompt final : public PasswordPrompt {
public:
    DialogPrompt(HWND owner, PasswordChoice& choice) : owner_(owner), choice_(choice) {}

    std::optional<std::u16string> Ask(const std::u16string& prompt, const std::u16string& previous) override
    {
        PasswordDialog dialog(win::Wide(prompt), win::Wide(previous), choice_.ShowPassword());
        const bool confirmed = dialog.Ask(owner_);
        choice_.StoreShowPassword(dialog.ShowPassword());
        if (!confirmed)
            return std::nullopt;
        return win::U16(dialog.Password());
    }

    void Wait(std::chrono::milliseconds delay) override { Sleep(static_cast<DWORD>(delay.count())); }

private:
    HWND owner_;
    PasswordChoice& choice_;
};

}  // namespace

bool OpenInWindow(const std::filesystem::path& path, HWND lister, model::CBook& book, PasswordChoice& choice)
{
    DialogPrompt passwords(lister, choice);
    MessageBoxes messages(lister);
    ProgressBar progress(lister);
    return OpenDocument(path, book, passwords, messages, progress).outcome == OpenOutcome::Opened;
}

}  // namespace opening
