#pragma once
// The text the rich text pane shows before a page is chosen: the plug-in's
// name, version and description, and the version of Vornbook that wrote the
// document.
#include "core/panes/InformationText.h"

#include <windows.h>

#include <optional>
#include <string>

namespace viewer {
class RichTextPane;
}
namespace model {
struct CArchiveVersion;
}

namespace viewer {

struct ModuleVersion {
    std::wstring fileName;
    VS_FIXEDFILEINFO fixed{};
    WORD language = 0;
    WORD codePage = 0;
    std::wstring company, legalNotice, description, fileVersionText, internalName, originalFileName, productName,
        productVersionText;
    std::wstring fileVersionMajor, fileVersionMinor, fileVersion;
};

std::optional<ModuleVersion> ReadVersionRecord(const std::wstring& path);

// Read from the plug-in's version block once per process.
const core::Heading& GetHeading();

void ShowInformationPage(RichTextPane& pane, const model::CArchiveVersion& documentVersion);

}  // namespace viewer
