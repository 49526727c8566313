#pragma once
#include "Falsi.h"
#include "StampantiFinte.h"
#include "platform/Services.h"

#include <QtTest>

// Puts a fake of every service in place for as long as it lives, then the set it found.
// Speech is silent unless a test asks for a voice that is heard.
class ServiziDiProva
{
public:
    enum Voce { Muta, Udibile };
    explicit ServiziDiProva(Voce voce = Muta);
    ~ServiziDiProva();
    ServiziDiProva(const ServiziDiProva &) = delete;
    ServiziDiProva &operator=(const ServiziDiProva &) = delete;

    // Another engine, catalogue or clock in place of the fake one, until the guard ends.
    void usa(SpeechEngine &motore);
    void usa(PrinterCatalogue &catalogo);
    void usa(Clock &altro);

    DialoghiFinti dialoghi;
    SuoniFinti suoni;
    VoceFinta voce;
    StampantiFinte stampanti;
    CasoFinto caso;
    OrologioFinto orologio;
    FineFinta fine;

private:
    Services trovati_;
};

// QTEST_MAIN with the fakes in place for the whole run: no test reaches a real dialog or voice.
#define ZANFRONI_TEST_MAIN(TestObject) QTEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP() ServiziDiProva servizi_;)
