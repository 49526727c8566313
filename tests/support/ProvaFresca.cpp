#include "ProvaFresca.h"

void ProvaFresca::init() { prepara(); }
void ProvaFresca::cleanup() { smonta(); }
