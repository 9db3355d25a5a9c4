#include "ui/platform/SettingsStore.h"

#include <QSettings>

namespace lettrava {

namespace {

QString& iniFile()
{
    static QString file;
    return file;
}

QSettings::Format& fileFormat()
{
    static QSettings::Format format = QSettings::IniFormat;
    return format;
}

// Reads an integer from what the store holds: a number, or a text holding
// one. Anything else is no integer.
bool toInteger(const QVariant& v, int& out)
{
    if (!v.isValid())
        return false;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool: {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok || n < INT_MIN || n > INT_MAX)
            return false;
        out = static_cast<int>(n);
        return true;
    }
    case QMetaType::QString: {
        const QString text = v.toString().trimmed();
        if (text.size() > 24)
            return false;
        bool ok = false;
        const int n = text.toInt(&ok);
        if (!ok)
            return false;
        out = n;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

std::unique_ptr<QSettings> SettingsStore::open(const char* group)
{
    std::unique_ptr<QSettings> s;
    if (iniFile().isEmpty())
        s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lettrava"));
    else
        s = std::make_unique<QSettings>(iniFile(), fileFormat());
    s->setFallbacksEnabled(false);
    if (group && *group)
        s->beginGroup(QString::fromLatin1(group));
    return s;
}

void SettingsStore::useFile(const QString& file, int format)
{
    iniFile() = file;
    fileFormat() = format < 0 ? QSettings::IniFormat : static_cast<QSettings::Format>(format);
}

QString SettingsStore::fileInUse()
{
    if (!iniFile().isEmpty())
        return iniFile();
    return open("")->fileName();
}

bool SettingsStore::contains(const char* group, const char* name)
{
    return open(group)->contains(QString::fromLatin1(name));
}

bool SettingsStore::read(const FlagSetting& s)
{
    const QVariant v = open(s.group)->value(QString::fromLatin1(s.name));
    int n = 0;
    if (toInteger(v, n))
        return n != 0;
    return s.defaultValue;
}

int SettingsStore::read(const IntSetting& s)
{
    const QVariant v = open(s.group)->value(QString::fromLatin1(s.name));
    int n = 0;
    return toInteger(v, n) ? n : s.defaultValue;
}

QString SettingsStore::read(const TextSetting& s)
{
    const QVariant v = open(s.group)->value(QString::fromLatin1(s.name));
    if (!v.isValid())
        return s.defaultText();
    switch (v.typeId()) {
    case QMetaType::QString: {
        QString text = v.toString();
        return text.size() > kMaxTextLength ? s.defaultText() : text;
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return v.toString();
    case QMetaType::QStringList: {
        // The INI format reads an unquoted text with commas as a list.
        QString text = v.toStringList().join(QLatin1Char(','));
        return text.size() > kMaxTextLength ? s.defaultText() : text;
    }
    default:
        return s.defaultText();
    }
}

void SettingsStore::write(const FlagSetting& s, bool value)
{
    open(s.group)->setValue(QString::fromLatin1(s.name), value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::write(const IntSetting& s, int value)
{
    open(s.group)->setValue(QString::fromLatin1(s.name), value);
}

void SettingsStore::write(const TextSetting& s, const QString& value)
{
    open(s.group)->setValue(QString::fromLatin1(s.name), value);
}

} // namespace lettrava
