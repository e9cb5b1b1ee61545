// The context menus with their enable rules, favourites and languages, and
// the viewer's keys.
#include "frontends/qt/commands/ContextMenus.h"
#include "frontends/qt/panes/ContentPanes.h"
#include "frontends/qt/system/MenuLanguages.h"
#include "frontends/qt/viewer/ViewerWidget.h"
#include "resources/ResourceIds.h"
#include "tests/qt/BookPages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

using namespace qtviewer;

namespace {

// "~" before a disabled item, "*" after a checked one, "|" for a separator,
// a submenu's items in brackets after its title.
QString Described(const QMenu& menu)
{
    QStringList items;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            items << QStringLiteral("|");
        else if (action->menu())
            items << action->text() + u'[' + Described(*action->menu()) + u']';
        else
            items << (action->isEnabled() ? QString() : QStringLiteral("~")) + action->text() +
                         (action->isChecked() ? QStringLiteral("*") : QString());
    }
    return items.join(u' ');
}

const QString kTreeTail = QStringLiteral(
    "| Tree Pane\tCtrl+T | Background Color... Text Color... Font... | Edit Document in Vornbook | Send Bug Report");

}  // namespace

class MenusKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menus_data();
    void menus();
    void languageFile();
    void keys_data();
    void keys();
    void escapeClosesOnlyOurOwnWindow_data();
    void escapeClosesOnlyOurOwnWindow();
};

void MenusKeysTest::menus_data()
{
    QTest::addColumn<bool>("textPane");
    QTest::addColumn<uint32_t>("selected");
    QTest::addColumn<bool>("children");
    QTest::addColumn<bool>("textSelected");
    QTest::addColumn<bool>("outsideLink");
    QTest::addColumn<QString>("menu");
    const QString favourites = QStringLiteral(" | Favorites[Salt && pepper | Plain*] | Language[English*]");
    QTest::newRow("tree, rich page") << false << 3u << false << false << false
                                     << "Copy\tCtrl+C ~Copy As Plain Text Copy As RTF | ~Expand All ~Collapse All " +
                                            kTreeTail + QStringLiteral(" | Favorites[Salt && pepper | Plain] | Language[English*]");
    QTest::newRow("tree, folder with children") << false << 4u << true << false << false
                                                << "~Copy\tCtrl+C ~Copy As Plain Text ~Copy As RTF | Expand All Collapse All " +
                                                       kTreeTail + QStringLiteral(" | Favorites[Salt && pepper | Plain] | Language[English*]");
    QTest::newRow("tree, plain page") << false << 2u << false << false << false
                                      << "Copy\tCtrl+C Copy As Plain Text ~Copy As RTF | ~Expand All ~Collapse All " +
                                             kTreeTail + favourites;
    QTest::newRow("text, nothing selected") << true << 2u << false << false << false
                                            << "~Copy As Plain Text ~Copy As RTF Select All\tCtrl+A " + kTreeTail + favourites;
    QTest::newRow("text, a link under the click") << true << 2u << false << true << true
                                                  << "Copy URL | Copy As Plain Text Copy As RTF Select All\tCtrl+A " +
                                                         kTreeTail + favourites;
}

