// The plug-in as a host drives it: loaded with dlopen, its exports called
// with a parent widget, documents opened, replaced and closed.
#include "core/host/DetectString.h"
#include "frontends/qt/plugin/ListerTypes.h"
#include "tests/qt/QtTestSupport.h"

#include <QPointer>
#include <QTreeView>
#include <QtTest>

#include <dlfcn.h>

using namespace qttest;

namespace {

struct Exports {
    decltype(&ListLoad) load = nullptr;
    decltype(&ListLoadW) loadW = nullptr;
    decltype(&ListLoadNext) loadNext = nullptr;
    decltype(&ListCloseWindow) close = nullptr;
    decltype(&ListGetDetectString) detect = nullptr;
    decltype(&ListSendCommand) command = nullptr;
    decltype(&ListSearchTextW) searchW = nullptr;
};

kit::BookSpec NamedBook(const char16_t* rootTitle)
{
    return kit::BookOf({kit::Page(1, 1, 4, rootTitle), kit::Page(2, 1, 0, u"Text", u"Words.")});
}

QString RootTitle(HWND window)
{
    auto* tree = static_cast<QWidget*>(window)->findChild<QTreeView*>();
    return tree && tree->model() ? tree->model()->index(0, 0).data().toString() : QString();
}

std::vector<uint16_t> Wide(const QString& text)
{
    std::vector<uint16_t> units(text.utf16(), text.utf16() + text.size());
    units.push_back(0);
    return units;
}

}  // namespace

class PluginTest : public QObject {
    Q_OBJECT
private:
    void* library_ = nullptr;
    Exports x_;
    QTemporaryDir dir_;

private Q_SLOTS:
    void initTestCase()
    {
        library_ = dlopen(VV_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(library_, dlerror());
        x_.load = reinterpret_cast<decltype(x_.load)>(dlsym(library_, "ListLoad"));
        x_.loadW = reinterpret_cast<decltype(x_.loadW)>(dlsym(library_, "ListLoadW"));
        x_.loadNext = reinterpret_cast<decltype(x_.loadNext)>(dlsym(library_, "ListLoadNext"));
        x_.close = reinterpret_cast<decltype(x_.close)>(dlsym(library_, "ListCloseWindow"));
        x_.detect = reinterpret_cast<decltype(x_.detect)>(dlsym(library_, "ListGetDetectString"));
        x_.command = reinterpret_cast<decltype(x_.command)>(dlsym(library_, "ListSendCommand"));
        x_.searchW = reinterpret_cast<decltype(x_.searchW)>(dlsym(library_, "ListSearchTextW"));
        QVERIFY(x_.load && x_.loadW && x_.loadNext && x_.close && x_.detect && x_.command && x_.searchW);
        QVERIFY(!WriteNotebook(dir_, QStringLiteral("a.vnb"), NamedBook(u"Book A")).isEmpty());
        QVERIFY(!WriteNotebook(dir_, QStringLiteral("b.VNB"), NamedBook(u"Book B")).isEmpty());
        QVERIFY(!WriteNotebook(dir_, QStringLiteral("locked.vnb"), NamedBook(u"Locked"), {.password = u"sesame"}).isEmpty());
        QFile broken(dir_.filePath(QStringLiteral("broken.vnb")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray("\xFF\xFF\x11\x00\x05\x00" "CPage", 11));
        broken.close();
        QFile text(dir_.filePath(QStringLiteral("notes.vnb.txt")));
        QVERIFY(text.open(QIODevice::WriteOnly));
    }

    // Each step loads into the same parent, the next ones into the widget
    // the first returned; a failed step keeps what was shown.
    void loadsReplacesAndCloses_data()
    {
        // "load NAME", "loadW NAME", or "next+ NAME" / "next- NAME": loading
        // the next document succeeds / fails.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("passwords");
        QTest::addColumn<QStringList>("roots");    // the root title after each step; "-" for no window
        QTest::addColumn<QStringList>("dialogs");  // what the host's user saw, in order
        const QString dir = dir_.path() + QLatin1Char('/');
        QTest::newRow("narrow, then next") << QStringList{"load a.vnb", "next+ b.VNB"} << QStringList{}
                                           << QStringList{"Book A", "Book B"} << QStringList{};
        QTest::newRow("wide") << QStringList{"loadW b.VNB"} << QStringList{} << QStringList{"Book B"} << QStringList{};
        QTest::newRow("not a notebook, quietly") << QStringList{"load notes.vnb.txt"} << QStringList{} << QStringList{"-"}
                                                 << QStringList{};
        QTest::newRow("broken next keeps the shown one")
            << QStringList{"load a.vnb", "next- broken.vnb", "next- missing.vnb"} << QStringList{}
            << QStringList{"Book A", "Book A", "Book A"}
            << QStringList{"Vorn View|" + dir + "broken.vnb contained an unexpected object.",
                           "|Cant load document " + dir + "broken.vnb", "|Cant load document " + dir + "missing.vnb"};
        QTest::newRow("password, wrong then right")
            << QStringList{"load locked.vnb"} << QStringList{"guess", "sesame"} << QStringList{"Locked"}
            << QStringList{"Password|Required password for openining locked.vnb|",
                           "Vorn View|Invalid password for openining locked.vnb",
                           "Password|Required password for openining locked.vnb|guess"};
        QTest::newRow("password cancelled, next keeps the shown one")
            << QStringList{"load a.vnb", "next- locked.vnb"} << QStringList{} << QStringList{"Book A", "Book A"}
            << QStringList{"Password|Required password for openining locked.vnb|"};
    }

    void loadsReplacesAndCloses()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, passwords);
        QFETCH(QStringList, roots);
        QFETCH(QStringList, dialogs);
        QWidget parent;
        parent.resize(640, 480);
        DialogAnswerer answerer(passwords);
        HWND window = nullptr;
        QStringList seenRoots;
        for (const QString& step : steps) {
            const QString verb = step.section(QLatin1Char(' '), 0, 0);
            const QByteArray path = (dir_.path() + QLatin1Char('/') + step.section(QLatin1Char(' '), 1)).toUtf8();
            if (verb == QLatin1String("load")) {
                window = x_.load(&parent, const_cast<char*>(path.constData()), 0);
            } else if (verb == QLatin1String("loadW")) {
                std::vector<uint16_t> wide = Wide(QString::fromUtf8(path));
                window = x_.loadW(&parent, wide.data(), 0);
            } else {
                const int result = x_.loadNext(&parent, window, const_cast<char*>(path.constData()), 0);
                QCOMPARE(result, verb == QLatin1String("next+") ? kListerOk : kListerError);
            }
            seenRoots << (window ? RootTitle(window) : QStringLiteral("-"));
        }
        QCOMPARE(seenRoots, roots);
        QCOMPARE(answerer.Seen(), dialogs);
        if (!window)
            return;
        QCOMPARE(static_cast<QWidget*>(window)->parentWidget(), &parent);
        QPointer<QWidget> shown = static_cast<QWidget*>(window);
        QCOMPARE(x_.command(window, 99, 0), kListerError);
        QCOMPARE(x_.command(window, kListerCommandSelectAll, 0), kListerOk);
        x_.close(window);
        QVERIFY(shown.isNull());
        // A closed window is no longer ours: nothing is done with it.
        QCOMPARE(x_.command(window, kListerCommandSelectAll, 0), kListerError);
    }

