// Thresholds looked up by name in param.dat, read again at every lookup.
#pragma once

#include <iosfwd>
#include <string_view>

struct Contexte;

enum class LectureParametre { Trouve, Inconnu, Probleme };

// Searches one name in a param.dat stream: entries "#NAME#..." whose value
// follows the next "=" as digits and points closed by "#"; ">" ends the file.
// The end of the stream counts as the end mark before the name is found, and
// as a read problem while the "=" of a found name is looked for.
LectureParametre Cherche_parametre(std::istream& flux, std::string_view nom, double& valeur);

// The value of the threshold, or -255.0 after an error box.
double Parametre(const Contexte& ctx, std::string_view nom);
