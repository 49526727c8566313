#pragma once
#include "Zanfrone.h"

class MovieView;

// Paints the clown into a clown movie: the screens say what the clown looks like, never which of
// the movie's variables and properties carry it.

// Loads clown movie `numero` of the program's folder: 0 none in the place, 1 the clown alone,
// 2 one command per part clicked, 3 the outlines drawn for scanning, 4 one command for any click.
void CaricaZanfrone(MovieView &movie, int numero);
// A loaded clown as `aspetto` says: background, the seven parts, bucket and hat.
void ColoraZanfrone(MovieView &movie, const Aspetto &aspetto);
// Background and the seven parts only; bucket and hat stay as they are.
void ColoraParti(MovieView &movie, const Aspetto &aspetto);
// The background: row 0 of the user's colours.
void ColoraSfondo(MovieView &movie);
// Paints the fill (or the outline) of one part 1..8 in "RRGGBB": the tuft first, then the hair.
void ColoraParte(MovieView &movie, int parte, const QString &codice, bool contorno = false);
// Shows or hides the bucket and the hat.
void MostraSecchioCappello(MovieView &movie, bool secchio, bool cappello);
// The highlight colour as the movie takes it, "RRGGBB"; a system colour is resolved to the colour it shows.
QString TrovaColoreScansione(double colorePulsanteSelezionato);
// Part `parte`'s outline back in plain black.
void SpegniContorno(MovieView &movie, int parte);
// Outlines part `parte` in the highlight colour `codice`, told apart from the plain black outline
// even when the highlight is black.
void EvidenziaParte(MovieView &movie, int parte, const QString &codice);
// Every outline black but part `parte`'s, highlighted in `codice`.
void EvidenziaContorno(MovieView &movie, int parte, const QString &codice);
