#include "Schermi.h"
#include "FormAvvio.h"
#include "exercises/sentences/FormEs1.h"
#include "exercises/sentences/FormEs2.h"

void RegistraSchermi()
{
    Schermi::registra(QStringLiteral("FormAvvio"), [] { return new FormAvvio; });
    Schermi::registra(QStringLiteral("FormEs1"), [] { return new FormEs1; });
    Schermi::registra(QStringLiteral("FormEs2"), [] { return new FormEs2; });
}
