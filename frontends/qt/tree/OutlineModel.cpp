#include "frontends/qt/tree/OutlineModel.h"

#include "frontends/qt/viewer/Settings.h"
#include "model/Book.h"
#include "model/SiblingOrder.h"
#include "platform/Guard.h"

#include <QBrush>

namespace qtviewer {
namespace {

constexpr uint32_t kRoot = 0;
using model::Outline;

QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

OutlineModel::OutlineModel(const model::CBook& book, QObject* parent)
    : QAbstractItemModel(parent), book_(book), tree_(book), outline_(std::make_unique<model::Outline>(tree_))
{
    boldFont_.setBold(true);
    if (!outline_->Empty())
        outline_->Show(kRoot);
}

OutlineModel::~OutlineModel() = default;

void OutlineModel::SetLook(uint32_t defaultColour, const QFont& font)
{
    defaultColour_ = defaultColour;
    boldFont_ = font;
    boldFont_.setBold(true);
}

QModelIndex OutlineModel::Make(uint32_t node) const
{
    const Outline::Node& at = outline_->At(node);
    const int row = at.parent == Outline::kNone ? 0 : static_cast<int>(node - outline_->At(at.parent).firstChild);
    return createIndex(row, 0, static_cast<quintptr>(node));
}

uint32_t OutlineModel::NodeOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return Outline::kNone;
    return static_cast<uint32_t>(index.internalId());
}

QModelIndex OutlineModel::IndexOf(uint32_t node) const
{
    if (node >= outline_->Size() || !outline_->InView(node))
        return {};
    return Make(node);
}

const model::CPage* OutlineModel::PageAt(const QModelIndex& index) const
{
    const uint32_t node = NodeOf(index);
    return node == Outline::kNone ? nullptr : outline_->At(node).page;
}

bool OutlineModel::IsContainer(const QModelIndex& index) const
{
    const uint32_t node = NodeOf(index);
    return node != Outline::kNone && outline_->At(node).container;
}

QModelIndex OutlineModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column != 0)
        return {};
    if (!parent.isValid())
        return row == 0 && !outline_->Empty() ? Make(kRoot) : QModelIndex();
    const Outline::Node& node = outline_->At(NodeOf(parent));
    if (!node.shown || static_cast<uint32_t>(row) >= node.childCount)
        return {};
    return Make(node.firstChild + static_cast<uint32_t>(row));
}

QModelIndex OutlineModel::parent(const QModelIndex& child) const
{
    const uint32_t node = NodeOf(child);
    if (node == Outline::kNone || outline_->At(node).parent == Outline::kNone)
        return {};
    return Make(outline_->At(node).parent);
}

int OutlineModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return outline_->Empty() ? 0 : 1;
    const Outline::Node& node = outline_->At(NodeOf(parent));
    return node.shown ? static_cast<int>(node.childCount) : 0;
}

int OutlineModel::columnCount(const QModelIndex&) const { return 1; }

bool OutlineModel::hasChildren(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return !outline_->Empty();
    const uint32_t node = NodeOf(parent);
    return outline_->At(node).shown ? outline_->At(node).childCount > 0 : outline_->HasHiddenChildren(node);
}

bool OutlineModel::canFetchMore(const QModelIndex& parent) const
{
    return parent.isValid() && outline_->HasHiddenChildren(NodeOf(parent));
}

void OutlineModel::fetchMore(const QModelIndex& parent)
{
    platform::GuardVoid([&] {
        if (parent.isValid())
            ShowChildren(NodeOf(parent));
    });
}

void OutlineModel::ShowChildren(uint32_t node)
{
    if (node >= outline_->Size() || outline_->At(node).shown)
        return;
    outline_->Fill(node);
    const uint32_t count = outline_->At(node).childCount;
    const QModelIndex parent = IndexOf(node);
    if (count == 0 || !parent.isValid()) {
        outline_->Show(node);
        return;
    }
    beginInsertRows(parent, 0, static_cast<int>(count - 1));
    outline_->Show(node);
    endInsertRows();
}

QModelIndex OutlineModel::FindPage(uint32_t pageId)
{
    const uint32_t found = outline_->Find(pageId);
    if (found == Outline::kNone)
        return {};
    for (uint32_t up : outline_->PathTo(found))
        ShowChildren(up);
    return IndexOf(found);
}

std::vector<uint32_t> OutlineModel::ShowAllBelow(uint32_t start)
{
    if (start >= outline_->Size())
        return {};
    // Filled first, depth first, which settles which page gets an
    // identifier's children; then shown level by level, each level's rows
    // announced to the view.
    outline_->WalkFrom(start, [this](uint32_t at, size_t) {
        if (outline_->At(at).container)
            outline_->Fill(at);
        return true;
    });
    std::vector<uint32_t> levels{start};
    std::vector<uint32_t> opened;
    for (size_t next = 0; next < levels.size(); ++next) {
        const uint32_t at = levels[next];
        const Outline::Node& node = outline_->At(at);
        if (node.container && outline_->InView(at))
            ShowChildren(at);
        if (!node.shown)
            continue;
        opened.push_back(at);
        for (uint32_t child = node.firstChild; child - node.firstChild < node.childCount; ++child)
            if (outline_->At(child).childCount > 0)
                levels.push_back(child);
    }
    return opened;
}

QVariant OutlineModel::data(const QModelIndex& index, int role) const
{
    return platform::Guard(QVariant(), [&] { return Data(index, role); });
}

QVariant OutlineModel::Data(const QModelIndex& index, int role) const
{
    const uint32_t node = NodeOf(index);
    if (node == Outline::kNone)
        return {};
    const model::CPage& page = *outline_->At(node).page;
    switch (role) {
    case Qt::DisplayRole:
        return ToQString(model::NodeText(book_, page));
    case Qt::ToolTipRole: {
        const std::u16string tip = model::InfoTipText(book_, page, node == kRoot);
        return tip.empty() ? QVariant() : QVariant(ToQString(tip));
    }
    case Qt::ForegroundRole: {
        const model::DisplayColour colour = model::PageDisplayColour(book_, page, defaultColour_);
        return colour.custom ? QVariant(QBrush(ToQColor(colour.colour))) : QVariant();
    }
    case Qt::FontRole:
        return model::IsBold(book_, page) ? QVariant(boldFont_) : QVariant();
    case Qt::DecorationRole: {
        if (const model::CIcon* own = model::OwnIcon(book_, page)) {
            const QIcon icon = icons_.Own(*own);
            if (!icon.isNull())
                return icon;
        }
        const bool open = outline_->At(node).container && expanded_ && expanded_(index);
        const QIcon icon = icons_.Standard(model::StandardImage(book_, page, open));
        return icon.isNull() ? QVariant() : QVariant(icon);
    }
    default:
        return {};
    }
}

Qt::ItemFlags OutlineModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace qtviewer
