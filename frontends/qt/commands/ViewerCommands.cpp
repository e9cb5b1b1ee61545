#include "frontends/qt/commands/ViewerCommands.h"

#include "core/commands/MenuContent.h"
#include "frontends/qt/links/LinkOpening.h"
#include "frontends/qt/system/MenuLanguages.h"
#include "model/Book.h"
#include "resources/ResourceIds.h"

#include <QMessageBox>

namespace qtviewer {
namespace {

const QString kCaption = QStringLiteral("Vorn View");

// The document opens in the program the desktop associates with it.
void EditDocument(ViewerCommandTarget& target, LinkOpener& desktop)
{
    const QString path = target.DocumentPath();
    if (!desktop.Open(QUrl::fromLocalFile(path)))
        QMessageBox::warning(target.Owner(), kCaption,
                             path + QStringLiteral("\n\nNo program could open the document."));
}

void SendBugReport(ViewerCommandTarget& target, LinkOpener& desktop)
{
    const std::u16string url = core::BugReportUrl(target.HeadingTitle().toStdU16String());
    if (!desktop.Open(QUrl(QString::fromStdU16String(url))))
        QMessageBox::critical(target.Owner(), kCaption,
                              QStringLiteral("Cannot start mail program. Please, send report to ") +
                                  QString::fromStdU16String(std::u16string(core::kBugReportAddress)));
}

}  // namespace

bool RunViewerCommand(int command, const ViewerCommandContext& context, ViewerCommandTarget& target)
{
    if (command == 0)
        return false;
    if (std::optional<std::u16string> name = context.languages.Choose(command)) {
        context.settings.langName = std::move(*name);
        if (context.save)
            context.save();
        return true;
    }
    switch (command) {
    case ID_TREE_PANE: target.ToggleTreePane(); return true;
    case ID_EDIT_DOCUMENT: EditDocument(target, context.desktop); return true;
    case ID_SEND_BUG_REPORT: SendBugReport(target, context.desktop); return true;
    default: break;
    }
    if (const model::CPage* page = core::FavouritePage(context.book, command)) {
        target.SelectPage(page->Id());
        return true;
    }
    return false;
}

}  // namespace qtviewer
