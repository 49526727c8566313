#include "ServiziDiProva.h"

ServiziDiProva::ServiziDiProva(Voce v)
    : voce(v == Udibile ? SpeechEngine::Availability::Ready : SpeechEngine::Availability::Unavailable),
      trovati_(Services::current())
{
    Services::current() = {&dialoghi, &suoni, &voce, &stampanti, &caso, &orologio, &fine};
}

ServiziDiProva::~ServiziDiProva() { Services::current() = trovati_; }

void ServiziDiProva::usa(SpeechEngine &motore) { Services::current().speech = &motore; }

void ServiziDiProva::usa(PrinterCatalogue &catalogo) { Services::current().printers = &catalogo; }

void ServiziDiProva::usa(Clock &altro) { Services::current().clock = &altro; }
