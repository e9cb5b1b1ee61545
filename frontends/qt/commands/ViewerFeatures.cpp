#include "frontends/qt/commands/ViewerFeatures.h"

#include "frontends/qt/commands/ContextMenus.h"
#include "frontends/qt/commands/OwnWindow.h"
#include "frontends/qt/commands/PaneLook.h"
#include "frontends/qt/links/LinkClicks.h"
#include "frontends/qt/opening/QtOpening.h"
#include "frontends/qt/panes/ContentPanes.h"
#include "frontends/qt/panes/SafeHtmlBrowser.h"
#include "frontends/qt/system/MenuLanguages.h"
#include "frontends/qt/tree/OutlineModel.h"
#include "frontends/qt/viewer/Settings.h"
#include "frontends/qt/viewer/ViewerWidget.h"
#include "model/Book.h"
#include "platform/FilePath.h"
#include "platform/Guard.h"
#include "resources/ResourceIds.h"
#include "text/RtfText.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>
#include <QTextBrowser>
#include <QTreeView>

namespace qtviewer {
namespace {

QWidget* AsWidget(QWidget* widget) { return widget; }

}  // namespace

ViewerFeatures::ViewerFeatures(ViewerWidget& viewer)
    : QObject(&viewer),
      viewer_(viewer),
      keys_(*this),
      richClicks_(new LinkClicks(*viewer.Content()->RichView(), richLinks_,
                                 [this](uint32_t page) { return viewer_.OpenPageLink(page); })),
      plainClicks_(new LinkClicks(*viewer.Content()->PlainView(), plainLinks_,
                                  [this](uint32_t page) { return viewer_.OpenPageLink(page); })),
      desktop_(&DesktopLinks()),
      tracker_(&SystemMenuTracker()),
      dialogs_(&SystemLookDialogs())
{
    ContentPanes& content = *viewer.Content();
    keys_.Watch(*content.HtmlView());
    // The HTML view keeps its own menu, as the browser control does.
    for (QWidget* pane : {AsWidget(viewer.Tree()), AsWidget(content.RichView()), AsWidget(content.PlainView())}) {
        keys_.Watch(*pane);
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this,
                [this, pane](QPoint point) { platform::GuardVoid([&] { ShowMenu(*pane, point); }); });
    }
    connect(&content, &ContentPanes::PageShown, this, [this] { platform::GuardVoid([&] { PageShown(); }); });
    connect(&viewer, &ViewerWidget::DocumentLoaded, this, [this] {
        search_.reset();
        richLinks_.Clear();
        plainLinks_.Clear();
    });  // nothing here throws
    ApplyTreeLook();
}

ViewerFeatures::~ViewerFeatures() = default;

void ViewerFeatures::SetDesktop(LinkOpener& desktop)
{
    desktop_ = &desktop;
    richClicks_->SetOpener(desktop);
    plainClicks_->SetOpener(desktop);
}

// The passes run on the page as it went into its view; an HTML page has
// its own links.
void ViewerFeatures::PageShown()
{
    ContentPanes& content = *viewer_.Content();
    richLinks_.Clear();
    plainLinks_.Clear();
    if (content.currentWidget() == content.RichView())
        richLinks_.Apply(*content.RichView()->document());
    else if (content.currentWidget() == content.PlainView())
        plainLinks_.Apply(*content.PlainView()->document());
}

void ViewerFeatures::ApplyTreeLook()
{
    QTreeView& tree = *viewer_.Tree();
    const SettingsRecord& settings = Settings();
    QPalette palette = tree.palette();
    palette.setColor(QPalette::Base, ToQColor(settings.treeBackColour));
    palette.setColor(QPalette::Text, ToQColor(settings.treeTextColour));
    tree.setPalette(palette);
    tree.setFont(TreeFontOf(settings.treeFont, tree.font()));
    if (OutlineModel* outline = viewer_.TreeModel())
        outline->SetLook(settings.treeTextColour, tree.font());
}

// The host's search: F3 is the host's again.
bool ViewerFeatures::Search(std::u16string_view pattern, int hostFlags)
{
    ownSearch_.reset();
    return RunSearch(pattern, hostFlags);
}

bool ViewerFeatures::RunSearch(std::u16string_view pattern, int hostFlags)
{
    if (!viewer_.Book())
        return false;
    if (!search_)
        search_ = std::make_unique<PageSearch>(*viewer_.Book());
    return search_->Find(*this, pattern, hostFlags);
}

bool ViewerFeatures::SwitchFocus()
{
    viewer_.SwitchFocus();
    return true;
}

