// Opening the two library editors from the main window. Each form is made
// once, as a child of the parent, and kept: a library or a list left open is
// found again at the next opening.
#pragma once

class QWidget;
class TFMask;
class TFenetreSymb;
struct Contexte;

// Start-up: the form, made now if it does not exist yet (reads "NBINDIF"
// and opens on a new library of one empty model).
TFMask* Cree_editeur_masques(QWidget* parent, Contexte& ctx);
// Start-up: the form, made now if it does not exist yet (an empty list).
TFenetreSymb* Cree_editeur_symboles(QWidget* parent, Contexte& ctx);

// "&Modèles" > "&Bibliothèque...": modal; returns when the form closes.
void Ouvre_editeur_masques(QWidget* parent, Contexte& ctx);
// "&Symboles" > "&Editer la liste ...": modal; returns when the form closes.
void Ouvre_editeur_symboles(QWidget* parent, Contexte& ctx);
