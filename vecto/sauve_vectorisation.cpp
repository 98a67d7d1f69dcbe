#include "vecto/sauve_vectorisation.h"
bool Sauve_vectorisation(Console&, const std::string&, const Document&) { return false; }
