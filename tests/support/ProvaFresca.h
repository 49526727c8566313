#pragma once
#include "ServiziDiProva.h"

#include <QObject>
#include <memory>

// The base of a test whose every function runs on a fixture of its own: made before the function,
// dropped after it.
class ProvaFresca : public QObject
{
    Q_OBJECT
protected:
    virtual void prepara() = 0;
    virtual void smonta() = 0;

private slots:
    void init();
    void cleanup();
};

// The fixture is an `Ambiente`, made anew for each test function; a test adds to it in `prepara`.
template <class Ambiente> class ProvaConAmbiente : public ProvaFresca
{
protected:
    std::unique_ptr<Ambiente> amb;

    void prepara() override { amb = std::make_unique<Ambiente>(); }
    void smonta() override { amb.reset(); }
};

// The fixture is a temporary root for the user's files and the fakes; a test adds to it in `prepara`
// and takes its own part away in `smonta` before the base's.
class ProvaConCartella : public ProvaFresca
{
protected:
    explicit ProvaConCartella(ServiziDiProva::Voce voce = ServiziDiProva::Muta) : voce_(voce) {}

    std::unique_ptr<RadiceTemporanea> radice;
    std::unique_ptr<ServiziDiProva> servizi;

    void prepara() override
    {
        radice = std::make_unique<RadiceTemporanea>();
        servizi = std::make_unique<ServiziDiProva>(voce_);
    }
    void smonta() override
    {
        servizi.reset();
        radice.reset();
    }

private:
    ServiziDiProva::Voce voce_;
};
