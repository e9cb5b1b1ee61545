#pragma once
// Texts of the tour notebook: plain text, RTF, HTML and a web archive.
#include <string>

namespace kit::tour {

std::u16string WelcomeRtf();
std::u16string ReadMeText();
std::u16string FrenchText();
std::u16string RussianText();
std::u16string GreekText();
std::u16string CjkRtf();
std::u16string GardenRtf();
std::u16string ReadingListText();
std::u16string BudgetRtf();
std::u16string OldNotesText();
std::u16string WebClippingMht();
std::u16string HtmlSampler();
std::u16string LinksText();
std::u16string DeletedText();

}  // namespace kit::tour
