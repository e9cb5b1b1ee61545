// The information page: the heading read from a version resource, its
// version arithmetic, and the document line.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "model/Records.h"
#include "tests/kit/Document.h"
#include "viewer/InformationPage.h"

namespace wine_tests {
namespace {

TEST(InformationPage, TheProductVersionReadsAsVersionAndBuild)
{
    struct Case {
        const wchar_t* product;
        const wchar_t* version;
        const wchar_t* build;
    };
    for (const Case& c : {Case{L"1, 2, 3, 45", L"1.23", L"45"}, Case{L"1,0,0,1", L"1.00", L"1"},
                          Case{L"6.1", L"6", L"1"}, Case{L"7", L"7", L"7"}, Case{L"2, 10, 3", L"2.10", L"3"}}) {
        std::wstring version, build;
        viewer::SplitProductVersion(c.product, version, build);
        EXPECT_EQ(version, c.version) << Narrow(c.product);
        EXPECT_EQ(build, c.build) << Narrow(c.product);
    }
}

TEST(InformationPage, TheVersionRecordHoldsEveryFieldOfTheResource)
{
    // The test program carries the plug-in's resources too.
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::optional<viewer::ModuleVersion> record = viewer::ReadVersionRecord(path);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->fileName, path);
    EXPECT_EQ(record->fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(record->language, 0x409);
    EXPECT_EQ(record->codePage, 1200);
    EXPECT_EQ(record->company, L"Tarrow");
    EXPECT_EQ(record->legalNotice, L"Copyright (C) 2026 Tarrow");
    EXPECT_EQ(record->description, L"Vornbook notebook viewer for the Lister");
    EXPECT_EQ(record->productName, L"Vorn View");
    EXPECT_EQ(record->productVersionText, L"1, 0, 0, 1");
    EXPECT_EQ(record->fileVersionText, L"1, 0, 0, 1");
    EXPECT_EQ(record->internalName, L"VornView");
    EXPECT_EQ(record->originalFileName, PluginFileName());
    EXPECT_EQ(record->fileVersionMajor, L"1");
    EXPECT_EQ(record->fileVersionMinor, L"0");
    EXPECT_EQ(record->fileVersion, L"1.0.0.1");

    EXPECT_FALSE(viewer::ReadVersionRecord(L"C:\\no\\such\\module.dll").has_value());
}

TEST(InformationPage, TheHeadingNamesTheBuildDateAsTheCompilerWritesItAndIsKept)
{
    const viewer::Heading& heading = viewer::GetHeading();
    const std::wstring& title = heading.title;
    ASSERT_EQ(title.rfind(L"Vorn View 1.00 build 1 [", 0), 0u) << Narrow(title);
    // "Dec  6 2026": month, day padded with a space, year.
    const std::wstring date = title.substr(24);
    ASSERT_EQ(date.size(), 12u) << Narrow(date);
    EXPECT_EQ(date.back(), L']');
    EXPECT_TRUE(iswupper(date[0]) && iswlower(date[1]) && iswlower(date[2]));
    EXPECT_EQ(date[3], L' ');
    EXPECT_TRUE(date[4] == L' ' || iswdigit(date[4]));
    EXPECT_TRUE(iswdigit(date[5]));
    EXPECT_EQ(date[6], L' ');
    EXPECT_EQ(heading.description, L"Vornbook notebook viewer for the Lister");
    EXPECT_EQ(&viewer::GetHeading(), &heading);
    EXPECT_EQ(viewer::GetHeading().title, title);
}

using InformationPageShown = PluginTest;

TEST_F(InformationPageShown, TheDocumentLineWritesBothMinorNumbersTogether)
{
    kit::BookSpec book;
    kit::PageSpec root;
    root.id = root.parentId = 1;
    root.title = u"Root";
    book.pages = {root};
    book.version = kit::ArchiveVersionSpec{2, 1, 5, 300};
    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(WriteFile(L"old.vnb", kit::WriteDocument(book))));
    HWND text = FindPanes(lister).text;
    std::wstring shown = PaneText(text);
    EXPECT_NE(shown.find(L"\r\nVornbook notebook viewer for the Lister\r\n\r\nThe document created by Vornbook 2.15 "
                         L"build 300 This is the text about version Vorn View. Select node on tree pane for data "
                         L"viewing.\r\n"),
              std::wstring::npos)
        << Narrow(shown);
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    SendMessageW(text, EM_SETSEL, shown.size() - 1, shown.size() - 1);
    SendMessageW(text, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.wAlignment, PFA_CENTER) << "the last line is centred too";
}

}  // namespace
}  // namespace wine_tests
