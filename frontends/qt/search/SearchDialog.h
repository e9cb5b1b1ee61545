#pragma once
// The viewer's own search dialog (F7) for a host that does not take the key
// from the viewer: the text and the options of a search, asked for without
// blocking the host's event loop. The search itself is the host's round
// (PageSearch), started from the top.
#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace qtviewer {

struct SearchRequest {
    QString text;
    bool matchCase = false;
    bool backwards = false;
};

inline constexpr char16_t kSearchTextNotFound[] = u"Text not found";

// The host's search flags of a search begun in the dialog.
int SearchFlagsOf(const SearchRequest& request);

// The English texts the dialog and its message show, for the language
// files to translate.
std::vector<std::u16string> SearchDialogTexts();

class SearchDialog final : public QDialog {
    Q_OBJECT
public:
    using Translate = std::function<QString(const QString& english)>;
    SearchDialog(QWidget* parent, const SearchRequest& last, const Translate& translate);

    SearchRequest Request() const;

private:
    QLineEdit* text_;
    QCheckBox* matchCase_;
    QCheckBox* backwards_;
};

}  // namespace qtviewer
