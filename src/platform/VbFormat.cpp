#include "VbFormat.h"

#include <QLocale>

QString VbFormat::str(long long n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString VbFormat::printNumber(long long n) { return str(n) + QLatin1Char(' '); }

QString VbFormat::twoDecimals(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}
