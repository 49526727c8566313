#pragma once
#include <QCursor>

// The program's own pointer picture (with its hot spot), or the arrow when the picture is missing.
QCursor PuntatoreProgramma();
