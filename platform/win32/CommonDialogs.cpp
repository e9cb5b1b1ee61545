#include "platform/win32/CommonDialogs.h"

#include <commdlg.h>

namespace win {

bool PickColour(COLORREF& colour, HWND owner)
{
    // The custom colours live as long as the process, as the dialog expects.
    static COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = colour;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT;
    if (!ChooseColorW(&choose))
        return false;
    colour = choose.rgbResult;
    return true;
}

bool PickFont(LOGFONTW& font, HWND owner, COLORREF& colour, int* pointSizeTenths)
{
    LOGFONTW chosen = font;
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.lpLogFont = &chosen;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    choose.rgbColors = colour;
    if (!ChooseFontW(&choose))
        return false;
    font = chosen;
    colour = choose.rgbColors;
    if (pointSizeTenths)
        *pointSizeTenths = choose.iPointSize;
    return true;
}

}  // namespace win
