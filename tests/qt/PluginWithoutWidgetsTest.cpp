// The plug-in in a process whose Qt makes no widgets: a host built on the
// other major version of Qt has no application object of the plug-in's Qt,
// and one without widgets has only a core application. Either way no
// document is opened (a widget would end the process) and the host shows
// the file itself.
#include "frontends/qt/plugin/ListerTypes.h"

#include <QCoreApplication>

#include <cstdio>

#include <dlfcn.h>

int main(int argc, char** argv)
{
    void* library = dlopen(VV_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    const auto load = library ? reinterpret_cast<decltype(&ListLoad)>(dlsym(library, "ListLoad")) : nullptr;
    const auto loadW = library ? reinterpret_cast<decltype(&ListLoadW)>(dlsym(library, "ListLoadW")) : nullptr;
    if (!load || !loadW) {
        std::fprintf(stderr, "the plug-in or its exports are missing\n");
        return 1;
    }
    // Never touched: the plug-in refuses before it looks at its parent.
    char notAWidget[64] = {};
    char name[] = "tour.vnb";
    uint16_t wideName[] = {u't', u'.', u'v', u'n', u'b', 0};
    int failures = 0;
    const auto check = [&](const char* when) {
        if (load(notAWidget, name, 0) || loadW(notAWidget, wideName, 0)) {
            std::fprintf(stderr, "a document opened %s\n", when);
            ++failures;
        }
    };
    check("without an application");
    const QCoreApplication app(argc, argv);
    check("with a core application only");
    return failures == 0 ? 0 : 1;
}
