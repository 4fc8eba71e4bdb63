#include "window/maker.h"

#include <QStringList>

namespace orvelle {

QString MakerAddress() {
    return QStringLiteral("http://") + QLatin1String(kMakerHost);
}

QString MakerPageLink() {
    return MakerAddress() + QStringLiteral("/?prog=orv&ver=2.0");
}

QString AboutText() {
    return QStringList{QStringLiteral("Orvelle"), QString(), QLatin1String(kMakerLine),
                       MakerAddress()}
        .join(u'\r');
}

} // namespace orvelle
