#include "UiTestSupport.h"

#include "core/platform/Paths.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SettingsStore.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
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

QChar mnemonicOf(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

std::map<QChar, QStringList> altKeysOf(QWidget& window)
{
    std::map<QChar, QStringList> owners;
    const auto take = [&](const QString& caption) {
        if (const QChar key = mnemonicOf(caption); !key.isNull())
            owners[key] << caption;
    };
    // A button's Alt key is its shortcut (set from its caption unless taken away).
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->isVisibleTo(&window) && !b->shortcut().isEmpty())
            take(b->text());
    for (QLabel* l : window.findChildren<QLabel*>())
        if (l->isVisibleTo(&window) && l->buddy())
            take(l->text());
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        if (bar->isVisibleTo(&window))
            for (QAction* a : bar->actions())
                if (a->isVisible())
                    take(a->text());
    return owners;
}

} // namespace lettrava::test
