#include "frontends/qt/viewer/ViewerWidget.h"

#include "core/panes/SplitterGeometry.h"
#include "frontends/qt/commands/ViewerFeatures.h"
#include "frontends/qt/opening/QtOpening.h"
#include "frontends/qt/panes/ContentPanes.h"
#include "frontends/qt/tree/OutlineModel.h"
#include "frontends/qt/viewer/Settings.h"
#include "model/Book.h"
#include "opening/OpenDocument.h"
#include "platform/FilePath.h"
#include "platform/Guard.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QSplitter>
#include <QTreeView>

#include <climits>
#include <optional>

namespace qtviewer {
namespace {

// The bar's place is stored as the Win32 viewer stores it, under its
// splitter's number.
constexpr int kSplitterId = 13;

std::optional<int> StoredSplit()
{
    const std::unique_ptr<core::KeyValueStore> store = OpenSettingsStore();
    const std::unique_ptr<core::KeyValues> key = store ? store->OpenKey(core::SplitterProfileSection(kSplitterId)) : nullptr;
    const std::optional<uint32_t> stored = key ? key->ReadNumber(core::kSplitterProfileKey) : std::nullopt;
    if (!stored || *stored > static_cast<uint32_t>(INT_MAX))
        return std::nullopt;
    return static_cast<int>(*stored);
}

}  // namespace

ViewerWidget::ViewerWidget(QWidget* parent)
    : QWidget(parent), splitter_(new QSplitter(Qt::Horizontal, this)), tree_(new QTreeView), content_(new ContentPanes)
{
    setObjectName(QStringLiteral("vornviewViewer"));
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setExpandsOnDoubleClick(true);
    tree_->setMouseTracking(true);
    splitter_->addWidget(tree_);
    splitter_->addWidget(content_);
    splitter_->setChildrenCollapsible(false);
    // The tree keeps its width when the window's changes.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    ApplyTreeSettings();
    setFocusProxy(tree_);
    // A row opened gets its children, whether the view lays it out now or
    // later. Open folders show open; nothing else in the model changes.
    connect(tree_, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        platform::GuardVoid([&] {
            if (model_ && model_->canFetchMore(index))
                model_->fetchMore(index);
        });
        tree_->viewport()->update();
    });
    connect(tree_, &QTreeView::collapsed, this, [this] { tree_->viewport()->update(); });
    features_ = new ViewerFeatures(*this);
}

// The views go before the model and the book they read.
ViewerWidget::~ViewerWidget()
{
    platform::GuardVoid([this] { StoreSplit(); });
    tree_->setModel(nullptr);
    delete splitter_;
}

// The bar starts where it was last left, else where the Win32 viewer puts
// it, once the width is known.
void ViewerWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (splitPlaced_ || width() <= 0)
        return;
    const core::Box client{0, 0, width(), height()};
    const std::optional<int> stored = StoredSplit();
    splitPlace_ = stored ? core::ClampSplit(client, *stored, core::kSplitMinLeft, core::kSplitMinRight)
                         : core::DefaultSplitPosition(width());
    splitter_->setSizes({splitPlace_, width() - splitPlace_});
    splitPlaced_ = true;
}

// Only a bar the user moved is written.
void ViewerWidget::StoreSplit()
{
    const QList<int> sizes = splitter_->sizes();
    if (!splitPlaced_ || tree_->isHidden() || sizes.size() < 2 || sizes[0] == splitPlace_)
        return;
    const std::unique_ptr<core::KeyValueStore> store = OpenSettingsStore();
    if (const std::unique_ptr<core::KeyValues> key = store ? store->CreateKey(core::SplitterProfileSection(kSplitterId)) : nullptr)
        key->WriteNumber(core::kSplitterProfileKey, static_cast<uint32_t>(sizes[0]));
}

void ViewerWidget::ApplyTreeSettings()
{
    QPalette palette = tree_->palette();
    palette.setColor(QPalette::Base, ToQColor(Settings().treeBackColour));
    palette.setColor(QPalette::Text, ToQColor(Settings().treeTextColour));
    tree_->setPalette(palette);
    if (model_)
        model_->SetLook(Settings().treeTextColour, tree_->font());
}