    // A window the plug-in did not make is never touched.
    void foreignWindowsAreRefused()
    {
        QWidget stranger;
        QCOMPARE(x_.command(&stranger, kListerCommandCopy, 0), kListerError);
        uint16_t word[] = {u'a', 0};
        QCOMPARE(x_.searchW(&stranger, word, 1), kListerError);
        QCOMPARE(x_.loadNext(&stranger, &stranger, const_cast<char*>("a.vnb"), 0), kListerError);
        x_.close(&stranger);
        QVERIFY(x_.load(nullptr, const_cast<char*>("a.vnb"), 0) == nullptr);
    }

    void detectString_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("written");
        const auto whole = QString::fromLatin1(core::kDetectString.data(), static_cast<int>(core::kDetectString.size()));
        QTest::newRow("room") << 1024 << whole;
        QTest::newRow("exactly") << static_cast<int>(core::kDetectString.size()) + 1 << whole;
        QTest::newRow("one short") << static_cast<int>(core::kDetectString.size()) << QString();
        QTest::newRow("one byte") << 1 << QString();
    }

    void detectString()
    {
        QFETCH(int, capacity);
        QFETCH(QString, written);
        std::vector<char> buffer(static_cast<size_t>(capacity) + 8, 'x');
        x_.detect(buffer.data(), capacity);
        QCOMPARE(QString::fromLatin1(buffer.data()), written);
        QVERIFY(std::all_of(buffer.begin() + capacity, buffer.end(), [](char c) { return c == 'x'; }));
    }
};

QTEST_MAIN(PluginTest)
#include "PluginTest.moc"