void MenusKeysTest::menus()
{
    QFETCH(bool, textPane);
    QFETCH(uint32_t, selected);
    QFETCH(bool, children);
    QFETCH(bool, textSelected);
    QFETCH(bool, outsideLink);
    QFETCH(QString, menu);
    kit::BookSpec spec = kit::BookOf({kit::Page(1, 1, 4, u"Root"), kit::Page(2, 1, 0, u"Plain"),
                                      kit::Page(3, 1, 2, u"Rich"), kit::Page(4, 1, 4, u"Folder"),
                                      kit::Page(5, 1, 0, u"Salt & pepper")});
    spec.favourites = {5, 0xFFFFFFFF, 99, 2};
    const model::CBook book = LoadedBook(spec);
    const model::CPage* page = book.FindPage(selected);
    MenuRequest request;
    request.pane = textPane ? core::MenuPane::Text : core::MenuPane::Tree;
    request.book = &book;
    request.selectedPageId = selected;
    request.state = {page, page->IsFolder(), children, textSelected};
    request.outsideLinkUnderPoint = outsideLink;
    const QTemporaryDir noLanguages;
    const MenuLanguages english(noLanguages.path(), u"");
    const std::unique_ptr<QMenu> built = BuildContextMenu(request, english);
    QCOMPARE(Described(*built), menu);
    // Each item's data is its command; a favourite's is its place in the list.
    const QList<QAction*> favourites = built->actions()[built->actions().size() - 3]->menu()->actions();
    QCOMPARE(favourites[0]->data().toInt(), 40000);
    QCOMPARE(favourites[2]->data().toInt(), 40003);
}

// The German file beside the plug-in translates both menus, submenu titles
// included; a stored name chooses it, and English is chosen back.
void MenusKeysTest::languageFile()
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(VV_LANGUAGE_FILES "/vornview_deu.lng"), folder.filePath(QStringLiteral("vornview_deu.lng"))));
    QFile broken(folder.filePath(QStringLiteral("vornview_xxx.lng")));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("[GENERAL]\nLanguage=Empty\n") > 0);
    broken.close();
    MenuLanguages languages(folder.path(), u"deutsch");
    QCOMPARE(languages.Languages().size(), size_t{1});
    QCOMPARE(languages.Selected(), 0);
    const model::CBook book = LoadedBook(kit::BookOf({kit::Page(1, 1, 4, u"Root"), kit::Page(2, 1, 0, u"Plain")}));
    MenuRequest request;
    request.pane = core::MenuPane::Text;
    request.book = &book;
    request.outsideLinkUnderPoint = true;
    const std::unique_ptr<QMenu> german = BuildContextMenu(request, languages);
    QCOMPARE(Described(*german),
             QStringLiteral("Adresse kopieren | ~Als reinen Text kopieren ~Als RTF kopieren Alles markieren\tCtrl+A | "
                            "Baumansicht\tCtrl+T | Hintergrundfarbe... Textfarbe... Schriftart... | "
                            "Dokument in Vornbook bearbeiten | Fehlerbericht senden | Sprache[English Deutsch*]"));
    QCOMPARE(languages.Choose(ID_FONT), std::nullopt);
    QCOMPARE(languages.Choose(core::kFirstLanguageCommand + 1), std::nullopt);
    QCOMPARE(languages.Choose(core::kEnglishCommand), std::optional<std::u16string>(u""));
    QVERIFY(Described(*BuildContextMenu(request, languages)).startsWith(QStringLiteral("Copy URL |")));
    QCOMPARE(languages.Choose(core::kFirstLanguageCommand), std::optional<std::u16string>(u"Deutsch"));
    // The viewer's own dialogs read their texts from the same section.
    QTemporaryDir ownFolder;
    QFile own(ownFolder.filePath(QStringLiteral("vornview_tst.lng")));
    QVERIFY(own.open(QIODevice::WriteOnly) && own.write("[GENERAL]\nLanguage=Test\n[MENU]\nMATCH_CASE=Exact\n") > 0);
    own.close();
    QCOMPARE(MenuLanguages(ownFolder.path(), u"test").Text(QStringLiteral("Match case")), QStringLiteral("Exact"));
    QCOMPARE(MenuLanguages(ownFolder.path(), u"").Text(QStringLiteral("Match case")), QStringLiteral("Match case"));
}