bool ViewerWidget::Load(const std::filesystem::path& file)
{
    if (!opening::IsDocumentName(platform::PathText(file)))
        return false;
    // A fresh book, so that a failed open leaves what is shown untouched.
    auto book = std::make_unique<model::CBook>();
    if (!OpenInWidget(file, parentWidget() ? parentWidget() : this, *book))
        return false;

    auto outline = std::make_unique<OutlineModel>(*book);
    outline->SetLook(Settings().treeTextColour, tree_->font());
    outline->SetExpandedQuery([this](const QModelIndex& index) { return tree_->isExpanded(index); });
    QItemSelectionModel* oldSelection = tree_->selectionModel();
    tree_->setModel(outline.get());
    delete oldSelection;
    model_ = std::move(outline);
    book_ = std::move(book);
    file_ = file;
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { platform::GuardVoid([&] { OnCurrentChanged(current); }); });

    content_->ShowInformation(book_->Version());
    const QModelIndex root = model_->index(0, 0);
    if (root.isValid())
        tree_->expand(root);
    tree_->setFocus();
    Q_EMIT DocumentLoaded();
    return true;
}

void ViewerWidget::OnCurrentChanged(const QModelIndex& current)
{
    const model::CPage* page = model_ ? model_->PageAt(current) : nullptr;
    if (!page || model_->IsContainer(current))
        return;  // folders and the root show nothing of their own
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        ~Restore() { QApplication::restoreOverrideCursor(); }
    } restore;
    DisplayPage(page->Id());
}

void ViewerWidget::DisplayPage(uint32_t pageId)
{
    const model::CPage* page = book_ ? book_->FindPage(pageId) : nullptr;
    if (page && !page->IsFolder())
        content_->Show(*page);
}

const model::CPage* ViewerWidget::ShownPage() const
{
    const std::optional<uint32_t> shown = content_->ShownPageId();
    return book_ && shown ? book_->FindPage(*shown) : nullptr;
}

bool ViewerWidget::OpenPageLink(uint32_t pageId)
{
    const model::CPage* page = book_ ? book_->FindPage(pageId) : nullptr;
    if (!page || !model_)
        return false;
    DisplayPage(pageId);
    const QModelIndex found = model_->FindPage(pageId);
    for (QModelIndex up = found.parent(); up.isValid(); up = up.parent())
        tree_->expand(up);
    {
        // The page shows already: selecting its row must not show it again.
        const QSignalBlocker quiet(tree_->selectionModel());
        tree_->selectionModel()->setCurrentIndex(found, QItemSelectionModel::ClearAndSelect);
    }
    tree_->viewport()->update();
    if (found.isValid())
        tree_->scrollTo(found);
    content_->currentWidget()->setFocus();
    return true;
}

void ViewerWidget::ExpandAll()
{
    const QModelIndex start = tree_->currentIndex();
    if (!model_ || !start.isValid())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    tree_->setUpdatesEnabled(false);
    const bool wasOpen = tree_->isExpanded(start);
    tree_->collapse(start);
    const std::vector<uint32_t> opened = model_->ShowAllBelow(model_->NodeOf(start));
    // Deepest first: opening a row that does not show is cheap.
    for (auto it = opened.rbegin(); it != opened.rend(); ++it)
        if (model_->Outline().At(*it).container || (*it == model_->NodeOf(start) && wasOpen))
            tree_->expand(model_->IndexOf(*it));
    tree_->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
}

void ViewerWidget::CollapseAll()
{
    const QModelIndex start = tree_->currentIndex();
    if (!model_ || !start.isValid())
        return;
    tree_->setUpdatesEnabled(false);
    for (uint32_t node : model_->Outline().InViewBelow(model_->NodeOf(start)))
        tree_->collapse(model_->IndexOf(node));
    tree_->setUpdatesEnabled(true);
}

// The host's Copy copies what the focused pane's own Copy would.
void ViewerWidget::Copy()
{
    if (tree_->hasFocus())
        features_->CopySelectedPage();
    else
        content_->Copy();
}

void ViewerWidget::SelectAll() { content_->SelectAll(); }

void ViewerWidget::SetWordWrap(bool wrap) { content_->SetWordWrap(wrap); }

bool ViewerWidget::Search(std::u16string_view pattern, int hostFlags) { return features_->Search(pattern, hostFlags); }

// A hidden tree never takes the focus: the arrow keys would change the page
// where the user cannot see it.
void ViewerWidget::SwitchFocus()
{
    if (tree_->hasFocus() || tree_->isHidden())
        content_->currentWidget()->setFocus();
    else
        tree_->setFocus();
}

void ViewerWidget::ToggleTreePane()
{
    if (tree_->isHidden()) {
        tree_->show();
        tree_->setFocus();
    } else {
        tree_->hide();
        content_->currentWidget()->setFocus();
    }
}

}  // namespace qtviewer
