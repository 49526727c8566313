#pragma once

// Registers every screen of the program by name, the exercises in the order the menu shows them.
void RegistraSchermi();
