#include "Schermi.h"
#include "FormAvvio.h"
#include "configura/FormConfigura.h"
#include "FormGuida.h"
#include "FormInfo.h"
#include "FormMenu.h"
#include "exercises/sentences/FormEs1.h"
#include "exercises/sentences/FormEs2.h"
#include "exercises/search/FormEs6.h"
#include "exercises/search/FormEs7.h"

void RegistraSchermi()
{
    Schermi::registra(QStringLiteral("FormAvvio"), [] { return new FormAvvio; });
    Schermi::registra(QStringLiteral("FormConfigura"), [] { return new FormConfigura; });
    Schermi::registra(QStringLiteral("FormMenu"), [] { return new FormMenu; });
    Schermi::registra(QStringLiteral("FormInfo"), [] { return new FormInfo; });
    Schermi::registra(QStringLiteral("Form2"), [] { return new FormGuida(QStringLiteral("Form2"), QStringLiteral("\\conf\\zanfroni.swf")); });
    Schermi::registra(QStringLiteral("Form3"), [] { return new FormGuida(QStringLiteral("Form3"), QStringLiteral("\\conf\\menu.swf")); });
    Schermi::registra(QStringLiteral("FormEs1"), [] { return new FormEs1; });
    Schermi::registra(QStringLiteral("FormEs2"), [] { return new FormEs2; });
    Schermi::registra(QStringLiteral("FormEs6"), [] { return new FormEs6; });
    Schermi::registra(QStringLiteral("FormEs7"), [] { return new FormEs7; });
}
