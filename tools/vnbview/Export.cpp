#include "tools/vnbview/Export.h"

#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <unordered_set>
#include <vector>

#include "model/PageTree.h"
#include "platform/FilePath.h"
#include "tools/vnbview/FileNames.h"
#include "tools/vnbview/IndexHtml.h"
#include "tools/vnbview/OutputFolder.h"
#include "tools/vnbview/PageFiles.h"
#include "tools/vnbview/TextOut.h"

namespace vnbview {
namespace fs = std::filesystem;

namespace {

// Something could not be written; the message names what and why.
struct WriteFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const char* action, const fs::path& path, std::error_code error)
{
    throw WriteFailure(std::string(action) + " " + LineText(platform::PathText(path)) + ": " + error.message());
}

// The index page goes out as it is written, through a buffer, so a huge
// tree is never held in memory; the first failed write is kept.
class FileStreamBuffer : public std::streambuf {
public:
    explicit FileStreamBuffer(NewFile& file) : file_(file) { setp(buffer_, buffer_ + sizeof buffer_); }

    std::error_code Finish()
    {
        Drain();
        if (const std::error_code closed = file_.Close(); !error_)
            error_ = closed;
        return error_;
    }

protected:
    int_type overflow(int_type c) override
    {
        if (!Drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain()
    {
        if (!error_ && pptr() != pbase())
            error_ = file_.Write(std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())));
        setp(buffer_, buffer_ + sizeof buffer_);
        return !error_;
    }

    NewFile& file_;
    std::error_code error_;
    char buffer_[1 << 16];
};

struct Folder {
    OutputFolder disk;
    std::vector<std::u16string> segments;  // below the export folder
    FolderNames names;
};

// A page on the current path of the walk: where it lives and where its
// children go once the first one comes. A folder stays open only while a
// page on the path refers to it, so at most one per level is held.
struct Step {
    std::shared_ptr<Folder> folder;
    std::u16string stem;
    std::shared_ptr<Folder> children;
};

class Exporter {
public:
    Exporter(const model::CBook& book, OutputFolder root, unsigned codePage, IndexWriter& index)
        : book_(book), codePage_(codePage), index_(index), root_(std::make_shared<Folder>())
    {
        root_->disk = std::move(root);
        root_->names.Reserve(u"index.html");
    }

    // Throws WriteFailure when something cannot be written.
    void Visit(const model::CPage& page, size_t depth)
    {
        visited_.insert(&page);
        std::shared_ptr<Folder> folder = depth == 0 ? root_ : ChildFolderOf(depth - 1);
        const std::optional<PageFile> file = PageFileOf(page, codePage_);
        const std::u16string stem = folder->names.Claim(SafeStem(page.Title()), file ? file->extension : u"");
        path_.resize(depth);
        path_.push_back(Step{folder, stem, nullptr});

        IndexEntry entry;
        entry.depth = depth;
        entry.text = model::NodeText(book_, page);
        if (file) {
            const std::u16string name = stem + u"." + file->extension;
            WriteFile(*folder, name, file->bytes);
            entry.link = folder->segments;
            entry.link.push_back(name);
            ++files_;
        } else {
            // Folders are folders on disk too, even when empty.
            const std::shared_ptr<Folder> own = ChildFolderOf(depth);
            if (own != folder) {
                entry.link = own->segments;
                entry.folderLink = true;
            }
        }
        index_.Add(entry);
    }

    size_t Files() const { return files_; }

    // The pages the walk did not reach, one level below a folder of their
    // own beside the tree; their number.
    size_t VisitOutside(const model::CBook& book)
    {
        std::vector<const model::CPage*> outside;
        for (size_t i = 0; i < book.PageCount(); ++i)
            if (const model::CPage* page = book.PageAt(i); !visited_.count(page))
                outside.push_back(page);
        if (outside.empty())
            return 0;
        path_.assign(1, Step{root_, root_->names.Claim(kOutsideTreeFolder, u""), nullptr});
        index_.Add({0, kOutsideTreeFolder, ChildFolderOf(0)->segments, true});
        for (const model::CPage* page : outside)
            Visit(*page, 1);
        return outside.size();
    }

private:
    // The folder for the children of the page at `depth` on the path,
    // made when first needed.
    std::shared_ptr<Folder> ChildFolderOf(size_t depth)
    {
        Step& step = path_[depth];
        if (!step.children) {
            if (step.folder->segments.size() >= kMaxFolderDepth) {
                step.children = step.folder;
            } else {
                std::error_code error;
                auto child = std::make_shared<Folder>();
                child->disk = step.folder->disk.MakeFolder(step.stem, error);
                if (error)
                    Fail("cannot create", step.folder->disk.Path() / fs::path(step.stem), error);
                child->segments = step.folder->segments;
                child->segments.push_back(step.stem);
                step.children = std::move(child);
            }
        }
        return step.children;
    }

    static void WriteFile(const Folder& folder, const std::u16string& name, const std::string& bytes)
    {
        std::error_code error;
        NewFile file = folder.disk.MakeFile(name, error);
        if (!error)
            error = file.Write(bytes);
        if (const std::error_code closed = file.Close(); !error)
            error = closed;
        if (error)
            Fail("cannot write", folder.disk.Path() / fs::path(name), error);
    }

    const model::CBook& book_;
    unsigned codePage_;
    IndexWriter& index_;
    std::shared_ptr<Folder> root_;
    std::vector<Step> path_;
    size_t files_ = 0;
    std::unordered_set<const model::CPage*> visited_;
};

// The folder to export into: made when missing, else it must be an empty
// folder.
OutputFolder PrepareFolder(const fs::path& dir, ExportResult& result)
{
    std::error_code error;
    const fs::file_status status = fs::status(dir, error);
    if (fs::exists(status)) {
        if (!fs::is_directory(status) || !fs::is_empty(dir, error) || error) {
            result.usage = true;
            result.error = "export folder must be new or empty: " + LineText(platform::PathText(dir));
            return {};
        }
    } else if (fs::create_directories(dir, error); error) {
        result.error = "cannot create " + LineText(platform::PathText(dir)) + ": " + error.message();
        return {};
    }
    OutputFolder folder = OutputFolder::Open(dir, error);
    if (error)
        result.error = "cannot open " + LineText(platform::PathText(dir)) + ": " + error.message();
    return folder;
}

}  // namespace

ExportResult ExportBook(const model::CBook& book, const fs::path& dir, const std::u16string& title, unsigned codePage)
{
    ExportResult result;
    OutputFolder root = PrepareFolder(dir, result);
    if (!root.IsOpen())
        return result;
    try {
        std::error_code error;
        NewFile indexFile = root.MakeFile(u"index.html", error);
        if (error)
            Fail("cannot write", dir / "index.html", error);
        FileStreamBuffer indexBuffer(indexFile);
        std::ostream index(&indexBuffer);
        IndexWriter indexWriter(index, title);
        Exporter exporter(book, std::move(root), codePage, indexWriter);
        model::PageTree(book).WalkExpanded([&exporter](const model::CPage& page, size_t depth) {
            exporter.Visit(page, depth);
            return true;
        });
        result.outsideTree = exporter.VisitOutside(book);
        indexWriter.Finish();
        if (const std::error_code indexError = indexBuffer.Finish())
            Fail("cannot write", dir / "index.html", indexError);
        result.files = exporter.Files();
    } catch (const WriteFailure& failure) {
        result.error = failure.what();
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace vnbview
