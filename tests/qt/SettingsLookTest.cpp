// The settings in an ini file, and the colour and font commands that
// change them.
#include "frontends/qt/commands/PaneLook.h"
#include "frontends/qt/system/IniStore.h"
#include "frontends/qt/viewer/Settings.h"
#include "resources/ResourceIds.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace qtviewer;

namespace {

core::SettingsRecord Changed()
{
    core::SettingsRecord settings;
    settings.treeBackColour = 0x00102030;
    settings.textColour = 0xFFFFFFFF;
    settings.showPassword = 1;
    settings.langName = u" Deutsch \\x41\n=[x] ";
    settings.treeFont.faceName = core::MakeFaceName(u"DejaVu Sans");
    settings.treeFont.height = -13;
    settings.treeFont.weight = 700;
    settings.editFont.size = 92;  // chosen: adopted when read back
    settings.editFont.mask = core::kCfmFace | core::kCfmSize;
    settings.editFont.height = 240;
    settings.editFont.faceName = core::MakeFaceName(u"Mono");
    return settings;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The dialogs' answers, and what they were asked with.
class AnsweringDialogs final : public LookDialogs {
public:
    std::optional<QColor> PickColour(QWidget*, const QColor& start) override
    {
        asked = start.name();
        return colour;
    }
    std::optional<QFont> PickFont(QWidget*, const QFont& start) override
    {
        asked = start.family();
        return font;
    }
    std::optional<QColor> colour;
    std::optional<QFont> font;
    QString asked;
};

}  // namespace

class SettingsLookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writtenAndReadBack();
    void writtenOnlyWhenChanged();
    void place_data();
    void place();
    void lookCommands_data();
    void lookCommands();
};

void SettingsLookTest::writtenAndReadBack()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("deeper/vornview.ini"));
    core::SaveSettings(*std::make_unique<IniStore>(path), Changed());
    IniStore store(path);
    const core::SettingsRecord read = core::LoadSettings(store, {});
    const core::SettingsRecord written = Changed();
    QCOMPARE(read.treeBackColour, written.treeBackColour);
    QCOMPARE(read.textColour, written.textColour);
    QCOMPARE(read.showPassword, 1u);
    QCOMPARE(read.langName, written.langName);
    QCOMPARE(core::FaceNameText(read.treeFont.faceName), std::u16string(u"DejaVu Sans"));
    QCOMPARE(read.treeFont.height, -13);
    QCOMPARE(read.editFont.height, 240);
    QCOMPARE(read.editFont.size, 92u);
}

// A store that changes nothing leaves the file alone; a change rewrites it.
void SettingsLookTest::writtenOnlyWhenChanged()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("vornview.ini"));
    {
        IniStore store(path);
        core::LoadSettings(store, {});
    }
    QVERIFY(!QFile::exists(path));
    core::SaveSettings(*std::make_unique<IniStore>(path), Changed());
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append) && file.write("; by hand\n") > 0);
    file.close();
    core::SaveSettings(*std::make_unique<IniStore>(path), Changed());
    QVERIFY(Contents(path).endsWith("; by hand\n"));
    core::SettingsRecord other = Changed();
    other.textColour = 7;
    core::SaveSettings(*std::make_unique<IniStore>(path), other);
    QVERIFY(!Contents(path).contains("; by hand"));
    QVERIFY(Contents(path).contains("TextColor=7\n"));

    // The viewer's record: saving it unchanged writes nothing, not even the
    // defaults on a first run.
    const QString fresh = folder.filePath(QStringLiteral("fresh/vornview.ini"));
    SetSettingsStoreFactory([fresh] { return std::make_unique<IniStore>(fresh); });
    ReleaseSettings();
    Settings();
    SaveSettings();
    QVERIFY(!QFile::exists(fresh));
    Settings().textColour ^= 1;
    SaveSettings();
    QVERIFY(QFile::exists(fresh));
    SetSettingsStoreFactory({});
    ReleaseSettings();
}

