#pragma once
// What a click on a link outside the book hands to the shell, and how the
// question before a doubtful one shows it. The shell's "open" takes a path as
// readily as an address, so only text whose scheme is written or checked
// here goes unasked.
#include <string>
#include <string_view>

namespace core {

struct ShellLink {
    std::u16string target;  // what the shell opens
    bool ask = true;        // only after the user agreed
};

// "www." with a host goes as "http://www.…", an e-mail address as
// "mailto:…"; http://, https://, ftp:// and mailto: targets go as they are.
// Each only when it holds no backslash, quote, blank, control or format
// character, and "www." only with a host of letters, digits and dots and at
// most a numeric port. Anything else goes unchanged, after asking.
ShellLink DecideShellLink(std::u16string_view linkText);

// The target for the question: control, format and other invisible
// characters written as "<U+202E>", a long target shortened in the middle.
std::u16string ShownTarget(std::u16string_view target);

// The question asked before a doubtful target goes to the shell, the target
// shown as ShownTarget shows it; No is to be the default answer.
std::u16string OpenQuestion(std::u16string_view target);

}  // namespace core
