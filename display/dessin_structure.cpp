// Drawing of the graph and the symbols. Reads ListeArcs or ListeSymboles and
// the strokes they point to; writes Plan 2. Symbol vertices are read only
// within the 20 a symbol holds.
#include "display/dessin_structure.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "console/console.h"
#include "console/contexte.h"
#include "display/trace_texte.h"
#include "image/document.h"
#include "image/operations_plan.h"
#include "image/segment.h"

namespace {

void Trace(Plan& p2, int32_t x1, int32_t y1, int32_t x2, int32_t y2) { Trace_segment(p2, x1, y1, x2, y2, 1); }

void Dessine_arc(Console& con, Document& doc, const Arc& a) {
  Plan& p2 = doc.Plan2;
  const Extremite a1 = Extremite1(*a.Quad1), a2 = Extremite2(*a.Quad1);
  const Extremite b1 = Extremite1(*a.Quad2), b2 = Extremite2(*a.Quad2);
  for (const int32_t d : {0, 1}) Trace(p2, a1.x + d, a1.y + d, a2.x + d, a2.y + d);
  for (const int32_t d : {0, 1}) Trace(p2, b1.x + d, b1.y + d, b2.x + d, b2.y + d);
  Trace(p2, (a1.x + a2.x) / 2, (a1.y + a2.y) / 2, (b1.x + b2.x) / 2, (b1.y + b2.y) / 2);
  const auto cx = static_cast<int32_t>((int64_t{a1.x} + a2.x + b1.x + b2.x) / 4);
  const auto cy = static_cast<int32_t>((int64_t{a1.y} + a2.y + b1.y + b2.y) / 4);
  switch (a.Type) {
    case '_':
    case '~':
      Trace(p2, cx, cy, cx + 10, cy);
      break;
    case 'L':
    case 'l':
      Trace(p2, cx, cy, cx, cy + 10);
      Trace(p2, cx, cy + 10, cx + 10, cy + 10);
      break;
    case 'P':
      Trace(p2, cx, cy, cx, cy + 10);
      Trace(p2, cx + 2, cy, cx + 2, cy + 10);
      break;
    case 'T':
    case 't':
      Trace(p2, cx, cy, cx + 10, cy);
      Trace(p2, cx + 5, cy, cx + 5, cy + 10);
      break;
    case 'X':
      Trace(p2, cx, cy, cx, cy + 10);
      Trace(p2, cx - 5, cy + 5, cx + 5, cy + 5);
      break;
    default:
      for (int32_t k = 0; k <= 4; ++k) Trace(p2, cx, cy, cx + 10, cy + 2 * k);
  }
  if (con.ModeDebug == 1) {
    con.Montre_Plan2(std::max(a1.x, 151) - 150, std::max(a1.y, 151) - 150);
    con.Log_Efface();
    char ligne[32];
    std::snprintf(ligne, sizeof ligne, " * Type = %c ", a.Type);
    con.Log_Texte(1, ligne);
    con.Pause();
    Raz_Plan2(doc);
  }
}

// Draws the arcs the filter keeps (both strokes set); counts them all.
template <class Filtre>
int32_t Dessine_arcs(Console& con, Document& doc, const Arcs& liste, Filtre&& garde) {
  int32_t n = 0;
  for (const Arc& a : liste) {
    if (a.Quad1 != nullptr && a.Quad2 != nullptr && garde(a)) Dessine_arc(con, doc, a);
    ++n;
  }
  con.Log_Texte(1, "* Nb d'arcs : ");
  con.Log_Nombre(0, n);
  return 1;
}

// Mean of the vertices first .. first + n - 1, truncated.
Sommet Moyenne(const Symbole& s, int32_t n) {
  int64_t x = 0, y = 0;
  for (int32_t i = 0; i < n; ++i) x += s.Sommets[i].x, y += s.Sommets[i].y;
  if (n == 0) return {};
  return {static_cast<int32_t>(x / n), static_cast<int32_t>(y / n)};
}

void Dessine_symbole(Contexte& ctx, Document& doc, const Symbole& s) {
  Plan& p2 = doc.Plan2;
  const Sommet* v = s.Sommets;
  const std::string commentaire(s.Commentaire, strnlen(s.Commentaire, Symbole::LG_COMMENTAIRE));
  constexpr int64_t MAX = Symbole::NB_SOMMETS;
  auto segment = [&](int64_t i, int64_t j) { Trace(p2, v[i].x, v[i].y, v[j].x, v[j].y); };
  switch (s.Type) {
    case 100: {
      const auto n = static_cast<int32_t>(std::min<int64_t>(s.Nb, MAX));
      for (int32_t i = 0; i + 1 < n; ++i) segment(i, i + 1);
      if (n >= 2) {
        std::string nom(1, 'P');
        nom += std::to_string(s.Nb);
        Trace_texte(ctx, doc, v[n - 2].x, v[n - 2].y, nom, 1);
      }
      if (n >= 1) segment(0, n - 1);
      const Sommet c = Moyenne(s, n);
      Trace_texte(ctx, doc, c.x - 15, c.y - 15, commentaire, 2);
      break;
    }
    case 200: {
      const auto n = static_cast<int32_t>(std::min<int64_t>(int64_t{s.Nb} + 1, MAX));
      for (int32_t i = 0; i + 1 < n; ++i) segment(i, i + 1);
      const Sommet c = Moyenne(s, n);
      Trace_texte(ctx, doc, c.x - 15, c.y - 15, commentaire, 1);
      break;
    }
    case 300:
    case 500: {
      const auto n = static_cast<int32_t>(std::min<int64_t>(2 * int64_t{s.Nb}, MAX));
      for (int32_t i = 0; i + 1 < n; i += 2) segment(i, i + 1);
      const Sommet c = Moyenne(s, n);
      Trace_texte(ctx, doc, c.x - 15, c.y - 15, commentaire, 1);
      break;
    }
    default:
      break;
  }
}

}  // namespace

int32_t Dessin_arcs(Console& con, Document& doc, const Arcs& liste) {
  con.Log_Efface();
  Raz_Plan2(doc);
  con.Log_Texte(0, " Dessin des arcs ...");
  return Dessine_arcs(con, doc, liste, [](const Arc&) { return true; });
}

int32_t Dessin_arcs_type(Console& con, Document& doc, const Arcs& liste) {
  con.Log_Efface();
  con.Log_Texte(0, " Dessin des arcs ...");
  std::string reponse;
  con.Saisie(reponse, "Quel Type (P,T,X,L,S) ?");
  const char voulu = reponse.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(reponse[0])));
  return Dessine_arcs(con, doc, liste, [&](const Arc& a) {
    const char classe = (a.Type == '_' || a.Type == '~') ? 'S' : a.Type;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(classe))) == voulu;
  });
}

int32_t Dessin_symboles(Contexte& ctx, Document& doc, const Symboles& liste) {
  Console& con = ctx.Con;
  con.Log_Efface();
  con.Log_Texte(0, " Dessin des Symboles...");
  int32_t n = 0;
  for (const Symbole& s : liste) {
    Dessine_symbole(ctx, doc, s);
    ++n;
  }
  con.Log_Texte(1, "* Nb de symboles : ");
  con.Log_Nombre(0, n);
  return 1;
}
