#pragma once
// One viewer with its document: the page tree and the content views side
// by side in a splitter, inside the host's container (or the standalone
// viewer's window).
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

class QModelIndex;
class QSplitter;
class QTreeView;

namespace model {
class CBook;
class CPage;
}  // namespace model

namespace qtviewer {

class ContentPanes;
class OutlineModel;

class ViewerWidget : public QWidget {
    Q_OBJECT
public:
    explicit ViewerWidget(QWidget* parent = nullptr);
    ~ViewerWidget() override;

    // Opens the document and shows it: its tree, and its information until
    // a page is chosen. A name that is not a notebook's is refused quietly;
    // a failed open says why and leaves what was shown as it was.
    bool Load(const std::filesystem::path& file);

    void Copy();
    void SelectAll();
    void SetWordWrap(bool wrap);
    // The host's search with its flags; true when a match is selected.
    bool Search(std::u16string_view pattern, int hostFlags);

    // Shows the page in the content views; a folder or the root changes
    // nothing there.
    void DisplayPage(uint32_t pageId);
    // Shows and selects a page named by a link; false when the book does
    // not hold it.
    bool OpenPageLink(uint32_t pageId);
    void ExpandAll();
    void CollapseAll();
    void ToggleTreePane();
    void SwitchFocus();

    const model::CBook* Book() const { return book_.get(); }
    const std::filesystem::path& File() const { return file_; }
    // The page in the content views; null while the information shows.
    const model::CPage* ShownPage() const;
    QTreeView* Tree() const { return tree_; }
    OutlineModel* TreeModel() const { return model_.get(); }
    ContentPanes* Content() const { return content_; }
    QSplitter* Splitter() const { return splitter_; }

Q_SIGNALS:
    // A new document is shown.
    void DocumentLoaded();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnCurrentChanged(const QModelIndex& current);
    void ApplyTreeSettings();

    std::filesystem::path file_;
    std::unique_ptr<model::CBook> book_;
    std::unique_ptr<OutlineModel> model_;
    QSplitter* splitter_;
    QTreeView* tree_;
    ContentPanes* content_;
    bool splitPlaced_ = false;  // the bar has its first place
};

}  // namespace qtviewer
