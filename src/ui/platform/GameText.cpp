#include "ui/platform/GameText.h"

namespace lettrava {

QString toQt(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text)
{
    const QByteArray latin = text.toLatin1();
    return std::string(latin.constData(), static_cast<std::size_t>(latin.size()));
}

} // namespace lettrava
