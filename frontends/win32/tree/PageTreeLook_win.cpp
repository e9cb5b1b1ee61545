// The tree's colours and sizes: the look the viewer chose and the
// resolution of the screen it is on.
#include "core/panes/DpiMetrics.h"
#include "frontends/win32/system/FontRecords_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "frontends/win32/viewer/Settings.h"

namespace viewer {

void PageTreePane::ApplyLook(const core::ColourScheme& scheme)
{
    control_.Send(TVM_SETBKCOLOR, 0, scheme.treeBack);
    control_.Send(TVM_SETTEXTCOLOR, 0, scheme.treeText);
    control_.Send(TVM_SETLINECOLOR, 0, scheme.treeText);
    images_.SetBackground(scheme.treeBack);
    readableLabels_ = scheme.dark;
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

// Fonts, the system's default one and those chosen in the font dialog, are
// sized for the resolution the system made its fonts for; a window on a
// screen of another resolution scales them.
void PageTreePane::ApplyDpi(int dpi)
{
    if (HIMAGELIST list = images_.Resize(core::NearestIconSize(dpi, core::kTreeIconSizes)))
        control_.Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
    HDC screen = GetDC(nullptr);
    const int systemDpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : core::kBaseDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    if (dpi == fontDpi_ || (fontDpi_ == 0 && dpi == systemDpi)) {
        fontDpi_ = dpi;
        return;
    }
    fontDpi_ = dpi;
    LOGFONTW font = ToLogFont(Settings().treeFont);
    if (font.lfWeight == -1 || font.lfFaceName[0] == L'\0')
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi > 0 ? systemDpi : core::kBaseDpi);
    if (HFONT scaled = CreateFontIndirectW(&font)) {
        font_.Reset(scaled);
        control_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
    }
}

}  // namespace viewer
