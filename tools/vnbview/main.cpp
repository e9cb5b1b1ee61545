// vnbview: reads Vornbook documents on the command line.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "model/Book.h"
#include "opening/Messages.h"
#include "platform/CodePage.h"
#include "platform/FilePath.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "tools/vnbview/CommandLine.h"
#include "tools/vnbview/Console.h"
#include "tools/vnbview/DumpJson.h"
#include "tools/vnbview/ExitCodes.h"
#include "tools/vnbview/Export.h"
#include "tools/vnbview/Info.h"
#include "tools/vnbview/OpenBook.h"
#include "tools/vnbview/Password.h"
#include "tools/vnbview/TextOut.h"
#include "tools/vnbview/Tree.h"

using namespace vnbview;

namespace {

int UsageError(const std::string& error)
{
    // The error may quote an argument: no control character of it reaches the terminal.
    std::cerr << "vnbview: " << LineText(Wide(error)) << "\n\n" << kUsage;
    return kExitUsage;
}

// Output that did not all arrive (a full disk) is a failure, not success.
int FlushStandardOutput()
{
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vnbview: cannot write to standard output\n";
        return kExitWrite;
    }
    return kExitOk;
}

std::unique_ptr<opening::PasswordPrompt> ChoosePasswordSource(const Options& options, std::string& error)
{
    if (options.password)
        return std::make_unique<GivenPassword>(options.password);
    if (options.passwordFile) {
        std::string reason;
        std::optional<std::u16string> password = ReadPasswordFile(*options.passwordFile, reason);
        if (!password) {
            error = "cannot read the password file " + Utf8(platform::PathText(*options.passwordFile));
            if (!reason.empty())
                error += ": " + reason;
            return nullptr;
        }
        return std::make_unique<GivenPassword>(std::move(password));
    }
    if (StdinIsTerminal())
        return std::make_unique<PromptedPassword>();
    return std::make_unique<GivenPassword>(std::nullopt);
}

int RunCommand(const Options& options, const model::CBook& book, const std::u16string& fullPath)
{
    switch (options.command) {
    case Command::Info:
        WriteInfo(book, opening::FileNamePart(fullPath), std::cout);
        break;
    case Command::Tree:
        WriteTree(book, std::cout);
        break;
    case Command::Dump:
        WriteJsonDump(book, std::cout);
        break;
    case Command::Cat: {
        const model::CPage* page = book.FindPage(options.pageId);
        if (!page) {
            std::cerr << "vnbview: no page with identifier " << options.pageId << '\n';
            return kExitUsage;
        }
        const std::u16string text =
            options.wordsOnly && page->IsRichText() ? richtext::PlainText(richtext::ReadRtf(page->Text(), richtext::Pictures::Leave)) : page->Text();
        // Piped or redirected, the text goes out as it is; a terminal gets
        // no control character it would act on.
        std::cout << (StdoutIsTerminal() ? TerminalText(text) : Utf8(text));
        break;
    }
    case Command::Export: {
        const ExportResult result = ExportBook(book, options.dir, opening::FileNamePart(fullPath), options.codePage);
        if (!result.ok) {
            std::cerr << "vnbview: " << result.error << '\n';
            return result.usage ? kExitUsage : kExitWrite;
        }
        if (result.outsideTree > 0)
            std::cerr << "vnbview: " << result.outsideTree << " pages are not in the tree; they are in the folder \""
                      << Utf8(kOutsideTreeFolder) << "\"\n";
        break;
    }
    case Command::Help:
        break;
    }
    return FlushStandardOutput();
}

int Run(int argc, char** argv)
{
    PrepareStandardStreams();
    // Listings of large books are millions of small writes; every message
    // and prompt is flushed, so C and C++ output still come out in order.
    std::ios::sync_with_stdio(false);
    const ParsedCommandLine parsed = ParseCommandLine(ProgramArguments(argc, argv));
    if (!parsed.options)
        return UsageError(parsed.error);
    const Options& options = *parsed.options;
    if (options.command == Command::Help) {
        std::cout << kUsage;
        return FlushStandardOutput();
    }
    if (!platform::CodePageSupported(options.codePage))
        return UsageError("code page " + std::to_string(options.codePage) + " is not supported here");
    platform::SetAnsiCodePage(options.codePage);

    std::string error;
    const std::unique_ptr<opening::PasswordPrompt> passwords = ChoosePasswordSource(options, error);
    if (!passwords)
        return UsageError(error);

    model::CBook book;
    const OpenedBook opened = OpenBook(options.file, book, *passwords);
    if (opened.exitCode != kExitOk)
        return opened.exitCode;
    return RunCommand(options, book, opened.fullPath);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "vnbview: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "vnbview: " << error.what() << '\n';
    }
    return kExitLoad;
}
