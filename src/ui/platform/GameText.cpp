#include "ui/platform/GameText.h"

#include "core/words/Latin1.h"

namespace lettrava {

QString toQt(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString toQt(char letter) { return QString(QChar::fromLatin1(letter)); }

std::string toBytes(const QString& text)
{
    const QByteArray latin = text.toLatin1();
    return std::string(latin.constData(), static_cast<std::size_t>(latin.size()));
}

std::string typedWord(const QString& text) { return latin1::upper(toBytes(text)); }

QString pathToQt(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

std::filesystem::path qtToPath(const QString& path) { return std::filesystem::path(path.toStdU16String()); }

} // namespace lettrava
