#include "frontends/qt/system/IniStore.h"

#include "frontends/qt/viewer/Settings.h"
#include "platform/Ascii.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qtviewer {
namespace {

// A settings file holds a few hundred bytes; a larger one is not ours.
constexpr qint64 kMaxFileSize = 1 << 20;

std::u16string Escaped(std::u16string_view text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool edge = (i == 0 || i + 1 == text.size()) && c == u' ';
        if (c == u'\\') {
            out += u"\\\\";
        } else if (c < 0x20 || c == 0x7F || edge) {
            constexpr char kHex[] = "0123456789abcdef";
            out += u"\\x";
            out += static_cast<char16_t>(kHex[c >> 4 & 0xF]);
            out += static_cast<char16_t>(kHex[c & 0xF]);
        } else {
            out += c;
        }
    }
    return out;
}

// What Escaped wrote; a broken escape stays as it stands.
std::u16string Unescaped(std::u16string_view text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'\\') {
            out += u'\\';
            ++i;
        } else if (text[i] == u'\\' && i + 3 < text.size() && text[i + 1] == u'x' && platform::HexDigitValue(text[i + 2]) >= 0 &&
                   platform::HexDigitValue(text[i + 3]) >= 0) {
            out += static_cast<char16_t>(platform::HexDigitValue(text[i + 2]) * 16 + platform::HexDigitValue(text[i + 3]));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::u16string_view Trimmed(std::u16string_view text)
{
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t' || text.back() == u'\r'))
        text.remove_suffix(1);
    return text;
}

class Section final : public core::KeyValues {
public:
    Section(IniStore::Values& values, bool& changed) : values_(values), changed_(changed) {}

    std::optional<uint32_t> ReadNumber(std::u16string_view name) const override
    {
        const auto found = values_.find(std::u16string(name));
        if (found == values_.end() || found->second.empty() || found->second.size() > 10)
            return std::nullopt;
        uint64_t value = 0;
        for (char16_t c : found->second) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + (c - u'0');
        }
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
        return static_cast<uint32_t>(value);
    }
    std::optional<std::u16string> ReadText(std::u16string_view name) const override
    {
        const auto found = values_.find(std::u16string(name));
        if (found == values_.end())
            return std::nullopt;
        return found->second;
    }
    bool WriteNumber(std::u16string_view name, uint32_t value) override
    {
        return WriteText(name, QString::number(value).toStdU16String());
    }
    bool WriteText(std::u16string_view name, std::u16string_view value) override
    {
        const std::u16string key(name);
        if (const auto found = values_.find(key); found != values_.end() && found->second == value)
            return true;  // nothing changes, nothing is written
        values_[key] = std::u16string(value);
        changed_ = true;
        return true;
    }

private:
    IniStore::Values& values_;
    bool& changed_;
};

}  // namespace

IniStore::IniStore(QString path) : path_(std::move(path))
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return;
    const std::u16string text = QString::fromUtf8(file.readAll()).toStdU16String();
    Values* section = nullptr;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        const std::u16string_view line = Trimmed(std::u16string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
            section = &sections_[Unescaped(line.substr(1, line.size() - 2))];
        } else if (const size_t equals = line.find(u'='); section && equals != std::u16string_view::npos) {
            section->emplace(Unescaped(Trimmed(line.substr(0, equals))), Unescaped(Trimmed(line.substr(equals + 1))));
        }
    }
}

IniStore::~IniStore() { Flush(); }

std::unique_ptr<core::KeyValues> IniStore::OpenKey(std::u16string_view path)
{
    const auto found = sections_.find(std::u16string(path));
    if (found == sections_.end())
        return nullptr;
    return std::make_unique<Section>(found->second, changed_);
}

std::unique_ptr<core::KeyValues> IniStore::CreateKey(std::u16string_view path)
{
    return std::make_unique<Section>(sections_[std::u16string(path)], changed_);
}

bool IniStore::Flush()
{
    if (!changed_)
        return true;
    std::u16string text;
    for (const auto& [name, values] : sections_) {
        text += u"[" + Escaped(name) + u"]\n";
        for (const auto& [key, value] : values)
            text += Escaped(key) + u"=" + Escaped(value) + u"\n";
        text += u"\n";
    }
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(QString::fromStdU16String(text).toUtf8()) < 0 || !file.commit())
        return false;
    changed_ = false;
    return true;
}

QString SettingsFilePath(const QString& hostSettingsFile, const QString& xdgConfigHome, const QString& home)
{
    const QString name = QStringLiteral("vornview.ini");
    if (QFileInfo(hostSettingsFile).isAbsolute())
        return QFileInfo(hostSettingsFile).absolutePath() + u'/' + name;
    // Only an absolute configuration folder counts, as the XDG rules say.
    const QString config = QFileInfo(xdgConfigHome).isAbsolute() ? xdgConfigHome : home + QStringLiteral("/.config");
    return config + QStringLiteral("/vornview/") + name;
}

QString SettingsFilePath()
{
    return SettingsFilePath(QFile::decodeName(HostSettingsFile().c_str()), qEnvironmentVariable("XDG_CONFIG_HOME"),
                            QDir::homePath());
}

void UseSettingsFile()
{
    SetSettingsStoreFactory([] { return std::make_unique<IniStore>(SettingsFilePath()); });
}

}  // namespace qtviewer
