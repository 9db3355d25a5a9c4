#include "UiTestSupport.h"

#include "core/platform/Paths.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SettingsStore.h"

#include <QFile>
#include <QTextStream>

namespace lettrava::test {

namespace {

// One line per value: key, type name, value, separated by tabs.
template <typename Map>
void readTypedLines(QIODevice& device, Map& map)
{
    QTextStream in(&device);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(QLatin1Char('\t'));
        if (parts.size() != 3)
            continue;
        QVariant v(parts[2]);
        const QMetaType type = QMetaType::fromName(parts[1].toLatin1());
        if (type.isValid() && type.id() != QMetaType::QString)
            v.convert(type);
        map[parts[0]] = v;
    }
}

bool readTyped(QIODevice& device, QSettings::SettingsMap& map)
{
    readTypedLines(device, map);
    return true;
}

bool writeTyped(QIODevice& device, const QSettings::SettingsMap& map)
{
    QTextStream out(&device);
    for (auto it = map.begin(); it != map.end(); ++it)
        out << it.key() << '\t' << it.value().metaType().name() << '\t' << it.value().toString() << '\n';
    return true;
}

} // namespace

QSettings::Format typedSettingsFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("typed"), &readTyped, &writeTyped, Qt::CaseSensitive);
    return format;
}

std::map<QString, QVariant> readTypedSettings(const std::filesystem::path& file)
{
    std::map<QString, QVariant> out;
    QFile f(QString::fromStdString(file.string()));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    readTypedLines(f, out);
    return out;
}

UiTest::UiTest() : settingsFile_(dir_ / "settings.typed"), previousFolder_(Paths::programFolder())
{
    SettingsStore::useFile(QString::fromStdString(settingsFile_.string()), typedSettingsFormat());
    Paths::setProgramFolder(dir_.path());
    clearForcedLowColour();
}

UiTest::~UiTest()
{
    SettingsStore::useFile(QString());
    Paths::setProgramFolder(previousFolder_);
    clearForcedLowColour();
}

} // namespace lettrava::test
