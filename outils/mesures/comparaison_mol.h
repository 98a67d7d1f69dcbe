// The scoring of molecules read from drawings against their truths: each
// side reduced through RDKit to what the scores compare (canonical SMILES
// without stereo, ring sizes, double bonds of a Kekulé form, heavy
// non-carbon atoms), generic groups (R, R1, X, dummy atoms, molfile aliases
// and R#) turned into the same dummy atom "*" on both sides; a result file
// is read whatever its bytes.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// A molecule as the scores see it.
struct Empreinte {
  bool Lue = false;                     // RDKit read it
  std::string Canonique;                // canonical SMILES, stereo removed
  std::vector<int> Cycles;              // sizes of the smallest set of smallest rings, sorted
  int Doubles = 0;                      // double bonds of a Kekulé form
  std::vector<std::string> Etiquettes;  // heavy non-carbon atoms ("*" for a generic group), sorted
};

Empreinte Empreinte_smiles(const std::string& smiles);
Empreinte Empreinte_molfile(const std::string& texte);

// The first line of a result file, "SMILES<TAB>NAME<TAB>CONFIDENCE": the
// SMILES field may be empty (nothing read); the confidence, clamped to
// 0..1, is 1 when absent or unreadable. Any bytes are accepted.
struct Resultat_lu {
  std::string Smiles;
  double Confiance = 1;
};
Resultat_lu Lit_resultat(std::istream& flux);

struct Comparaison {
  bool Exacte = false, Cycles = false, Doubles = false, Etiquettes = false;
};
// Nothing matches when either side was not read.
Comparaison Compare(const Empreinte& verite, const Empreinte& resultat);

struct Options_mesure {
  bool Molfiles = false;         // truths NAME.mol instead of NAME.smi
  std::string Prefixe;           // only names starting with it
  std::string Sauf_prefixe;      // only names not starting with it
  std::vector<std::string> Noms;  // only these names, when not empty
};

struct Manque {
  std::string Nom, Verite, Resultat;
};

struct Scores {
  int Molecules = 0;             // truths read
  int Verites_illisibles = 0;    // truth files RDKit could not read, left out
  int Lus = 0;                   // results with a SMILES
  int Exactes = 0, Cycles = 0, Doubles = 0, Etiquettes = 0;
  int Hauts = 0, Hauts_exacts = 0;  // confidence >= 0.5
  int Bas = 0, Bas_exacts = 0;      // confidence < 0.5; results with no SMILES in neither
  std::vector<Manque> Manques;
  std::vector<std::string> Illisibles;
};

// Scores the results of repertoire_resultats (NAME.smi) against the truths
// of repertoire_verites; a missing result is a miss.
Scores Mesure_molecules(const std::string& repertoire_verites, const std::string& repertoire_resultats,
                        const Options_mesure& options);

// The scores as a block of lines, or as one row of a table.
void Ecrit_scores(const Scores& s, std::ostream& flux);
void Ecrit_ligne_scores(const Scores& s, const std::string& titre, std::ostream& flux);
void Ecrit_entete_scores(std::ostream& flux);
