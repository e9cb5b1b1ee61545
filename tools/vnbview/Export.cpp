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
    std::u16string wanted;  // the stem the title gives; another name is based on it
    std::u16string stem;
    std::shared_ptr<Folder> children;
};

// The file system may see a name as taken that the folder's names do not
// (on Windows a short 8.3 alias of another entry, or a volume whose case
// table is not the system's): the next name is tried, up to this many.
constexpr int kNameAttempts = 64;

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
        const std::u16string wanted = SafeStem(page.Title());
        path_.resize(depth);

        IndexEntry entry;
        entry.depth = depth;
        entry.text = model::NodeText(book_, page);
        if (file) {
            const std::u16string stem = WritePageFile(*folder, wanted, *file);
            path_.push_back(Step{folder, wanted, stem, nullptr});
            entry.link = folder->segments;
            entry.link.push_back(stem + u"." + file->extension);
            ++files_;
        } else {
            path_.push_back(Step{folder, wanted, folder->names.Claim(wanted, u""), nullptr});
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
        path_.assign(1, Step{root_, kOutsideTreeFolder, root_->names.Claim(kOutsideTreeFolder, u""), nullptr});
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
                for (int attempt = 1;; ++attempt) {
                    child->disk = step.folder->disk.MakeFolder(step.stem, error);
                    if (error != std::errc::file_exists || attempt == kNameAttempts)
                        break;
                    error.clear();
                    step.stem = step.folder->names.Claim(step.wanted, u"");
                }
                if (error)
                    Fail("cannot create", step.folder->disk.Path() / fs::path(step.stem), error);
                child->segments = step.folder->segments;
                child->segments.push_back(step.stem);
                step.children = std::move(child);
            }
        }
        return step.children;
    }

    // Writes a page's file under the first name based on `wanted` that is
    // free; its stem.
    static std::u16string WritePageFile(Folder& folder, const std::u16string& wanted, const PageFile& file)
    {
        for (int attempt = 1;; ++attempt) {
            const std::u16string stem = folder.names.Claim(wanted, file.extension);
            const std::u16string name = stem + u"." + file.extension;
            std::error_code error;
            NewFile out = folder.disk.MakeFile(name, error);
            if (error == std::errc::file_exists && attempt < kNameAttempts)
                continue;
            if (!error)
                error = out.Write(file.bytes);
            if (const std::error_code closed = out.Close(); !error)
                error = closed;
            if (error)
                Fail("cannot write", folder.disk.Path() / fs::path(name), error);
            return stem;
        }
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
    switch (OutputFolder::Occupied(dir)) {
    case OutputFolder::Occupancy::Taken:
        result.usage = true;
        result.error = "export folder must be new or empty: " + LineText(platform::PathText(dir));
        return {};
    case OutputFolder::Occupancy::Missing:
        if (const std::error_code error = OutputFolder::MakeFolders(dir)) {
            result.error = "cannot create " + LineText(platform::PathText(dir)) + ": " + error.message();
            return {};
        }
        break;
    case OutputFolder::Occupancy::EmptyFolder:
        break;
    }
    std::error_code error;
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
