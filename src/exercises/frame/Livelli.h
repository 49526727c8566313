#pragma once

// The level and the right and wrong answers of one opening of an exercise screen. Every stretch of
// play at one level ends with a row of the activity table: on a level change and on leaving.
class Livelli
{
public:
    static constexpr int kErratiDiscesa = 5;

    Livelli(int livelloMassimo, int sogliaSalita);

    int livello() const { return livello_; }
    long long esatti() const { return esatti_; }
    int errati() const { return errati_; }

    void giusta(int quante = 1) { esatti_ += quante; }
    void sbagliata();

    // The level menu: the stretch ends (even on the level in use) and `nuovo` starts at 0 and 0.
    void scegli(int nuovo);
    // Before a new question: one level down at 5 wrong answers, else, with the counters as they are
    // then, one level up when right minus wrong reaches the threshold. At most one change.
    bool cambiaAutomatico();
    bool unLivelloInMeno();
    bool unLivelloInPiu();
    // Leaving the screen: the last row.
    void esci() const;

private:
    void chiudiTratto();

    int massimo_;
    int soglia_;
    int livello_ = 1;
    long long esatti_ = 0;
    int errati_ = 0;
};
