#pragma once
// What the text pane makes of the markup in a page's text, for a page
// written as HTML: bookmark markers and the heads of page links hidden,
// page links, web and e-mail addresses as links.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "richtext/HtmlWriter.h"

namespace vnbview {

// The relative URL of the exported page with this identifier, if any.
using PageUrl = std::function<std::optional<std::string>(uint32_t)>;

// Runs the text pane's passes over `text` (a document's text) and adds
// what they hide and link to `page`. A page link leads to `pageUrl` of its
// page; an address only when it is a web or mail address.
void AddPageMarkup(std::u16string_view text, const PageUrl& pageUrl, richtext::HtmlPage& page);

// Every page identifier a page link marker in `text` may name, a few more
// perhaps: the number after each "page" (any case).
void CollectPageLinkTargets(std::u16string_view text, const std::function<void(uint32_t)>& add);

}  // namespace vnbview
