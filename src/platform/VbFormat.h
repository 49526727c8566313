#pragma once
#include <QString>

// Number forms of the forms runtime.
namespace VbFormat {
// Print # form: a minus sign or a blank, the digits, one blank (" 130 ", "-5 ").
QString printNumber(long long n);
// Str$ form: a minus sign or a blank, then the digits (" 130").
QString str(long long n);
// Format(value, "##0.00") with the system's decimal separator.
QString twoDecimals(double value);
} // namespace VbFormat
