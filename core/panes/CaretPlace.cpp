#include "core/panes/CaretPlace.h"

#include "model/Page.h"

namespace core {

CaretPlace PageCaret(const model::CPage& page)
{
    if (page.HasFlag(model::kCaretAtEnd))
        return {true, 0};
    if (page.HasFlag(model::kCaretAtStart))
        return {false, 0};
    return {false, page.DisplayCaretPosition()};
}

}  // namespace core
