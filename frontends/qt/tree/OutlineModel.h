#pragma once
// The page tree as a Qt item model over the portable outline: a node's
// children become rows the first time the view opens it (fetchMore), in the
// outline's order. Every decision about which pages show where and how
// they look is the outline's and the page tree's; this only answers Qt.
#include "frontends/qt/tree/TreeIcons.h"
#include "model/Outline.h"
#include "model/PageTree.h"

#include <QAbstractItemModel>
#include <QFont>

#include <functional>
#include <memory>
#include <vector>

namespace model {
class CBook;
class CPage;
}  // namespace model

namespace qtviewer {

class OutlineModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // The root page is a row with its children shown, as a view opens the
    // book; nothing for a book without a root page.
    explicit OutlineModel(const model::CBook& book, QObject* parent = nullptr);
    ~OutlineModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The outline node of an index; model::Outline::kNone for none.
    uint32_t NodeOf(const QModelIndex& index) const;
    // The index of a node in the view; invalid when its parent's children
    // are not rows.
    QModelIndex IndexOf(uint32_t node) const;
    const model::CPage* PageAt(const QModelIndex& index) const;
    bool IsContainer(const QModelIndex& index) const;
    const model::Outline& Outline() const { return *outline_; }

    // Makes a node's children rows, once.
    void ShowChildren(uint32_t node);
    // The first row in the tree's order showing the page, its ancestors'
    // children made rows; invalid when no container path reaches it.
    QModelIndex FindPage(uint32_t pageId);
    // Expand All from a node: every container below it filled and its
    // children rows, level by level. Returns the nodes to open, parents
    // before their children.
    std::vector<uint32_t> ShowAllBelow(uint32_t start);

    // The view's word on whether a row is open: folders show open.
    void SetExpandedQuery(std::function<bool(const QModelIndex&)> query) { expanded_ = std::move(query); }
    // The colour of text without one of its own (0x00BBGGRR), and the
    // font bold rows are made from.
    void SetLook(uint32_t defaultColour, const QFont& font);

private:
    QModelIndex Make(uint32_t node) const;
    QVariant Data(const QModelIndex& index, int role) const;

    const model::CBook& book_;
    model::PageTree tree_;
    std::unique_ptr<model::Outline> outline_;
    mutable TreeIcons icons_;
    std::function<bool(const QModelIndex&)> expanded_;
    uint32_t defaultColour_ = 0;
    QFont boldFont_;
};

}  // namespace qtviewer
