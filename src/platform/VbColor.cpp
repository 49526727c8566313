#include "VbColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
QColor systemColor(int index)
{
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 0x0F: return pal.color(QPalette::Button);          // button face
    case 0x12: return pal.color(QPalette::ButtonText);      // button text
    case 0x05: return pal.color(QPalette::Base);            // window
    case 0x08: return pal.color(QPalette::Text);            // window text
    case 0x0D: return pal.color(QPalette::Highlight);
    case 0x0E: return pal.color(QPalette::HighlightedText);
    case 0x10: return pal.color(QPalette::Dark);            // button shadow
    case 0x14: return pal.color(QPalette::Light);           // button highlight
    case 0x11: return pal.color(QPalette::Disabled, QPalette::Text);
    case 0x18: return pal.color(QPalette::ToolTipBase);
    case 0x17: return pal.color(QPalette::ToolTipText);
    case 0x04: return pal.color(QPalette::Window);          // menu
    case 0x07: return pal.color(QPalette::WindowText);      // menu text
    default: return pal.color(QPalette::Window);
    }
}
} // namespace

QColor VbColor::toQColor(double value)
{
    const auto v = static_cast<long long>(value);
    if (v < 0) {
        const auto bits = static_cast<unsigned int>(v & 0xFFFFFFFFLL);
        return systemColor(static_cast<int>(bits & 0xFF));
    }
    const auto bgr = static_cast<unsigned int>(v & 0xFFFFFF);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

double VbColor::fromQColor(const QColor &c)
{
    return double(c.red() | (c.green() << 8) | (c.blue() << 16));
}

double VbColor::fromBgrLiteral(const QString &literal)
{
    QString s = literal;
    s.remove(QLatin1Char('&'));
    if (s.startsWith(QLatin1Char('H'), Qt::CaseInsensitive))
        s.remove(0, 1);
    bool ok = false;
    const unsigned int v = s.toUInt(&ok, 16);
    return ok ? double(v & 0xFFFFFF) : 0.0;
}

QColor VbColor::fromHex6(const QString &rrggbb)
{
    bool ok = false;
    const unsigned int v = rrggbb.trimmed().toUInt(&ok, 16);
    if (!ok)
        return QColor(Qt::black);
    return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

QString VbColor::toHex6(const QColor &c)
{
    return QStringLiteral("%1%2%3")
        .arg(c.red(), 2, 16, QLatin1Char('0'))
        .arg(c.green(), 2, 16, QLatin1Char('0'))
        .arg(c.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString VbColor::styleColor(double value) { return toQColor(value).name(); }
