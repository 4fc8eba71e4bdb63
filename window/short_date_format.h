#pragma once

#include <QLocale>
#include <QString>

namespace orvelle {

// The locale's short date format with the year in full: "M/d/yy" becomes "M/d/yyyy". A jump of
// a hundred years would look like no change at all with two digits.
QString ShortDateFormatWithFullYear(const QLocale& locale);

} // namespace orvelle
