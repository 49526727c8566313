#include "Schermi.h"
#include "FormAvvio.h"

void RegistraSchermi()
{
    Schermi::registra(QStringLiteral("FormAvvio"), [] { return new FormAvvio; });
}
