#include "outils/formules/peinture.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "image/bmp.h"
#include "outils/formules/etiquettes.h"
#include "outils/formules/traits.h"
#include "outils/rendu.h"

namespace {

constexpr int SEUIL = 128;  // grey below which a pixel is ink

// Gap between a label's ink and the strokes that meet it, pixels.
double Marge_etiquette(const Atome& a) { return std::max(4.0, 0.25 * a.Hauteur); }

Point_f Vers(const QTransform& t, Point_f p) {
  const QPointF q = t.map(QPointF(p.x, p.y));
  return {q.x(), q.y()};
}

// The circle of an aromatic ring: its radius for the ring's circumradius.
double Rayon_cercle(int taille, double r) { return (taille == 6 ? 0.6 : 0.52) * r; }

// The ink box of one label, painted alone on a canvas of its own at the same
// pixel phase as on the page.
Etiquette_v Mesure(const Mise_en_page& m, const QTransform& t, const std::string& texte, int largeur,
                   int hauteur) {
  const QRect zone = t.mapRect(m.Contour).toAlignedRect().adjusted(-6, -6, 6, 6);
  QImage toile = Toile(zone.width(), zone.height());
  {
    QPainter p(&toile);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setTransform(t * QTransform::fromTranslate(-zone.x(), -zone.y()));
    Peint_etiquette(p, m);
  }
  Etiquette_v e;
  e.Texte = texte;
  const QRect b = Boite_encre(toile, SEUIL).translated(zone.topLeft()).intersected(QRect(1, 1, largeur - 1, hauteur - 1));
  if (!b.isEmpty()) {
    e.Xmin = b.left();
    e.Ymin = b.top();
    e.Xmax = b.right();
    e.Ymax = b.bottom();
  }
  return e;
}

}  // namespace

