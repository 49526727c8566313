#pragma once
#include "FormAllineamento.h"

// "Indovina chi?": the child picks the clown that has every listed trait; a wrong choice changes
// nothing but the count, the right one leaves the target alone in its frame.
class FormEs7 : public FormAllineamento
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormEs7");
    FormEs7();

protected:
    void GeneraEsercizio() override;
    void Scegli(int zanfrone, bool daScansione) override;
};