// Escape closes a window that shows only this viewer: the standalone
// viewer's, or a host's viewer window (the key never reaches the host);
// in a file manager's panel it closes nothing. The close waits for the
// event loop: a host whose window goes while it delivers the key crashes.
bool ViewerFeatures::RequestClose()
{
    QWidget* window = OwnWindowOf(viewer_);
    if (!window)
        return false;
    QMetaObject::invokeMethod(window, "close", Qt::QueuedConnection);
    return true;
}

// F3 and Shift+F3 after a search of the viewer's own dialog: the host
// knows nothing of it, and would ask for a search of its own.
bool ViewerFeatures::ClaimsHostKey(char16_t key, core::KeyModifiers modifiers)
{
    return key == core::FunctionKey(3) && !modifiers.control && !modifiers.alt && ownSearch_ && viewer_.Book();
}

// F7 reaches no host: a host's viewer takes only the keys its menus carry
// from the viewer, and F7 is none of them. The viewer asks for the search
// itself.
bool ViewerFeatures::HostKey(char16_t key, core::KeyModifiers modifiers)
{
    if (!viewer_.Book())
        return false;
    if (key == core::FunctionKey(7)) {
        OpenSearchDialog();
        return true;
    }
    if (!ClaimsHostKey(key, modifiers))
        return false;
    // F3 goes on the dialog's way, Shift+F3 the other.
    const bool backwards = ownSearch_->backwards != modifiers.shift;
    SearchForUser(*ownSearch_, (ownSearch_->matchCase ? core::kSearchMatchCase : 0) | (backwards ? core::kSearchBackwards : 0));
    return true;
}

// A dialog that closes gives the keyboard back to the viewer's window, so
// that the host's keys (F3, n, p) work on at once; without a window manager
// nothing else would.
void ViewerFeatures::ReturnKeyboardOnClose(QDialog& dialog)
{
    connect(&dialog, &QDialog::finished, this, [this] { viewer_.window()->activateWindow(); });
}

// Shown without a loop of its own: the host's events go on while it shows.
void ViewerFeatures::OpenSearchDialog()
{
    static SearchRequest last;  // the dialog offers what was searched last
    const MenuLanguages& languages = MenuLanguages::Get(Settings().langName);
    auto* dialog = new SearchDialog(&viewer_, last, [&languages](const QString& text) { return languages.Text(text); });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    ReturnKeyboardOnClose(*dialog);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        platform::GuardVoid([&] {
            last = dialog->Request();
            ownSearch_ = last;
            SearchForUser(last, SearchFlagsOf(last));
        });
    });
    dialog->open();
}

void ViewerFeatures::SearchForUser(const SearchRequest& request, int hostFlags)
{
    if (RunSearch(request.text.toStdU16String(), hostFlags)) {
        viewer_.Content()->currentWidget()->setFocus();  // the match shows as the selection it is
        return;
    }
    const QString notFound = MenuLanguages::Get(Settings().langName).Text(QString::fromUtf16(kSearchTextNotFound));
    auto* message = new QMessageBox(QMessageBox::Information, QString::fromLatin1(kAppName),
                                    notFound + QStringLiteral(": ") + request.text, QMessageBox::Ok, &viewer_);
    message->setAttribute(Qt::WA_DeleteOnClose);
    ReturnKeyboardOnClose(*message);
    message->open();
}

bool ViewerFeatures::ToggleTreePane()
{
    viewer_.ToggleTreePane();
    return true;
}

void ViewerFeatures::SelectPage(uint32_t pageId) { viewer_.OpenPageLink(pageId); }

QString ViewerFeatures::DocumentPath() const { return QString::fromStdU16String(platform::PathText(viewer_.File())); }

QString ViewerFeatures::HeadingTitle() const
{
    const QString information = QString::fromStdU16String(InformationPageText({}));
    return information.left(information.indexOf(u'\n'));
}

QWidget* ViewerFeatures::Owner() { return &viewer_; }

const model::CPage* ViewerFeatures::ShownPage() const { return viewer_.ShownPage(); }

QWidget* ViewerFeatures::ShownTextView()
{
    return viewer_.ShownPage() ? viewer_.Content()->currentWidget() : nullptr;
}

void ViewerFeatures::ShowPage(const model::CPage& page) { viewer_.OpenPageLink(page.Id()); }

MenuRequest ViewerFeatures::RequestFor(QWidget& pane, const std::optional<ShownLink>& link) const
{
    const bool tree = &pane == viewer_.Tree();
    const OutlineModel* outline = viewer_.TreeModel();
    const QModelIndex current = viewer_.Tree()->currentIndex();
    MenuRequest request;
    request.pane = tree ? core::MenuPane::Tree : core::MenuPane::Text;
    request.book = viewer_.Book();
    request.state.selectedPage = outline ? outline->PageAt(current) : nullptr;
    request.selectedPageId = request.state.selectedPage ? request.state.selectedPage->Id() : -1;
    request.state.selectedIsContainer = outline && current.isValid() && outline->IsContainer(current);
    request.state.selectedHasChildren = outline && current.isValid() && outline->hasChildren(current);
    request.outsideLinkUnderPoint = link && !link->page;
    if (!tree) {
        const QWidget* shown = viewer_.Content()->currentWidget();
        if (const auto* rich = qobject_cast<const QTextEdit*>(shown))
            request.state.textSelected = rich->textCursor().hasSelection();
        else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(shown))
            request.state.textSelected = plain->textCursor().hasSelection();
    }
    return request;
}

