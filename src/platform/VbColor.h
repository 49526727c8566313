#pragma once
#include <QColor>
#include <QString>

// Colours as the profile holds them: doubles carrying &H00BBGGRR, or a system colour as the
// negative number of &H8000xxxx (resolved through the application palette).
namespace VbColor {
constexpr double ButtonFace = -2147483633.0;  // &H8000000F
constexpr double ButtonText = -2147483630.0;  // &H80000012

QColor toQColor(double value);
double fromQColor(const QColor &c);            // &H00BBGGRR
double fromBgrLiteral(const QString &literal); // "&H00FFCC99&"
QColor fromHex6(const QString &rrggbb);        // "FFCC00" (red, green, blue)
QString toHex6(const QColor &c);               // upper case
QString styleColor(double value);              // "#rrggbb" for style sheets
} // namespace VbColor
