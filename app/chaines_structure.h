// The structure commands of the main window, as vrix-batch runs them too.
#pragma once

struct Contexte;
struct Document;

// The graph group: sorting by length, the stroke graph, the connection
// counts, the graph analysis, the counts again; NbGraphes + 1. Does nothing
// once it has run on the document (NbGraphes >= 1) or without a document.
void Groupe_graphe(Contexte& ctx, Document& doc);

// "Redessine": clears the log, runs the graph group, writes "Ok" after a
// blank line, beeps.
void Chaine_redessine(Contexte& ctx, Document& doc);

// "Liaisons multiples": clears the log, finds the bonds and crosses, beeps.
void Chaine_liaisons(Contexte& ctx, Document& doc);
