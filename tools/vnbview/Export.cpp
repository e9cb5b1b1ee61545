#include "tools/vnbview/Export.h"

#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/PageTree.h"
#include "platform/CodePage.h"
#include "platform/FilePath.h"
#include "richtext/HtmlWriter.h"
#include "richtext/RtfReader.h"
#include "tools/vnbview/FileNames.h"
#include "tools/vnbview/IndexHtml.h"
#include "tools/vnbview/OutputFolder.h"
#include "tools/vnbview/PageFiles.h"
#include "tools/vnbview/PageMarkup.h"
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

// Where the pages that page links name were put: a first walk claims every
// name as the writing walk will and keeps the places of those pages.
struct LinkTargets {
    std::unordered_set<const model::CPage*> pages;
    struct Place {
        std::vector<std::u16string> segments;  // the file name last, or the folder's
        bool folder = false;
    };
    std::unordered_map<uint32_t, Place> places;  // by page id
};

// "../" for each folder below the export folder.
std::string UpFrom(size_t depth)
{
    std::string up;
    for (size_t i = 0; i < depth; ++i)
        up += "../";
    return up;
}

class Exporter {
public:
    // Without an index the walk only plans: it claims names, writes nothing.
    Exporter(const model::CBook& book, OutputFolder root, unsigned codePage, IndexWriter* index, LinkTargets& targets)
        : book_(book), codePage_(codePage), index_(index), targets_(targets), root_(std::make_shared<Folder>())
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
            // Rich and plain text show as HTML made here, their own file beside it.
            const bool shownAsHtml = page.Kind() == model::kRichText || file->extension == u"txt";
            const std::u16string extension = shownAsHtml ? u"html" : file->extension;
            const std::u16string stem = WritePage(*folder, wanted, page, *file, shownAsHtml);
            path_.push_back(Step{folder, wanted, stem, nullptr});
            entry.link = folder->segments;
            entry.link.push_back(stem + u"." + extension);
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
        if (Planning() && !entry.link.empty() && targets_.pages.count(&page))
            targets_.places.emplace(page.Id(), LinkTargets::Place{entry.link, entry.folderLink});
        if (index_)
            index_->Add(entry);
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
        if (index_)
            index_->Add({0, kOutsideTreeFolder, ChildFolderOf(0)->segments, true});
        else
            ChildFolderOf(0);
        for (const model::CPage* page : outside)
            Visit(*page, 1);
        return outside.size();
    }

private:
    bool Planning() const { return index_ == nullptr; }

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
                for (int attempt = 1; !Planning(); ++attempt) {
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

    // Writes a page under the first stem based on `wanted` that is free:
    // its own file and, when it shows as HTML, the HTML beside it; the stem.
    std::u16string WritePage(Folder& folder, const std::u16string& wanted, const model::CPage& page,
                             const PageFile& file, bool shownAsHtml)
    {
        for (int attempt = 1;; ++attempt) {
            const std::u16string stem = shownAsHtml ? folder.names.Claim(wanted, u"html", file.extension)
                                                    : folder.names.Claim(wanted, file.extension);
            if (Planning())
                return stem;
            // A name the file system sees as taken (an 8.3 alias) moves the
            // page to the next stem; a page file already written stays.
            std::u16string name = stem + u"." + file.extension;
            std::error_code error = WriteNewFile(folder, name, file.bytes);
            if (!error && shownAsHtml) {
                name = stem + u".html";
                error = WriteNewFile(folder, name, PageHtml(folder, stem, page));
            }
            if (error == std::errc::file_exists && attempt < kNameAttempts)
                continue;
            if (error)
                Fail("cannot write", folder.disk.Path() / fs::path(name), error);
            return stem;
        }
    }

    static std::error_code WriteNewFile(Folder& folder, const std::u16string& name, std::string_view bytes)
    {
        std::error_code error;
        NewFile out = folder.disk.MakeFile(name, error);
        if (!error)
            error = out.Write(bytes);
        if (const std::error_code closed = out.Close(); !error)
            error = closed;
        if (error && error != std::errc::file_exists)
            Fail("cannot write", folder.disk.Path() / fs::path(name), error);
        return error;
    }

    // The page as HTML: page links lead to the exported pages they name,
    // pictures a browser cannot show are written beside it.
    std::string PageHtml(Folder& folder, const std::u16string& stem, const model::CPage& page)
    {
        const std::u16string text = page.Text();
        const richtext::Document document =
            page.Kind() == model::kRichText ? richtext::ReadRtf(text, codePage_) : richtext::DocumentOfPlainText(text);
        richtext::HtmlPage html;
        html.title = page.Title();
        const std::string up = UpFrom(folder.segments.size());
        html.indexHref = up + "index.html";
        AddPageMarkup(document.text, [&](uint32_t id) -> std::optional<std::string> {
            const model::CPage* target = book_.FindPage(id);
            const auto place = target ? targets_.places.find(target->Id()) : targets_.places.end();
            if (place == targets_.places.end())
                return std::nullopt;
            return up + RelativeUrl(place->second.segments, place->second.folder);
        }, html);
        html.pictureFiles.resize(document.pictures.size());
        for (size_t i = 0; i < document.pictures.size(); ++i) {
            const richtext::Picture& picture = document.pictures[i];
            if (richtext::BrowserShows(picture.kind))
                continue;
            const std::string extension = richtext::PictureExtension(picture.kind);
            const std::u16string name =
                stem + u".picture" + platform::Utf8ToWide(std::to_string(i + 1) + "." + extension);
            // A name taken by something else leaves the picture unlinked.
            if (!WriteNewFile(folder, name, picture.bytes))
                html.pictureFiles[i] = RelativeUrl({name}, false);
        }
        return richtext::WriteHtml(document, html);
    }

    const model::CBook& book_;
    unsigned codePage_;
    IndexWriter* index_;
    LinkTargets& targets_;
    std::shared_ptr<Folder> root_;
    std::vector<Step> path_;
    size_t files_ = 0;
    std::unordered_set<const model::CPage*> visited_;
};

// The pages that page links of rich and plain pages may name.
LinkTargets FindLinkTargets(const model::CBook& book)
{
    LinkTargets targets;
    for (size_t i = 0; i < book.PageCount(); ++i) {
        const model::CPage* page = book.PageAt(i);
        if (page->Kind() != model::kRichText && page->Kind() != model::kPlainText)
            continue;
        CollectPageLinkTargets(page->Text(), [&](uint32_t id) {
            if (const model::CPage* target = book.FindPage(id))
                targets.pages.insert(target);
        });
    }
    return targets;
}

void Walk(const model::CBook& book, Exporter& exporter, size_t& outside)
{
    model::PageTree(book).WalkExpanded([&exporter](const model::CPage& page, size_t depth) {
        exporter.Visit(page, depth);
        return true;
    });
    outside = exporter.VisitOutside(book);
}

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
        LinkTargets targets = FindLinkTargets(book);
        if (!targets.pages.empty()) {
            Exporter planner(book, OutputFolder(), codePage, nullptr, targets);
            Walk(book, planner, result.outsideTree);
        }
        Exporter exporter(book, std::move(root), codePage, &indexWriter, targets);
        Walk(book, exporter, result.outsideTree);
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