void ViewerFeatures::ShowMenu(QWidget& pane, QPoint point)
{
    const model::CBook* book = viewer_.Book();
    if (!book)
        return;
    const bool tree = &pane == viewer_.Tree();
    if (tree) {
        // The item under the pointer becomes the selection, and shows.
        const QModelIndex under = viewer_.Tree()->indexAt(point);
        if (under.isValid())
            viewer_.Tree()->setCurrentIndex(under);
    }
    std::optional<ShownLink> link;
    if (&pane == viewer_.Content()->RichView())
        link = richClicks_->LinkAtPoint(point);
    else if (&pane == viewer_.Content()->PlainView())
        link = plainClicks_->LinkAtPoint(point);
    MenuLanguages& languages = MenuLanguages::Get(Settings().langName);
    const std::unique_ptr<QMenu> menu = BuildContextMenu(RequestFor(pane, link), languages, &pane);
    // A scroll area's menu point is its viewport's.
    const auto* area = qobject_cast<const QAbstractScrollArea*>(&pane);
    const int command = tracker_->Track(*menu, (area ? area->viewport() : &pane)->mapToGlobal(point));
    if (command == 0 || viewer_.Book() != book)
        return;  // nothing chosen, or another document came meanwhile
    const ViewerCommandContext context{*book, languages, Settings(), [] { SaveSettings(); }, *desktop_};
    if (!RunViewerCommand(command, context, *this))
        RunPaneCommand(tree, command, link ? &*link : nullptr);
}

void ViewerFeatures::RunPaneCommand(bool tree, int command, const ShownLink* link)
{
    ContentPanes& content = *viewer_.Content();
    const LookCommand look{tree ? core::MenuPane::Tree : core::MenuPane::Text, &viewer_,
                           tree ? viewer_.Tree()->font() : content.PlainView()->font(),
                           [this, tree] { tree ? ApplyTreeLook() : viewer_.Content()->ApplySettings(); },
                           [] { SaveSettings(); }};
    if (RunLookCommand(command, look, Settings(), *dialogs_))
        return;
    switch (command) {
    case ID_EXPAND_ALL: viewer_.ExpandAll(); return;
    case ID_COLLAPSE_ALL: viewer_.CollapseAll(); return;
    case ID_EDIT_SELECT_ALL: viewer_.SelectAll(); return;
    case ID_COPY_URL:
        if (link)
            QApplication::clipboard()->setText(link->text);
        return;
    case ID_EDIT_COPY:
    case ID_COPY_PLAIN:
    case ID_COPY_RTF:
        if (tree)
            CopyPage(command);
        else if (command == ID_COPY_PLAIN)
            CopySelectionAsText();
        else
            content.Copy();  // the selection, with its formats
        return;
    default: return;
    }
}

// The shown view's selection, its words only.
void ViewerFeatures::CopySelectionAsText()
{
    QTextCursor selection;
    const QWidget* shown = viewer_.Content()->currentWidget();
    if (const auto* rich = qobject_cast<const QTextEdit*>(shown))
        selection = rich->textCursor();
    else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(shown))
        selection = plain->textCursor();
    if (!selection.hasSelection()) {
        desktop_->Beep();
        return;
    }
    QApplication::clipboard()->setText(QTextDocumentFragment(selection).toPlainText());
}

void ViewerFeatures::CopySelectedPage() { CopyPage(ID_EDIT_COPY); }

// The selected page's text: rich pages as their RTF, the others as text.
void ViewerFeatures::CopyPage(int command)
{
    const OutlineModel* outline = viewer_.TreeModel();
    const model::CPage* page = outline ? outline->PageAt(viewer_.Tree()->currentIndex()) : nullptr;
    if (!page || page->IsFolder()) {
        desktop_->Beep();
        return;
    }
    const bool rtf = command == ID_COPY_RTF || (command == ID_EDIT_COPY && page->IsRichText());
    auto* data = new QMimeData;
    if (rtf)
        data->setData(QStringLiteral("text/rtf"), QByteArray::fromStdString(text::SevenBitRtf(page->Text())));
    else
        data->setText(QString::fromStdU16String(page->Text()));
    QApplication::clipboard()->setMimeData(data);
}

}  // namespace qtviewer
