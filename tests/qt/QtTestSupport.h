#pragma once
// What the Qt tests share: notebooks the kit writes into a temporary
// folder, and an answerer for the modal dialogs a test provokes.
#include "tests/kit/Document.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <string>

namespace qttest {

inline QString WriteNotebook(const QTemporaryDir& dir, const QString& name, const kit::BookSpec& book,
                             const kit::DocumentOptions& options = {})
{
    const std::vector<uint8_t> bytes = kit::WriteDocument(book, options);
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path;
}

// Answers each modal dialog that opens while it lives: the message boxes
// with OK, the password dialog with the next password given (none left:
// Cancel). Records "caption|text" of each, the password dialog as
// "Password|prompt|prefilled text".
class DialogAnswerer {
public:
    explicit DialogAnswerer(QStringList passwords = {}) : passwords_(std::move(passwords))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(5);
    }
    const QStringList& Seen() const { return seen_; }

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen_ << box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            auto* edit = dialog->findChild<QLineEdit*>();
            auto* prompt = dialog->findChild<QLabel*>();
            seen_ << dialog->windowTitle() + QLatin1Char('|') + (prompt ? prompt->text() : QString()) +
                         QLatin1Char('|') + (edit ? edit->text() : QString());
            if (passwords_.isEmpty() || !edit) {
                dialog->reject();
            } else {
                edit->setText(passwords_.takeFirst());
                dialog->accept();
            }
        }
    }

    QStringList passwords_;
    QStringList seen_;
    QTimer timer_;
};

}  // namespace qttest