bool Dessine(const Scene& s, Dessin& d, std::string& erreur) {
  if (!Charge_polices(erreur)) return false;
  Alea alea(s.Degrade.Graine);
  QTransform t;
  t.translate(s.Largeur / 2.0, s.Hauteur / 2.0);
  t.rotate(-s.Degrade.Rotation);
  t.translate(-s.Largeur / 2.0, -s.Hauteur / 2.0);

  std::vector<Mise_en_page> pages(s.Atomes.size());
  std::vector<Cadre> cadres(s.Atomes.size());
  for (size_t i = 0; i < s.Atomes.size(); ++i) {
    const Atome& a = s.Atomes[i];
    if (a.Etiquette.empty()) continue;
    pages[i] = Place_etiquette(a);
    const double m = Marge_etiquette(a) + s.Epaisseur / 2;
    const QRectF r = pages[i].Contour;
    cadres[i] = Cadre{r.left() - m, r.top() - m, r.right() + m, r.bottom() + m};
  }
  const std::vector<Trait> traits = Traits_de(s, cadres, alea);

  QImage toile = Toile(s.Largeur, s.Hauteur);
  {
    QPainter p(&toile);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setTransform(t);
    for (const Trait& tr : traits) {
      p.setPen(QPen(Qt::black, tr.Epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawLine(QLineF(tr.A.x, tr.A.y, tr.B.x, tr.B.y));
    }
    p.setPen(QPen(Qt::black, s.Epaisseur));
    p.setBrush(Qt::NoBrush);
    for (size_t k = 0; k < s.Cycles.size(); ++k) {
      if (!s.Cycles[k].Cercle) continue;
      const Point_f c = Centre_cycle(s, static_cast<int>(k));
      const Point_f v = s.Atomes[s.Cycles[k].Sommets[0]].P;
      const double r = Rayon_cercle(static_cast<int>(s.Cycles[k].Sommets.size()), std::hypot(v.x - c.x, v.y - c.y));
      p.drawEllipse(QPointF(c.x, c.y), r, r);
    }
    for (const Mise_en_page& m : pages) Peint_etiquette(p, m);
  }
  d.Image = Plan_de_image(toile, SEUIL);
  Bruite(d.Image, s.Degrade.Bruit, alea);

  Verite& v = d.V;
  v = Verite{};
  v.Largeur = s.Largeur;
  v.Hauteur = s.Hauteur;
  v.Epaisseur = s.Epaisseur;
  v.Degrade = s.Degrade;
  for (size_t k = 0; k < s.Cycles.size(); ++k) {
    Cycle_v c;
    c.Taille = static_cast<int>(s.Cycles[k].Sommets.size());
    const Point_f centre = Centre_cycle(s, static_cast<int>(k));
    c.Centre = Vers(t, centre);
    c.Cercle = s.Cycles[k].Cercle;
    for (int a : s.Cycles[k].Sommets) c.Sommets.push_back(Vers(t, s.Atomes[a].P));
    if (c.Cercle) {
      const Point_f v0 = s.Atomes[s.Cycles[k].Sommets[0]].P;
      c.Rayon = Rayon_cercle(c.Taille, std::hypot(v0.x - centre.x, v0.y - centre.y));
    }
    v.Cycles.push_back(c);
  }
  for (const Liaison& l : s.Liaisons)
    v.Liaisons.push_back(Liaison_v{l.Multiplicite, Vers(t, s.Atomes[l.A].P), Vers(t, s.Atomes[l.B].P)});
  for (const Chaine& ch : s.Chaines) {
    Chaine_v c;
    c.NbLiaisons = static_cast<int>(ch.Atomes.size()) - 1;
    for (size_t i = 0; i < ch.Atomes.size(); ++i) {
      c.Atomes.push_back(Vers(t, s.Atomes[ch.Atomes[i]].P));
      if (i == 0) continue;
      for (const Liaison& l : s.Liaisons)
        if ((l.A == ch.Atomes[i - 1] && l.B == ch.Atomes[i]) || (l.B == ch.Atomes[i - 1] && l.A == ch.Atomes[i]))
          c.NbTraits += l.Multiplicite;
    }
    v.Chaines.push_back(c);
  }
  for (size_t i = 0; i < s.Liaisons.size(); ++i)
    for (size_t j = i + 1; j < s.Liaisons.size(); ++j) {
      const Liaison &a = s.Liaisons[i], &b = s.Liaisons[j];
      if (a.A == b.A || a.A == b.B || a.B == b.A || a.B == b.B) continue;
      Point_f x;
      if (Intersection(s.Atomes[a.A].P, s.Atomes[a.B].P, s.Atomes[b.A].P, s.Atomes[b.B].P, x))
        v.Croisements.push_back(Croisement_v{Vers(t, x), static_cast<int>(i), static_cast<int>(j)});
    }
  for (size_t i = 0; i < s.Atomes.size(); ++i)
    if (!s.Atomes[i].Etiquette.empty())
      v.Etiquettes.push_back(Mesure(pages[i], t, s.Atomes[i].Etiquette, s.Largeur, s.Hauteur));
  for (const Trait& tr : traits)
    v.Traits.push_back(Trait_v{tr.Liaison, Vers(t, tr.A), Vers(t, tr.B), tr.Epaisseur});
  return true;
}

bool Ecrit_dessin(const Dessin& d, const std::string& repertoire, const std::string& nom,
                  std::string& erreur) {
  const std::string base = repertoire + "/" + nom;
  std::ofstream bmp(base + ".bmp", std::ios::binary);
  if (!bmp || !Ecrit_bmp(d.Image, bmp) || !bmp.flush()) {
    erreur = "cannot write " + base + ".bmp";
    return false;
  }
  std::ofstream verite(base + ".verite", std::ios::binary);
  Ecrit_verite(d.V, verite);
  if (!verite.flush()) {
    erreur = "cannot write " + base + ".verite";
    return false;
  }
  return true;
}
