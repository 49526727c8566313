#include "Schermi.h"
#include "FormAvvio.h"
#include "configura/FormConfigura.h"

void RegistraSchermi()
{
    Schermi::registra(QStringLiteral("FormAvvio"), [] { return new FormAvvio; });
    Schermi::registra(QStringLiteral("FormConfigura"), [] { return new FormConfigura; });
}