void MenusKeysTest::keys_data()
{
    QTest::addColumn<bool>("treeHidden");
    QTest::addColumn<bool>("treeFocused");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("treeShows");
    QTest::addColumn<bool>("treeFocusedAfter");
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+T hides") << false << true << int(Qt::Key_T) << ctrl << false << false;
    QTest::newRow("Ctrl+T shows") << true << false << int(Qt::Key_T) << ctrl << true << true;
    QTest::newRow("Ctrl+Shift+T") << false << true << int(Qt::Key_T) << int(ctrl | Qt::ShiftModifier) << true << true;
    QTest::newRow("Tab to the page") << false << true << int(Qt::Key_Tab) << 0 << true << false;
    QTest::newRow("Tab to the tree") << false << false << int(Qt::Key_Tab) << 0 << true << true;
    QTest::newRow("Shift+Tab") << false << false << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << true << true;
    QTest::newRow("Tab, tree hidden") << true << false << int(Qt::Key_Tab) << 0 << false << false;
}

void MenusKeysTest::keys()
{
    QFETCH(bool, treeHidden);
    QFETCH(bool, treeFocused);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, treeShows);
    QFETCH(bool, treeFocusedAfter);
    // Inside a host whose own widgets come next in the focus chain.
    QWidget host;
    auto* viewer = new ViewerWidget(&host);
    auto* hostField = new QLineEdit(&host);
    auto* layout = new QVBoxLayout(&host);
    layout->addWidget(viewer);
    layout->addWidget(hostField);
    host.resize(600, 400);
    host.show();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    if (treeHidden)
        viewer->ToggleTreePane();
    QWidget* page = viewer->Content()->currentWidget();
    QWidget* focused = treeFocused ? static_cast<QWidget*>(viewer->Tree()) : page;
    focused->setFocus();
    QTRY_VERIFY(focused->hasFocus());
    QTest::keyClick(focused, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(!viewer->Tree()->isHidden(), treeShows);
    QCOMPARE(viewer->Tree()->hasFocus(), treeFocusedAfter);
    QCOMPARE(page->hasFocus(), !treeFocusedAfter);
}

void MenusKeysTest::escapeClosesOnlyOurOwnWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("closes");
    QTest::newRow("standalone") << "main window" << true;
    QTest::newRow("host's viewer window") << "menu bar, client area, status bar" << true;
    QTest::newRow("a hidden file list beside") << "hidden list" << true;
    QTest::newRow("a file list beside") << "list" << false;
    QTest::newRow("quick view") << "viewer window in a panel" << false;
}

// Built as the hosts build them: the viewer in a host's client area (a
// scroll area's viewport), or that whole window set into a panel of a file
// manager beside its file list.
void MenusKeysTest::escapeClosesOnlyOurOwnWindow()
{
    QFETCH(QString, window);
    QFETCH(bool, closes);
    auto* viewer = new ViewerWidget;
    QMainWindow main;
    QWidget host;
    QWidget* top = window == QLatin1String("main window") ? static_cast<QWidget*>(&main) : &host;
    auto* form = window == QLatin1String("viewer window in a panel") ? new QWidget : &host;
    auto* layout = new QVBoxLayout(&host);
    if (top == &main) {
        main.setCentralWidget(viewer);
    } else if (window.endsWith(QLatin1String("list"))) {
        layout->addWidget(viewer);
        layout->addWidget(new QTreeView);
        layout->itemAt(1)->widget()->setHidden(window.startsWith(QLatin1String("hidden")));
    } else {
        auto* area = new QScrollArea;
        auto* formLayout = form == &host ? layout : new QVBoxLayout(form);
        formLayout->setMenuBar(new QMenuBar(form));
        formLayout->menuBar()->setHidden(form != &host);  // hidden in a panel
        formLayout->addWidget(area);
        viewer->setParent(area->viewport());
        new QStatusBar(area->viewport());
        if (form != &host) {
            layout->addWidget(new QTreeView);
            layout->addWidget(form);
        }
    }
    top->resize(600, 400);
    top->show();
    QVERIFY(QTest::qWaitForWindowExposed(top));
    QTest::keyClick(viewer->Tree(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCOMPARE(top->isVisible(), !closes);
}

QTEST_MAIN(MenusKeysTest)
#include "MenusKeysTest.moc"
