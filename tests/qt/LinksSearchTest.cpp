// Links and the host's search on pages shown in a Qt text view.
#include "core/search/SearchRound.h"
#include "frontends/qt/links/LinkClicks.h"
#include "frontends/qt/commands/ContextMenus.h"
#include "frontends/qt/commands/ViewerFeatures.h"
#include "frontends/qt/panes/ContentPanes.h"
#include "frontends/qt/search/SearchDialog.h"
#include "frontends/qt/viewer/ViewerWidget.h"
#include "tests/qt/BookPages.h"
#include "tests/qt/QtTestSupport.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QClipboard>
#include <QMimeData>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTreeView>
#include <QVBoxLayout>

#include <QTest>

using namespace qtviewer;

namespace {

// The desktop as a test sees it: what was asked and opened, answered.
class RecordingDesktop final : public LinkOpener {
public:
    bool Ask(QWidget*, const QString& question) override
    {
        questions << question;
        return answer;
    }
    bool Open(const QUrl& url) override
    {
        opened << url.toString(QUrl::FullyEncoded);
        return true;
    }
    void Beep() override { ++beeps; }

    bool answer = false;
    QStringList questions;
    QStringList opened;
    int beeps = 0;
};

// Chooses a command from the menu it is shown, and keeps the menu's texts.
class ChoosingTracker final : public MenuTracker {
public:
    int Track(QMenu& menu, QPoint) override
    {
        texts.clear();
        for (const QAction* action : menu.actions())
            texts << action->text();
        return command;
    }
    int command = 0;
    QStringList texts;
};

// "plain 6 beta": the view showing the page, where its selection starts,
// what it holds.
QString Selected(const ViewerWidget& viewer)
{
    QWidget* shown = viewer.Content()->currentWidget();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(shown))
        return QStringLiteral("plain %1 ").arg(plain->textCursor().selectionStart()) + plain->textCursor().selectedText();
    auto* rich = qobject_cast<QTextBrowser*>(shown);
    return QStringLiteral("rich %1 ").arg(rich->textCursor().selectionStart()) + rich->textCursor().selectedText();
}

QString Shown(const ShownLink& link) { return link.text + (link.page ? QStringLiteral("->%1").arg(*link.page) : QString()); }

}  // namespace

class LinksSearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void passesOnAShownPage_data();
    void passesOnAShownPage();
    void clicks_data();
    void clicks();
    void searchAcrossPages_data();
    void searchAcrossPages();
    void inTheViewer();
    void searchDialog();
};

void LinksSearchTest::passesOnAShownPage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("links");
    QTest::newRow("page link") << "see page12<Intro> now" << "see Intro now" << QStringList{"Intro->12"};
    QTest::newRow("fields") << "page-3|a|b//<Back> and PAGE7://<On>" << "Back and On" << QStringList{"Back->4294967293", "On->7"};
    QTest::newRow("bookmark") << "a bookmark<here>b" << "a b" << QStringList{};
    QTest::newRow("empty caption") << "x page5<> y" << "x  y" << QStringList{};
    QTest::newRow("no page 0") << "page0<x>" << "page0<x>" << QStringList{};
    QTest::newRow("web and mail") << "go http://x.org/a. or (www.x.org) me@x.org."
                                  << "go http://x.org/a. or (www.x.org) me@x.org."
                                  << QStringList{"http://x.org/a", "www.x.org", "me@x.org"};
    QTest::newRow("lines") << "first\npage3<Three>\nbookmark<b>www.x.org" << "first\nThree\nwww.x.org"
                           << QStringList{"Three->3", "www.x.org"};
}

// The document shows what the reader sees, and each link's place in it
// holds the link's text.
void LinksSearchTest::passesOnAShownPage()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QStringList, links);
    QTextEdit view;
    view.setPlainText(text);
    PageLinks passes;
    passes.Apply(*view.document());
    QCOMPARE(view.toPlainText(), shown);
    QStringList found;
    for (const ShownLink& link : passes.Links()) {
        found << Shown(link);
        QCOMPARE(shown.mid(link.start, link.end - link.start), link.text);
    }
    QCOMPARE(found, links);
    QVERIFY(!view.document()->isUndoAvailable());
}

