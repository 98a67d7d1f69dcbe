// The recognition chain on the text zones of the document: comparison with
// the model library, splitting of double zones, doubt reduction, grouping
// into zones of characters, subscript digits, word analysis and zone
// linking, then the recognised text drawn on Plan 2. The step commands run
// the first stages only.
#pragma once

struct Contexte;
struct Document;

// How far the chain goes; each step adds a stage to the one before, except
// that the steps from Reduction to Chiffres split zones with SEUILDECOUPS
// where the others use SEUILDECOUPE.
enum class Etape_texte { Pure, Decoupe, Reduction, Regroupement, Chiffres, Analyse, Complete };

// Runs the stages of the step on doc.ZonesTexte: NbZones := 0, the
// thresholds the stages use are read, the log cleared, bimdl.dat loaded
// (nothing else happens when it cannot be) and biqdl.dat when the doubt is
// reduced; every zone is reset and, when more than 8 x 10 pixels, compared
// (smaller zones get Etat -2); NbZones is set by grouping; SymbSimplex.dat
// and SymbCplx.dat are loaded for word analysis. Ends with the text drawn on
// a cleared Plan 2. The libraries are read for this run only.
void Reconnait_texte(Contexte& ctx, Document& doc, Etape_texte etape = Etape_texte::Complete);
