// Character models drawn from font files: a character is rendered from the
// font's outline at a given capital height, antialiased then thresholded,
// cut to its inclusive ink box as the recognition chain cuts a zone, and
// sampled into a 10 x 8 mask. Also the whole build of the default library and
// the measure of how well a library recognises fresh renderings.
#pragma once

#include <QRawFont>
#include <cstdint>
#include <string>
#include <vector>

#include "image/plan.h"
#include "text/modeles.h"
#include "vecto/records.h"

struct Contexte;

// The names of the default library, in library order.
extern const std::vector<std::string> CARACTERES_MODELES;
// The names every library must hold.
extern const std::vector<std::string> CARACTERES_REQUIS;

// A rendering's place on the pixel grid, in fractions of a pixel.
struct Decalage {
  double dx, dy;
};

// What a library is made of, or measured on: font files (absolute paths),
// capital heights in pixels and offsets, every combination of them.
struct JeuRendu {
  std::vector<std::string> Polices;
  std::vector<double> Hauteurs;
  std::vector<Decalage> Decalages;
};

// The fonts, heights and offsets of the default library, and the held-out
// ones its recognition is measured on.
JeuRendu Jeu_construction();
JeuRendu Jeu_evaluation();

// A font file loaded from its path. Valide is false, with the reason in
// Erreur, when the file is missing or lacks a glyph it is asked for.
struct PoliceFichier {
  std::string Chemin;
  QRawFont Brute;         // at PIXELS_REFERENCE, unhinted
  double HauteurH = 0.0;  // ink height of "H" at that size, pixels
  bool Valide = false;
  std::string Erreur;
};
PoliceFichier Charge_police(const std::string& chemin);

// One character on its own plane. Zone holds the inclusive ink box (first
// and last ink columns and rows); Encre is false when nothing was inked.
struct Rendu {
  Plan Plan1;
  CompConnexe Zone;
  bool Encre = false;
};

// Draws the character (one code point) so that the font's "H" would be
// hauteur pixels high, its outline's box shifted by the offset from a blank
// margin, filled antialiased on a grey canvas and thresholded at mid-grey.
Rendu Rend_caractere(const PoliceFichier& police, char32_t caractere, double hauteur, Decalage decalage);

// The narrow rule. The mask needs xmax - xmin >= 8 and ymax - ymin >= 10; a
// box short of that is widened to exactly the minimum, its blank added on
// both sides so that every ink column (row) is sampled and the ink sits in
// the middle of the sampled ones, the odd blank column (row) on the right
// (bottom). The chain itself never compares a zone that small.
void Elargit_zone(CompConnexe& zone);

// The mask of a rendering: its zone after the narrow rule, sampled with
// Extrait_masque.
CasesMasque Masque_rendu(const Rendu& r, int32_t seuilmask);

// One model (Utilisation 1) per character, font, height and offset, in that
// nesting order. False, with the reason, when a font cannot be used or a
// character leaves no ink.
bool Modeles_rendus(const std::vector<std::string>& caracteres, const JeuRendu& jeu, int32_t seuilmask,
                    ListeModeles& modeles, std::string& erreur);

// Keeps the first of every set of models with the same name and mask; the
// counters of the dropped ones go to it.
void Retire_doublons(ListeModeles& modeles);

// Keeps only the models the renderings need: starting from none, each
// rendering whose nearest kept model (the first of equals, as Compare_car
// takes it) has another name brings in the nearest model of its own name;
// rounds go on until one brings nothing. The kept models stay in order.
void Condense_modeles(const ListeModeles& echantillons, ListeModeles& modeles);

// The param.dat text with the value of one entry replaced. False when the
// entry is not found.
bool Remplace_parametre(std::string& texte, const std::string& nom, int32_t valeur);

// The whole build in the scratch directory repertoire: the renderings of the
// set, exact duplicates dropped, merged by Fusionne_modeles under NBINDIF =
// nbindif (the rest of param comes from param_texte, SEUILMASK included),
// then condensed by Condense_modeles against the renderings, every counter
// reset to 1, NbTraitements 0. Gives the library's bytes.
bool Construit_bibliotheque(const std::string& param_texte, int32_t nbindif, const JeuRendu& jeu,
                            const std::string& repertoire, std::string& octets, std::string& erreur);

// Per name: renderings compared, best choice right, and right or the same
// letter in the other case given as a capital/small doubt.
struct Score {
  std::string Nom;
  int32_t Total = 0;
  int32_t Exacts = 0;
  int32_t Casse = 0;
  int32_t Jumeaux = 0;  // also right: a coinciding shape (l and I; 0, O and o) first, this one
                        // second, the doubt reported (state 2 or 4)
  std::vector<std::string> Erreurs;  // "font height: best (state)" for each miss
};

// Renders every name of the set and compares it with the whole library by
// Compare_car under the thresholds of ctx's param.dat (the library's counters
// grow as the chain would make them). False when a font cannot be used.
bool Evalue_bibliotheque(Contexte& ctx, ListeModeles& bibliotheque, const std::vector<std::string>& caracteres,
                         const JeuRendu& jeu, std::vector<Score>& scores, std::string& erreur);
