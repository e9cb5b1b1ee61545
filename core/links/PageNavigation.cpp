#include "core/links/PageNavigation.h"

#include "platform/Ascii.h"

#include <algorithm>

namespace core {

// A page once shown stays: a late refusal concerns no page the user sees.
PageNavigation::Report PageNavigation::Refused()
{
    if (state_ != State::Waiting)
        return Report::None;
    state_ = State::Failed;
    return Report::NotShown;
}

// Only a page whose source already stands in for it needs telling.
PageNavigation::Report PageNavigation::DocumentArrived()
{
    if (state_ == State::Empty)
        return Report::None;
    const bool late = state_ == State::Failed;
    state_ = State::Shown;
    return late ? Report::Shown : Report::None;
}

PageNavigation::Report PageNavigation::TimedOut(bool documentHere)
{
    if (state_ != State::Waiting)
        return Report::None;
    if (documentHere)
        return DocumentArrived();
    return Refused();
}

bool AddressNamesFile(std::u16string_view address, std::u16string_view path)
{
    const size_t slash = path.find_last_of(u"\\/");
    const std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
    if (name.empty())
        return false;
    const auto same = [](char16_t a, char16_t b) { return platform::AsciiLower(a) == platform::AsciiLower(b); };
    return std::search(address.begin(), address.end(), name.begin(), name.end(), same) != address.end();
}

}  // namespace core
