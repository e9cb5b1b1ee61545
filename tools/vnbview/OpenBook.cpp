#include "tools/vnbview/OpenBook.h"

#include <iostream>

#include "opening/Messages.h"
#include "platform/CodePage.h"
#include "tools/vnbview/ExitCodes.h"
#include "tools/vnbview/TextOut.h"
#include "tools/vnbview/Unreadable.h"

namespace vnbview {
namespace {

// Every message is flushed, so that it comes out before a prompt or output.
void Say(const std::u16string& message)
{
    std::cerr << LineText(message) << '\n';
    std::cerr.flush();
}

class StandardError final : public opening::MessageSink {
public:
    void Warn(const std::u16string& text) override { Say(text); }
    void CantLoad(const std::u16string& text) override { Say(text); }
    void CannotOpen(const std::filesystem::path& path, const std::u16string& fullPath) override
    {
        if (const std::string reason = WhyUnreadable(path); !reason.empty())
            Say(u"vnbview: cannot open " + fullPath + u": " + platform::Utf8ToWide(reason));
    }
};

}  // namespace

OpenedBook OpenBook(const std::filesystem::path& path, model::CBook& book, opening::PasswordPrompt& passwords)
{
    StandardError messages;
    opening::ProgressSink noProgress;
    const opening::OpenResult opened = opening::OpenDocument(path, book, passwords, messages, noProgress);
    switch (opened.outcome) {
    case opening::OpenOutcome::Opened:
        return {kExitOk, opened.fullPath};
    case opening::OpenOutcome::Failed:
        return {kExitLoad, opened.fullPath};
    case opening::OpenOutcome::Cancelled:
        break;
    }
    // None was given at all: say how to give one, not that it was wrong.
    if (opened.passwordsTried == 0)
        Say(opening::FileNamePart(opened.fullPath) +
            u" is protected: give its password with --password PW or --password-file FILE");
    return {kExitPassword, opened.fullPath};
}

}  // namespace vnbview
