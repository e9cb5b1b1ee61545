#pragma once
// Opening a document inside a Qt widget: a progress bar with the wait
// cursor, the password dialog, message boxes and the wait before a retry.
#include "model/Book.h"
#include "opening/OpenDocument.h"

#include <QDialog>

#include <filesystem>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace qtviewer {

inline constexpr char kAppName[] = "Vorn View";

// Asks for a document's password; prefilled with the last one tried.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(QWidget* owner, const QString& prompt, const QString& password, bool showPassword);
    ~PasswordDialog() override;

    QString Password() const;
    // The check box as the user left it, whichever button closed the dialog.
    bool ShowPassword() const;

private:
    void ApplyShowPassword();

    QLabel* prompt_;
    QLineEdit* edit_;
    QCheckBox* show_;
};

// The prompt of the open procedure: the dialog, its check box kept in the
// settings after every showing.
class DialogPasswordPrompt final : public opening::PasswordPrompt {
public:
    explicit DialogPasswordPrompt(QWidget* owner) : owner_(owner) {}
    std::optional<std::u16string> Ask(const std::u16string& prompt, const std::u16string& previous) override;
    void Wait(std::chrono::milliseconds delay) override;

private:
    QWidget* owner_;
};

// Reads `path` into `book`; false when it is not loaded. A failed open ends
// with "Cant load document" in a message box over `owner`; a cancelled
// password dialog ends quietly.
bool OpenInWidget(const std::filesystem::path& path, QWidget* owner, model::CBook& book);

}  // namespace qtviewer