void SettingsLookTest::place_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("path");
    QTest::newRow("beside the host's") << "/etc/dc/wlx.ini" << "/x" << "/etc/dc/vornview.ini";
    QTest::newRow("configuration folder") << "" << "/cfg" << "/cfg/vornview/vornview.ini";
    QTest::newRow("home") << "" << "" << "/home/u/.config/vornview/vornview.ini";
    QTest::newRow("relative names count for nothing") << "wlx.ini" << "cfg" << "/home/u/.config/vornview/vornview.ini";
}

void SettingsLookTest::place()
{
    QFETCH(QString, host);
    QFETCH(QString, xdg);
    QFETCH(QString, path);
    QCOMPARE(SettingsFilePath(host, xdg, QStringLiteral("/home/u")), path);
}

void SettingsLookTest::lookCommands_data()
{
    QTest::addColumn<bool>("tree");
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("stored");  // the member changed, as text
    QTest::newRow("tree background") << true << ID_BACKGROUND_COLOR << true << "#302010" << "treeBack=ff0000";
    QTest::newRow("tree text") << true << ID_TEXT_COLOR << true << "#000000" << "treeText=ff0000";
    QTest::newRow("page background") << false << ID_BACKGROUND_COLOR << true << "#000000" << "textBack=ff0000";
    QTest::newRow("page text, cancelled") << false << ID_TEXT_COLOR << false << "#ffffff" << "";
    QTest::newRow("tree font") << true << ID_FONT << true << "Shown" << "treeFont=Chosen";
    QTest::newRow("page font") << false << ID_FONT << true << "Shown" << "editFont=Chosen 12";
    QTest::newRow("page font, cancelled") << false << ID_FONT << false << "Shown" << "";
}

// The dialog starts from what shows; only a confirmed choice is stored,
// shown and saved.
void SettingsLookTest::lookCommands()
{
    QFETCH(bool, tree);
    QFETCH(int, command);
    QFETCH(bool, confirmed);
    QFETCH(QString, asked);
    QFETCH(QString, stored);
    core::SettingsRecord settings = Changed();
    settings.textColour = 0xFFFFFF;
    const core::SettingsRecord before = settings;
    AnsweringDialogs dialogs;
    if (confirmed) {
        dialogs.colour = QColor(0, 0, 0xFF);
        QFont chosen(QStringLiteral("Chosen"));
        chosen.setPointSize(12);
        dialogs.font = chosen;
    }
    int applied = 0, saved = 0;
    QWidget owner;
    const LookCommand pane{tree ? core::MenuPane::Tree : core::MenuPane::Text, &owner, QFont(QStringLiteral("Shown")),
                           [&] { ++applied; }, [&] { ++saved; }};
    QVERIFY(RunLookCommand(command, pane, settings, dialogs));
    QVERIFY(!RunLookCommand(ID_EXPAND_ALL, pane, settings, dialogs));
    QCOMPARE(dialogs.asked, asked);
    QCOMPARE(applied, confirmed ? 1 : 0);
    QCOMPARE(saved, confirmed ? 1 : 0);
    QStringList changed;
    const auto colour = [&](const char* name, uint32_t now, uint32_t was) {
        if (now != was)
            changed << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(now, 6, 16, QLatin1Char('0'));
    };
    colour("treeBack", settings.treeBackColour, before.treeBackColour);
    colour("treeText", settings.treeTextColour, before.treeTextColour);
    colour("textBack", settings.textBackColour, before.textBackColour);
    colour("text", settings.textColour, before.textColour);
    if (settings.treeFont.faceName != before.treeFont.faceName)
        changed << QStringLiteral("treeFont=") + QString::fromStdU16String(core::FaceNameText(settings.treeFont.faceName));
    if (settings.editFont.faceName != before.editFont.faceName)
        changed << QStringLiteral("editFont=%1 %2")
                       .arg(QString::fromStdU16String(core::FaceNameText(settings.editFont.faceName)))
                       .arg(settings.editFont.height / 20);
    QCOMPARE(changed.join(u' '), stored);
}

QTEST_MAIN(SettingsLookTest)
#include "SettingsLookTest.moc"
