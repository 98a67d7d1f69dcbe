// The vectorisation results file: vectors, quadrilaterals and components as text.
#pragma once

#include <string>

class Console;
struct Document;

// False, after an error box, when the file cannot be written.
bool Sauve_vectorisation(Console& con, const std::string& chemin, const Document& doc);
