// The analysis commands of the main window, as vrix-batch runs them too:
// "Polygones", "Chaines" and the whole chain "Totale".
#pragma once

struct Contexte;
struct Document;

// The polygon group: rings in the graph, the strokes sorted by length again,
// rings by walking. Nothing without a document.
void Groupe_polygones(Contexte& ctx, Document& doc);

// "Polygones": clears the log, runs the polygon group, beeps.
void Chaine_polygones(Contexte& ctx, Document& doc);

// "Chaines": clears the log, finds the chains, beeps.
void Chaine_chaines(Contexte& ctx, Document& doc);

// "Totale": once per document (nothing vectorised yet and the document's flag
// down, which it then raises), vectorisation, character localisation, the
// graph group, bonds, polygons, chains, recognition and the symbols drawn on
// a cleared Plan 2; then, every time, the message beep. True when the caller
// must then switch the shown plane (always, with a document open).
bool Chaine_totale(Contexte& ctx, Document& doc);
