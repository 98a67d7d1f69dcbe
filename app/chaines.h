// The processing chains, as the buttons of the main window and vrix-batch run them.
#pragma once

#include <string>

#include "text/reconnaissance.h"

class Console;
struct Contexte;
struct Document;

// "Représentation": contours, vector fusion, quadrilaterals, sorting and
// fusion, clean-up. Ends with the message beep, document or not. Run again
// on a document, it first drops the stroke graph and the text candidates,
// whose strokes it may merge away (the graph can then be built again).
void Chaine_representation(Contexte& ctx, Document& doc);

// The stages of "Représentation" on an open document, without its beep.
void Etapes_representation(Contexte& ctx, Document& doc);

// "Zones Texte": a new candidate list (the old one is dropped), character
// localisation, then the recognition chain. Ends with the message beep.
void Chaine_zones_texte(Contexte& ctx, Document& doc);

// "&Reconnaître" and the step commands of "&Etape Par Etape": the
// recognition chain, or the prefix of it that the step names.
void Chaine_reconnaissance(Contexte& ctx, Document& doc, Etape_texte etape);

// "S&auvegarder symboles" once its file is chosen: the text part, then the
// symbols, into that one file. False, after an error box and with nothing
// written, when the file cannot be created.
bool Sauve_resultats_symboles(Console& con, const std::string& chemin, const Document& doc);
