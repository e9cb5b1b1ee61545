#include "frontends/qt/search/SearchDialog.h"

#include "core/search/SearchRound.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtviewer {
namespace {

constexpr char16_t kTitle[] = u"Find";
constexpr char16_t kSearchFor[] = u"Search for";
constexpr char16_t kMatchCase[] = u"Match case";
constexpr char16_t kBackwards[] = u"Backwards";
constexpr char16_t kCancel[] = u"Cancel";

QString Q(const char16_t* text) { return QString::fromUtf16(text); }

}  // namespace

int SearchFlagsOf(const SearchRequest& request)
{
    return core::kSearchFindFirst | (request.matchCase ? core::kSearchMatchCase : 0) |
           (request.backwards ? core::kSearchBackwards : 0);
}

std::vector<std::u16string> SearchDialogTexts()
{
    return {kTitle, kSearchFor, kMatchCase, kBackwards, kCancel, kSearchTextNotFound};
}

SearchDialog::SearchDialog(QWidget* parent, const SearchRequest& last, const Translate& translate)
    : QDialog(parent),
      text_(new QLineEdit(last.text)),
      matchCase_(new QCheckBox(translate(Q(kMatchCase)))),
      backwards_(new QCheckBox(translate(Q(kBackwards))))
{
    setWindowTitle(translate(Q(kTitle)));
    matchCase_->setChecked(last.matchCase);
    backwards_->setChecked(last.backwards);
    text_->selectAll();
    auto* buttons = new QDialogButtonBox;
    QPushButton* find = buttons->addButton(translate(Q(kTitle)), QDialogButtonBox::AcceptRole);
    buttons->addButton(translate(Q(kCancel)), QDialogButtonBox::RejectRole);
    find->setDefault(true);
    // Nothing to look for, nothing to start.
    find->setEnabled(!last.text.isEmpty());
    connect(text_, &QLineEdit::textChanged, find, [find](const QString& text) { find->setEnabled(!text.isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(translate(Q(kSearchFor)) + u':'));
    layout->addWidget(text_);
    layout->addWidget(matchCase_);
    layout->addWidget(backwards_);
    layout->addWidget(buttons);
    text_->setFocus();
}

SearchRequest SearchDialog::Request() const
{
    return {text_->text(), matchCase_->isChecked(), backwards_->isChecked()};
}

}  // namespace qtviewer
