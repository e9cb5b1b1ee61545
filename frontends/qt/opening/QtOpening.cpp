#include "frontends/qt/opening/QtOpening.h"

#include "frontends/qt/viewer/Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace qtviewer {
namespace {

QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }

// Overwrites the text before its memory goes.
void Forget(QString& text)
{
    text.fill(QChar(u'\0'));
    text.clear();
}

// A smooth 200 x 10 bar in the middle of the owner, with the wait cursor
// while the pages are read; gone on every way out.
class ProgressBar final : public opening::ProgressSink {
public:
    explicit ProgressBar(QWidget* owner) : owner_(owner) {}
    ~ProgressBar() override { Dismiss(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void ReadingStarted() override
    {
        if (owner_) {
            bar_ = std::make_unique<QProgressBar>(owner_);
            bar_->setRange(0, 100);
            bar_->setTextVisible(false);
            bar_->setGeometry(owner_->width() / 2 - 100, owner_->height() / 2 - 10, 200, 10);
            bar_->show();
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        waiting_ = true;
    }

    // The bar hears only of a new percentage: a repaint per page would cost
    // a large notebook a noticeable part of its load.
    void PageRead(uint32_t index, uint32_t count) override
    {
        if (!bar_ || count == 0)
            return;
        const auto percent = static_cast<int>(uint64_t{index} * 100 / count);
        if (percent != bar_->value())
            bar_->setValue(percent);
    }

    void ReadingEnded() override { RestoreCursor(); }

    void Dismiss() override
    {
        RestoreCursor();
        bar_.reset();
    }

private:
    void RestoreCursor()
    {
        if (waiting_)
            QApplication::restoreOverrideCursor();
        waiting_ = false;
    }

    QWidget* owner_;
    std::unique_ptr<QProgressBar> bar_;
    bool waiting_ = false;
};

// The procedure's warnings under the application's name; the last "Cant
// load document" without a caption of its own.
class MessageBoxes final : public opening::MessageSink {
public:
    explicit MessageBoxes(QWidget* owner) : owner_(owner) {}
    void Warn(const std::u16string& text) override
    {
        QMessageBox::warning(owner_, QString::fromLatin1(kAppName), ToQString(text));
    }
    void CantLoad(const std::u16string& text) override
    {
        QMessageBox::warning(owner_, QString(), ToQString(text));
    }

private:
    QWidget* owner_;
};

}  // namespace

PasswordDialog::PasswordDialog(QWidget* owner, const QString& prompt, const QString& password, bool showPassword)
    : QDialog(owner),
      prompt_(new QLabel(prompt.isEmpty() ? QStringLiteral("Type Password:") : prompt, this)),
      edit_(new QLineEdit(password, this)),
      show_(new QCheckBox(QStringLiteral("Show password on typing"), this))
{
    setWindowTitle(QStringLiteral("Password"));
    setObjectName(QStringLiteral("vornviewPassword"));
    prompt_->setWordWrap(true);
    show_->setChecked(showPassword);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(show_, &QCheckBox::toggled, this, [this] { ApplyShowPassword(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(edit_);
    layout->addWidget(show_);
    layout->addWidget(buttons);
    ApplyShowPassword();
    edit_->selectAll();
    edit_->setFocus();
}

PasswordDialog::~PasswordDialog()
{
    QString typed = edit_->text();
    edit_->clear();
    Forget(typed);
}

void PasswordDialog::ApplyShowPassword()
{
    edit_->setEchoMode(show_->isChecked() ? QLineEdit::Normal : QLineEdit::Password);
}

QString PasswordDialog::Password() const { return edit_->text(); }

bool PasswordDialog::ShowPassword() const { return show_->isChecked(); }

std::optional<std::u16string> DialogPasswordPrompt::Ask(const std::u16string& prompt, const std::u16string& previous)
{
    QString last = ToQString(previous);
    PasswordDialog dialog(owner_, ToQString(prompt), last, Settings().showPassword == 1);
    Forget(last);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    Settings().showPassword = dialog.ShowPassword() ? 1 : 0;
    SaveSettings();
    if (!confirmed)
        return std::nullopt;
    QString typed = dialog.Password();
    std::u16string password = typed.toStdU16String();
    Forget(typed);
    return password;
}

void DialogPasswordPrompt::Wait(std::chrono::milliseconds delay) { QThread::msleep(static_cast<unsigned long>(delay.count())); }

bool OpenInWidget(const std::filesystem::path& path, QWidget* owner, model::CBook& book)
{
    DialogPasswordPrompt passwords(owner);
    MessageBoxes messages(owner);
    ProgressBar progress(owner);
    return opening::OpenDocument(path, book, passwords, messages, progress).outcome == opening::OpenOutcome::Opened;
}

}  // namespace qtviewer
