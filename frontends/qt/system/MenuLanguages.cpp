#include "frontends/qt/system/MenuLanguages.h"

#include "core/commands/MenuLayout.h"
#include "frontends/qt/search/SearchDialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <dlfcn.h>

#include <memory>

namespace qtviewer {
namespace {

// A language file is a few kilobytes; anything far larger is no language file.
constexpr qint64 kMaxFileSize = 1 << 20;

std::vector<uint8_t> ReadSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return {};
    const QByteArray bytes = file.read(kMaxFileSize);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void Translate(QMenu& menu, const core::Language& language)
{
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        // Qt's menus show a shortcut after a tab as the resources do.
        action->setText(QString::fromStdU16String(core::TranslateMenuText(action->text().toStdU16String(), language)));
    }
}

// The menus' texts and the search dialog's: what a language file translates.
std::vector<std::u16string> TranslatedTexts()
{
    std::vector<std::u16string> texts = core::BuiltInMenuTexts();
    for (std::u16string& text : SearchDialogTexts())
        texts.push_back(std::move(text));
    return texts;
}

}  // namespace

MenuLanguages::MenuLanguages(const QString& folder, std::u16string_view storedName) : list_(TranslatedTexts())
{
    const QDir dir(folder);
    const QDir::SortFlags byName = QDir::Name | QDir::IgnoreCase;
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("vornview_*.lng")}, QDir::Files, byName)) {
        if (list_.Full())
            break;
        list_.Add(ReadSmallFile(file.filePath()));
    }
    list_.Select(storedName);
}

MenuLanguages& MenuLanguages::Get(std::u16string_view storedName)
{
    // The host never unloads the plug-in: the list lives with the process.
    static const std::unique_ptr<MenuLanguages> languages = std::make_unique<MenuLanguages>(OwnFolder(), storedName);
    return *languages;
}

void MenuLanguages::Localize(QMenu& menu) const
{
    QMenu* submenu = new QMenu(QString::fromStdU16String(std::u16string(core::kLanguageTitle)), &menu);
    const auto add = [submenu](const QString& text, int command, bool checked) {
        QAction* action = submenu->addAction(text);
        action->setData(command);
        action->setCheckable(true);
        action->setChecked(checked);
    };
    add(QString::fromStdU16String(std::u16string(core::kEnglishTitle)), core::kEnglishCommand, !list_.Chosen());
    const std::vector<core::Language>& languages = list_.Languages();
    for (size_t i = 0; i < languages.size(); ++i)
        add(QString::fromStdU16String(languages[i].name), core::kFirstLanguageCommand + static_cast<int>(i),
            static_cast<int>(i) == list_.Selected());
    menu.addSeparator();
    menu.addMenu(submenu);
    if (const core::Language* chosen = list_.Chosen())
        Translate(menu, *chosen);
}

QString MenuLanguages::Text(const QString& english) const
{
    const core::Language* chosen = list_.Chosen();
    return chosen ? QString::fromStdU16String(core::TranslateMenuText(english.toStdU16String(), *chosen)) : english;
}

QString OwnFolder()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&OwnFolder), &info) || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath() + u'/';
}

}  // namespace qtviewer
