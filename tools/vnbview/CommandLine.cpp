#include "tools/vnbview/CommandLine.h"

#include <charconv>

#include "platform/CodePage.h"
#include "platform/FilePath.h"

namespace vnbview {

const char kUsage[] =
    "usage: vnbview [options] COMMAND\n"
    "\n"
    "commands:\n"
    "  info FILE            document summary: schema, writer version, pages, labels, history\n"
    "  tree FILE            the page tree, fully expanded, two spaces of indent per level\n"
    "  cat [--text] FILE PAGE_ID\n"
    "                       the text of one page, UTF-8, to standard output; with\n"
    "                       --text a rich-text page as its words, without markup\n"
    "  dump --json FILE     the whole document model as JSON\n"
    "  export FILE DIR      every page as a file in a folder tree under DIR (new or empty),\n"
    "                       rich and plain text as HTML beside their own files, with\n"
    "                       DIR/index.html linking them\n"
    "\n"
    "options:\n"
    "  --password PW        password of a protected document\n"
    "  --password-file F    read the password from the first line of F\n"
    "  --codepage N         code page of narrow text in old documents (default 1252)\n"
    "  -h, --help           show this text\n"
    "\n"
    "Without a password option, a protected document asks for its password when\n"
    "standard input is a terminal.\n"
    "\n"
    "exit status: 0 ok; 1 usage error (also: the password file cannot be read, no\n"
    "page PAGE_ID, export folder not new or empty); 2 the document cannot be\n"
    "opened or loaded; 3 no password or a wrong one; 4 standard output or the\n"
    "export cannot be written\n";

namespace {

std::optional<uint32_t> ParseUnsigned(const std::string& text, uint32_t max)
{
    uint64_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value > max)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

ParsedCommandLine Fail(std::string error) { return {std::nullopt, std::move(error)}; }

// The argument from character `at` on, in the system's form. What precedes
// it ("--name=") is ASCII in every option name that is accepted, one unit
// per character in either form.
std::filesystem::path NativeAfter(const std::filesystem::path& arg, size_t at)
{
    return std::filesystem::path(arg.native().substr(at));
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::filesystem::path>& args)
{
    Options options;
    // Names are matched as text; file and folder names keep the form they
    // came in, so the system gets back exactly the bytes it gave.
    std::vector<std::filesystem::path> words;
    bool json = false;
    bool help = false;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::u16string arg = platform::PathText(args[i]);
        if (optionsEnded || arg.size() < 2 || arg[0] != u'-') {
            words.push_back(args[i]);
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        std::u16string name = arg;
        std::optional<std::filesystem::path> value;
        if (const size_t eq = arg.find(u'='); eq != std::u16string::npos && arg.starts_with(u"--")) {
            name = arg.substr(0, eq);
            // The part after '=' as given: "--password-file=caf\xE9" names that file.
            value = NativeAfter(args[i], eq + 1);
        }
        const std::string nameUtf8 = platform::WideToUtf8(name);
        const bool takesValue = name == u"--password" || name == u"--password-file" || name == u"--codepage";
        if (takesValue && !value) {
            if (i + 1 == args.size())
                return Fail("option " + nameUtf8 + " needs a value");
            value = args[++i];
        } else if (!takesValue && value) {
            return Fail("option " + nameUtf8 + " takes no value");
        }
        if (name == u"-h" || name == u"--help") {
            help = true;
        } else if (name == u"--json") {
            json = true;
        } else if (name == u"--text") {
            options.wordsOnly = true;
        } else if (name == u"--password") {
            options.password = platform::PathText(*value);
        } else if (name == u"--password-file") {
            options.passwordFile = *value;
        } else if (name == u"--codepage") {
            const std::optional<uint32_t> codePage = ParseUnsigned(platform::WideToUtf8(platform::PathText(*value)), 65535);
            if (!codePage || *codePage == 0)
                return Fail("--codepage needs a code page number from 1 to 65535");
            options.codePage = *codePage;
        } else {
            return Fail("unknown option " + nameUtf8);
        }
    }
    if (help)
        return {options, {}};
    if (options.password && options.passwordFile)
        return Fail("give either --password or --password-file, not both");
    if (words.empty())
        return Fail("no command given");

    const std::u16string command = platform::PathText(words[0]);
    size_t wanted = 2;
    if (command == u"info") {
        options.command = Command::Info;
    } else if (command == u"tree") {
        options.command = Command::Tree;
    } else if (command == u"cat") {
        options.command = Command::Cat;
        wanted = 3;
    } else if (command == u"dump") {
        options.command = Command::Dump;
    } else if (command == u"export") {
        options.command = Command::Export;
        wanted = 3;
    } else {
        return Fail("unknown command " + platform::WideToUtf8(command));
    }
    if (words.size() != wanted)
        return Fail("wrong number of arguments for " + platform::WideToUtf8(command));
    if (json != (options.command == Command::Dump))
        return Fail(json ? "--json belongs to dump" : "dump needs --json (the only format)");
    if (options.wordsOnly && options.command != Command::Cat)
        return Fail("--text belongs to cat");
    options.file = words[1];
    if (options.command == Command::Cat) {
        const std::optional<uint32_t> id = ParseUnsigned(platform::WideToUtf8(platform::PathText(words[2])), UINT32_MAX);
        if (!id)
            return Fail("PAGE_ID must be a page identifier from 0 to 4294967295");
        options.pageId = *id;
    }
    if (options.command == Command::Export) {
        if (words[2].empty())
            return Fail("DIR must name a folder");
        options.dir = words[2];
    }
    return {options, {}};
}

}  // namespace vnbview
