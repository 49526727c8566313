#include "Schermi.h"
#include "FormAvvio.h"
#include "configura/FormConfigura.h"
#include "FormGuida.h"
#include "FormInfo.h"
#include "FormMenu.h"
#include "exercises/sentences/FormEs1.h"
#include "exercises/sentences/FormEs5.h"
#include "exercises/sentences/FormEs2.h"
#include "log/FormEserciziEseguiti.h"
#include "exercises/sentences/FormEs4.h"
#include "exercises/search/FormEs3.h"
#include "exercises/search/FormEs8.h"
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
    Schermi::registra(QStringLiteral("FormEs5"), [] { return new FormEs5; });
    Schermi::registra(QStringLiteral("FormEs2"), [] { return new FormEs2; });
    Schermi::registra(QStringLiteral("FormEserciziEseguiti"), [] { return new FormEserciziEseguiti; });
    Schermi::registra(QStringLiteral("FormEs4"), [] { return new FormEs4; });
    Schermi::registra(QStringLiteral("FormEs3"), [] { return new FormEs3; });
    Schermi::registra(QStringLiteral("FormEs8"), [] { return new FormEs8; });
    Schermi::registra(QStringLiteral("FormEs6"), [] { return new FormEs6; });
    Schermi::registra(QStringLiteral("FormEs7"), [] { return new FormEs7; });
}
