// Atom labels set in the machine's font files: letters at the label's
// height, digits as subscripts (smaller, lowered), the charge signs '+' and
// '-' as superscripts (smaller, raised; '-' set as a minus sign), one
// character centred on the atom.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "outils/formules/scene.h"

// Loads every label font from its file (once); false with the missing or
// unreadable path in erreur.
bool Charge_polices(std::string& erreur);

// The file of a label font, by absolute path.
const char* Fichier_police(Police p);

struct Caractere {
  QString Texte;
  bool Indice = false;
  bool Exposant = false;
  QPointF Base;  // left end of its baseline, scene pixels
};

struct Mise_en_page {
  QFont Normale, Petite;
  std::vector<Caractere> Caracteres;
  QRectF Contour;  // what the glyphs' outlines cover, scene pixels
};

// Where each character of the atom's label goes. The fonts must be loaded.
Mise_en_page Place_etiquette(const Atome& a);

// Paints the label in black with the painter's transform.
void Peint_etiquette(QPainter& p, const Mise_en_page& m);