void LinksSearchTest::clicks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("asked");  // a part of the question, or empty for none
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("event");  // a page shown or a beep
    QTest::newRow("web") << "http://x.org/a" << false << "" << "http://x.org/a" << "";
    QTest::newRow("www") << "www.x.org" << false << "" << "http://www.x.org" << "";
    QTest::newRow("mail") << "me@x.org" << false << "" << "mailto:me@x.org" << "";
    QTest::newRow("file refused") << "file:///bin/sh" << false << "file:///bin/sh" << "" << "";
    QTest::newRow("file agreed") << "file:///bin/sh" << true << "file:///bin/sh" << "file:///bin/sh" << "";
    QTest::newRow("hidden override") << QString::fromUtf16(u"http://x.org/\u202Egpj.exe") << false << "<U+202E>" << "" << "";
    QTest::newRow("www without host") << "www.exe" << true << "www.exe" << "" << "beep";
    QTest::newRow("page link") << "page2<Two>" << false << "" << "" << "page 2";
    QTest::newRow("missing page") << "page9<Nine>" << false << "" << "" << "beep";
}

// A left click on a shown link reaches the desktop only as the target
// rules allow.
void LinksSearchTest::clicks()
{
    QFETCH(QString, text);
    QFETCH(bool, answer);
    QFETCH(QString, asked);
    QFETCH(QString, opened);
    QFETCH(QString, event);
    QTextEdit view;
    view.setReadOnly(true);
    view.setPlainText(QStringLiteral("a ") + text + QStringLiteral(" b"));
    PageLinks passes;
    passes.Apply(*view.document());
    QCOMPARE(passes.Links().size(), size_t{1});
    QString shownPage;
    LinkClicks clicks(view, passes, [&](uint32_t page) {
        shownPage = QStringLiteral("page %1").arg(page);
        return page == 2;
    });
    RecordingDesktop desktop;
    desktop.answer = answer;
    clicks.SetOpener(desktop);
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTextCursor at(view.document());
    at.setPosition(passes.Links()[0].start + 1);
    const QPoint point = view.cursorRect(at).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(desktop.questions.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY2(desktop.questions[0].contains(asked), qPrintable(desktop.questions[0]));
    QCOMPARE(desktop.opened, opened.isEmpty() ? QStringList{} : QStringList{opened});
    QCOMPARE(desktop.beeps, event == QStringLiteral("beep") ? 1 : 0);
    if (event.startsWith(QStringLiteral("page")) || event == QStringLiteral("beep"))
        QCOMPARE(shownPage.isEmpty(), !text.startsWith(QStringLiteral("page")));
    // Beside the link nothing happens.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(QTextCursor(view.document())).center());
    QCOMPARE(desktop.opened.size() + desktop.questions.size() + desktop.beeps,
             (opened.isEmpty() ? 0 : 1) + (asked.isEmpty() ? 0 : 1) + (event == QStringLiteral("beep") ? 1 : 0));
}

void LinksSearchTest::searchAcrossPages_data()
{
    QTest::addColumn<uint32_t>("from");
    QTest::addColumn<int>("selectedAt");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("flags");
    QTest::addColumn<uint32_t>("page");  // 0: nothing found
    QTest::addColumn<int>("at");
    using core::kSearchBackwards, core::kSearchFindFirst, core::kSearchMatchCase;
    QTest::newRow("first, any case") << 2u << 0 << "beta" << kSearchFindFirst << 2u << 6;
    QTest::newRow("match case") << 2u << 0 << "beta" << (kSearchFindFirst | kSearchMatchCase) << 3u << 0;
    QTest::newRow("after the selection") << 2u << 6 << "beta" << 0 << 3u << 0;
    QTest::newRow("backwards") << 3u << 0 << "beta" << kSearchBackwards << 2u << 6;
    QTest::newRow("round the end") << 5u << 4 << "alpha" << 0 << 2u << 0;
    QTest::newRow("caption as shown") << 2u << 0 << "delta" << kSearchFindFirst << 5u << 4;
    QTest::newRow("not what is hidden") << 2u << 0 << "zeta" << kSearchFindFirst << 0u << 0;
}

void LinksSearchTest::searchAcrossPages()
{
    QFETCH(uint32_t, from);
    QFETCH(int, selectedAt);
    QFETCH(QString, pattern);
    QFETCH(int, flags);
    QFETCH(uint32_t, page);
    QFETCH(int, at);
    const model::CBook book = LoadedBook(kit::BookOf({kit::Page(1, 1, 4, u"Root"), kit::Page(2, 1, 0, u"A", u"alpha Beta"),
                                                      kit::Page(3, 1, 0, u"B", u"beta gamma"),
                                                      kit::Page(4, 1, 0, u"Z", u"x bookmark<zeta> y"),
                                                      kit::Page(5, 1, 0, u"D", u"see page2<delta>")}));
    ShownPages pages(book);
    pages.Show(from);
    QTextCursor selection(pages.view.document());
    selection.setPosition(selectedAt);
    selection.setPosition(selectedAt + (selectedAt ? 4 : 0), QTextCursor::KeepAnchor);
    pages.view.setTextCursor(selection);
    PageSearch search(book);
    const bool found = search.Find(pages, pattern.toStdU16String(), flags);
    QCOMPARE(found, page != 0);
    if (!found)
        return;
    QCOMPARE(pages.ShownPage()->Id(), page);
    QCOMPARE(pages.view.textCursor().selectionStart(), at);
    QCOMPARE(pages.view.textCursor().selectedText().toLower(), pattern);
}

// The viewer widget runs the passes on each page it shows, searches its
// views, and a page link in the rich view shows its page.
void LinksSearchTest::inTheViewer()
{
    QTemporaryDir folder;
    const QString path = qttest::WriteNotebook(
        folder, QStringLiteral("book.vnb"),
        kit::BookOf({kit::Page(1, 1, 4, u"Root"), kit::Page(2, 1, 0, u"Plain", u"alpha bookmark<beta>beta"),
                     kit::Page(3, 1, 2, u"Rich", u"{\\rtf1\\ansi see page2<Two> and \\b beta\\b0  "
                                                  u"{\\field{\\*\\fldinst HYPERLINK \"file:///bin/sh\"}{\\fldrslt Tool}}}")}));
    ViewerWidget viewer;
    viewer.resize(600, 400);
    viewer.show();
    QVERIFY(viewer.Load(path.toStdString()));
    const std::pair<int, QString> searches[] = {
        {core::kSearchFindFirst, "plain 6 beta"}, {0, "rich 12 beta"}, {0, "plain 6 beta"}, {core::kSearchBackwards, "rich 12 beta"}};
    for (const auto& [flags, expected] : searches) {
        QVERIFY(viewer.Search(u"beta", flags));
        QCOMPARE(Selected(viewer), expected);
    }
    QCOMPARE(viewer.Content()->RichView()->toPlainText(), QStringLiteral("see Two and beta Tool"));
    // The page's menu offers the field's target, and copies the words selected.
    QTextBrowser& rich = *viewer.Content()->RichView();
    ChoosingTracker tracker;
    viewer.Features()->SetMenuTracker(tracker);
    tracker.command = ID_COPY_PLAIN;
    viewer.Features()->ShowMenu(rich, {1, 1});
    QCOMPARE(tracker.texts.value(0), QStringLiteral("Copy As Plain Text"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("beta"));
    QVERIFY(!QApplication::clipboard()->mimeData()->hasHtml());
    tracker.command = ID_COPY_URL;
    QTextCursor field(viewer.Content()->RichView()->document());
    field.setPosition(18);
    viewer.Features()->ShowMenu(rich, rich.cursorRect(field).center() + QPoint(2, 0));
    QCOMPARE(tracker.texts.value(0), QStringLiteral("Copy URL"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("file:///bin/sh"));
    RecordingDesktop desktop;
    viewer.Features()->SetDesktop(desktop);
    const auto click = [&viewer](int position) {
        QTextCursor at(viewer.Content()->RichView()->document());
        at.setPosition(position);
        const QPoint point = viewer.Content()->RichView()->cursorRect(at).center() + QPoint(2, 0);
        QTest::mouseClick(viewer.Content()->RichView()->viewport(), Qt::LeftButton, {}, point);
    };
    click(18);  // the field's link leads to its target, under the same rules
    QCOMPARE(desktop.questions.size(), 1);
    QVERIFY(desktop.questions[0].contains(QStringLiteral("file:///bin/sh")));
    click(5);
    QCOMPARE(viewer.ShownPage()->Id(), 2u);
    QCOMPARE(desktop.beeps + desktop.opened.size(), 0);
    // The host's Copy with the tree focused copies the selected page.
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    viewer.Tree()->setFocus();
    QTRY_VERIFY(viewer.Tree()->hasFocus());
    viewer.Copy();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alpha bookmark<beta>beta"));
}

// F7 asks for the search in a dialog of the viewer's own, which offers what
// was searched last and starts the round from the top; a search that finds
// nothing says so, a cancelled one does nothing. F3 and Shift+F3 go on
// with it until the host searches.
void LinksSearchTest::searchDialog()
{
    QTemporaryDir folder;
    const QString path = qttest::WriteNotebook(
        folder, QStringLiteral("book.vnb"),
        kit::BookOf({kit::Page(1, 1, 4, u"Root"), kit::Page(2, 1, 0, u"Plain", u"alpha Beta beta"),
                     kit::Page(3, 1, 2, u"Rich", u"{\\rtf1\\ansi see \\b beta\\b0}")}));
    QWidget host;
    auto* viewer = new ViewerWidget(&host);
    (new QVBoxLayout(&host))->addWidget(viewer);
    host.resize(600, 400);
    host.show();
    QVERIFY(viewer->Load(path.toStdString()));
    struct Step {
        const char* keys;     // F7 (the dialog), F3, Shift+F3, or "host" (the host's search for the text)
        const char* offered;  // the dialog's text when it opens
        const char* text;
        bool matchCase, backwards, find;
        const char* result;  // the selection afterwards, or the message shown
    };
    const Step steps[] = {
        {"F7", "", "beta", false, false, true, "plain 6 Beta"},
        {"F3", "", "", false, false, false, "plain 11 beta"},
        {"F3", "", "", false, false, false, "rich 4 beta"},
        {"Shift+F3", "", "", false, false, false, "plain 11 beta"},
        {"F7", "beta", "beta", true, false, true, "plain 11 beta"},
        {"F7", "beta", "beta", false, true, true, "plain 11 beta"},  // from the page's end
        {"F3", "", "", false, false, false, "plain 6 Beta"},
        {"F7", "beta", "gamma", false, false, false, "plain 6 Beta"},
        {"F7", "beta", "Gamma", false, false, true, "Text not found: Gamma"},
        {"host", "", "see", false, false, false, "rich 0 see"},
        {"F3", "", "", false, false, false, "rich 0 see"},  // the host's to go on with
        {"F7", "Gamma", "beta", true, false, true, "rich 4 beta"},  // from the top of the shown page
    };
    for (const Step& step : steps) {
        const QString row = QString::fromLatin1(step.keys) + u' ' + QString::fromLatin1(step.text) +
                            (step.matchCase ? " case" : "") + (step.backwards ? " back" : "");
        viewer->Tree()->setFocus();
        if (QByteArray(step.keys) == "host") {
            viewer->Search(QString::fromLatin1(step.text).toStdU16String(), core::kSearchFindFirst);
        } else if (QByteArray(step.keys) != "F7") {
            QTest::keyClick(viewer->Tree(), Qt::Key_F3, QByteArray(step.keys) == "F3" ? Qt::NoModifier : Qt::ShiftModifier);
        } else {
            QTest::keyClick(viewer->Tree(), Qt::Key_F7);
            auto* dialog = viewer->findChild<SearchDialog*>();
            QVERIFY2(dialog && dialog->isVisible(), qPrintable(row));
            auto* text = dialog->findChild<QLineEdit*>();
            QCOMPARE(text->text(), QString::fromLatin1(step.offered));
            text->setText(QString::fromLatin1(step.text));
            const QList<QCheckBox*> options = dialog->findChildren<QCheckBox*>();
            options.value(0)->setChecked(step.matchCase);
            options.value(1)->setChecked(step.backwards);
            if (step.find)
                dialog->accept();
            else
                dialog->reject();
            QTRY_VERIFY(!viewer->findChild<SearchDialog*>());
        }
        const std::unique_ptr<QMessageBox> message(viewer->findChild<QMessageBox*>());
        const QString result = message ? message->text() : Selected(*viewer);
        QVERIFY2(result == QString::fromLatin1(step.result), qPrintable(row + ": " + result));
    }
}

QTEST_MAIN(LinksSearchTest)
#include "LinksSearchTest.moc"
