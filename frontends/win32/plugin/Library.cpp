// Start-up and shut-down of the library inside the host's process.
#include "frontends/win32/plugin/ViewerRegistry.h"
#include "frontends/win32/system/MenuLanguages_win.h"
#include "frontends/win32/viewer/Settings.h"
#include "frontends/win32/viewer/ViewerMessages_win.h"
#include "platform/win32/WindowClass.h"

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            DisableThreadLibraryCalls(instance);
            viewer::RegisterViewerMessages();
        } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
            // Unloaded by FreeLibrary while the process goes on: leave no
            // window or class of ours behind, since their code is going away.
            plugin::Viewers().Clear();
            viewer::MenuLanguages::Release();
            viewer::ReleaseSettings();
            win::UnregisterWindowClasses();
        }
    } catch (...) {
    }
    return TRUE;
}
