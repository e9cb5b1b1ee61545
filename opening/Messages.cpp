#include "opening/Messages.h"

namespace opening {

std::u16string FormatText(std::u16string_view format, std::initializer_list<std::u16string_view> args)
{
    std::u16string out;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size() && format[i + 1] == u's' && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::u16string FileNamePart(std::u16string_view path)
{
    const size_t slash = path.find_last_of(u"\\/:");
    return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace opening
