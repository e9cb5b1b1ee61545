#include "tools/vnbview/Export.h"

#include <fstream>
#include <optional>
#include <unordered_set>
#include <vector>

#include "model/PageTree.h"
#include "tools/vnbview/FileNames.h"
#include "tools/vnbview/IndexHtml.h"
#include "tools/vnbview/PageFiles.h"
#include "tools/vnbview/TextOut.h"

namespace vnbview {
namespace fs = std::filesystem;

namespace {

constexpr size_t kNoFolder = static_cast<size_t>(-1);

struct Folder {
    fs::path path;
    std::vector<std::u16string> segments;  // below the export folder
    FolderNames names;
    bool created = false;
};

// A page on the current path of the walk: where it lives and where its
// children go once the first one comes.
struct Step {
    size_t folder = 0;
    std::u16string stem;
    size_t childFolder = kNoFolder;
};

class Exporter {
public:
    Exporter(const model::CBook& book, const fs::path& dir, unsigned codePage, IndexWriter& index)
        : book_(book), codePage_(codePage), index_(index)
    {
        folders_.push_back({dir, {}, {}, true});
        folders_[0].names.Reserve(u"index.html");
    }

    // Throws std::filesystem::filesystem_error when something cannot be written.
    void Visit(const model::CPage& page, size_t depth)
    {
        visited_.insert(&page);
        const size_t folder = depth == 0 ? 0 : ChildFolderOf(depth - 1);
        const std::optional<PageFile> file = PageFileOf(page, codePage_);
        Step step;
        step.folder = folder;
        step.stem = folders_[folder].names.Claim(SafeStem(page.Title()), file ? file->extension : u"");
        path_.resize(depth);
        path_.push_back(step);

        IndexEntry entry;
        entry.depth = depth;
        entry.text = model::NodeText(book_, page);
        if (file) {
            const std::u16string name = step.stem + u"." + file->extension;
            WriteFile(folders_[folder].path / fs::path(name), file->bytes);
            entry.link = folders_[folder].segments;
            entry.link.push_back(name);
            ++files_;
        } else {
            // Folders are folders on disk too, even when empty.
            const size_t own = ChildFolderOf(depth);
            if (own != folder) {
                entry.link = folders_[own].segments;
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
        path_.assign(1, Step{0, folders_[0].names.Claim(kOutsideTreeFolder, u"")});
        const size_t folder = ChildFolderOf(0);
        index_.Add({0, kOutsideTreeFolder, folders_[folder].segments, true});
        for (const model::CPage* page : outside)
            Visit(*page, 1);
        return outside.size();
    }

private:
    // The folder for the children of the page at `depth` on the path,
    // made when first needed.
    size_t ChildFolderOf(size_t depth)
    {
        Step& step = path_[depth];
        if (step.childFolder == kNoFolder) {
            const Folder& parent = folders_[step.folder];
            if (parent.segments.size() >= kMaxFolderDepth) {
                step.childFolder = step.folder;
            } else {
                Folder child;
                child.path = parent.path / fs::path(step.stem);
                child.segments = parent.segments;
                child.segments.push_back(step.stem);
                folders_.push_back(std::move(child));
                step.childFolder = folders_.size() - 1;
            }
        }
        Folder& folder = folders_[step.childFolder];
        if (!folder.created) {
            // A name we chose is never there already, in an empty folder; if
            // something is (a link made meanwhile), stop rather than follow it.
            if (fs::exists(fs::symlink_status(folder.path)))
                throw fs::filesystem_error("already exists", folder.path, std::make_error_code(std::errc::file_exists));
            fs::create_directory(folder.path);
            folder.created = true;
        }
        return step.childFolder;
    }

    static void WriteFile(const fs::path& path, const std::string& bytes)
    {
        if (fs::exists(fs::symlink_status(path)))
            throw fs::filesystem_error("already exists", path, std::make_error_code(std::errc::file_exists));
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            throw fs::filesystem_error("cannot write", path, std::make_error_code(std::errc::io_error));
    }

    const model::CBook& book_;
    unsigned codePage_;
    std::vector<Folder> folders_;
    IndexWriter& index_;
    std::vector<Step> path_;
    size_t files_ = 0;
    std::unordered_set<const model::CPage*> visited_;
};

}  // namespace

ExportResult ExportBook(const model::CBook& book, const fs::path& dir, const std::u16string& title, unsigned codePage)
{
    ExportResult result;
    std::error_code ec;
    const fs::file_status status = fs::status(dir, ec);
    if (fs::exists(status)) {
        if (!fs::is_directory(status) || !fs::is_empty(dir, ec) || ec) {
            result.usage = true;
            result.error = "export folder must be new or empty: " + Utf8(dir.u16string());
            return result;
        }
    } else if (!fs::create_directories(dir, ec) || ec) {
        result.error = "cannot create " + Utf8(dir.u16string()) + ": " + ec.message();
        return result;
    }

    const fs::path indexPath = dir / "index.html";
    try {
        std::ofstream index(indexPath, std::ios::binary);
        IndexWriter indexWriter(index, title);
        Exporter exporter(book, dir, codePage, indexWriter);
        model::PageTree(book).WalkExpanded([&exporter](const model::CPage& page, size_t depth) {
            exporter.Visit(page, depth);
            return true;
        });
        result.outsideTree = exporter.VisitOutside(book);
        indexWriter.Finish();
        index.close();
        if (!index)
            throw fs::filesystem_error("cannot write", indexPath, std::make_error_code(std::errc::io_error));
        result.files = exporter.Files();
    } catch (const fs::filesystem_error& error) {
        result.error = "cannot write " + Utf8(error.path1().u16string()) + ": " + error.code().message();
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace vnbview
