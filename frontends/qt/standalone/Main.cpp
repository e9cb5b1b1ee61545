// vornview FILE.vnb: the viewer widget in a window of its own, for a
// desktop without a file manager that hosts the plug-in.
#include "frontends/qt/opening/QtOpening.h"
#include "frontends/qt/tree/TreeIcons.h"
#include "frontends/qt/viewer/Settings.h"
#include "frontends/qt/viewer/ViewerWidget.h"
#include "opening/OpenDocument.h"
#include "platform/FilePath.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(qtviewer::kAppName));
    qtviewer::LoadIconResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vornview/plugin.ico")));
    if (argc != 2 || std::string_view(argv[1]) == "-h" || std::string_view(argv[1]) == "--help") {
        std::fputs("usage: vornview FILE.vnb\n", argc == 2 ? stdout : stderr);
        return argc == 2 ? 0 : 1;
    }
    // The name as the system gave it, byte for byte.
    const std::filesystem::path file(argv[1]);
    QMainWindow window;
    window.setWindowTitle(QString::fromLocal8Bit(argv[1]) + QStringLiteral(" - ") + QString::fromLatin1(qtviewer::kAppName));
    window.resize(900, 600);
    auto* viewer = new qtviewer::ViewerWidget(&window);
    window.setCentralWidget(viewer);
    window.show();
    if (!viewer->Load(file)) {
        if (!opening::IsDocumentName(platform::PathText(file)))
            QMessageBox::warning(&window, QString::fromLatin1(qtviewer::kAppName),
                                 QStringLiteral("Not a notebook: ") + QString::fromLocal8Bit(argv[1]));
        return 2;
    }
    const int status = QApplication::exec();
    qtviewer::SaveSettings();
    return status;
}
