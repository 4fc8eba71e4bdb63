#include "window/short_date_format.h"

#include <QRegularExpression>

namespace orvelle {

QString ShortDateFormatWithFullYear(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Any run of y that is not already four long; quoted literal text holds no year field in
    // any locale's short format.
    static const QRegularExpression kYear(QStringLiteral("(?<!y)(y{1,3}|y{5,})(?!y)"));
    format.replace(kYear, QStringLiteral("yyyy"));
    return format;
}

} // namespace orvelle
