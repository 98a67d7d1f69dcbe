// The atoms and bonds of what "Totale" left in a document. Reads
// Quadrilateres, Plan 1, ListeSymboles and ZonesTexte, changes none of them;
// returns the graph (empty without a stroke). Labels take the stroke ends at
// their box, the other ends gather around the vertices of polygons and
// chains, or around each other, within a tolerance drawn from the drawing.
#include "molecule/extraction.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "image/document.h"
#include "molecule/cercles.h"
#include "molecule/doubles_internes.h"
#include "molecule/grille_boites.h"
#include "molecule/lettres_o.h"
#include "molecule/molecule.h"
#include "molecule/traits_lus.h"
#include "molecule/zones_lues.h"

namespace {

constexpr double INFINI = std::numeric_limits<double>::infinity();

Point_lu Point_de(Sommet s) { return {static_cast<double>(s.x), static_cast<double>(s.y)}; }

// The vertices of polygons and chains, and which ones are ringed with a
// circle: the atoms the structure stages already placed.
struct Sommets_places {
  std::vector<Point_lu> Points;  // polygons first, then chains
  size_t NbPolygones = 0;        // Points[0, NbPolygones) are polygon vertices
  std::vector<std::pair<size_t, size_t>> Aromatiques;  // first and count of each ring with a circle
  struct Doubles {
    size_t Premier, Nb;
    int Compte;  // inner double bonds the ring stages found
  };
  std::vector<Doubles> Internes;  // rings whose inner double bonds were counted ("#k")
};

Sommets_places Sommets_de(const Symboles& symboles, const Cercles_dessines& cercles) {
  Sommets_places s;
  for (const Symbole& p : symboles) {
    if (p.Type != 100 || p.Nb < 3 || p.Nb > Symbole::NB_SOMMETS) continue;
    if (p.Commentaire[0] == '@' || cercles.Dans(p)) s.Aromatiques.push_back({s.Points.size(), p.Nb});
    if (p.Commentaire[0] == '#' && p.Commentaire[1] >= '1' && p.Commentaire[1] <= '9')
      s.Internes.push_back({s.Points.size(), p.Nb, p.Commentaire[1] - '0'});
    for (uint32_t k = 0; k < p.Nb; ++k) s.Points.push_back(Point_de(p.Sommets[k]));
  }
  s.NbPolygones = s.Points.size();
  for (const Symbole& c : symboles) {
    if (c.Type != 200 || c.Nb + 1 > static_cast<uint32_t>(Symbole::NB_SOMMETS)) continue;
    for (uint32_t k = 0; k <= c.Nb; ++k) s.Points.push_back(Point_de(c.Sommets[k]));
  }
  return s;
}

// Points gathered around fixed centres: a point joins the nearest centre
// within the tolerance, else starts one of its own. Centres do not move,
// so a row of close points never drifts into one atom.
class Groupes {
 public:
  explicit Groupes(double tol) : tolerance(tol), grille(tol) {}

  // The group the point joins (never the excluded one), created if needed.
  int Place(Point_lu p, bool sommet, int exclu = -1) {
    int meilleur = -1;
    double d_meilleur = INFINI;
    for (const int g : grille.Candidats(p, tolerance)) {
      const double d = Distance(p, Centres[static_cast<size_t>(g)]);
      if (g != exclu && d <= tolerance && d < d_meilleur) d_meilleur = d, meilleur = g;
    }
    if (meilleur < 0) {
      meilleur = static_cast<int>(Centres.size());
      Centres.push_back(p);
      Place_sommet.push_back(sommet);
      Somme.push_back({0, 0});
      NbBouts.push_back(0);
      grille.Ajoute(meilleur, p);
    }
    return meilleur;
  }

  void Ajoute_bout(int g, Point_lu p) {
    const size_t i = static_cast<size_t>(g);
    Somme[i].x += p.x, Somme[i].y += p.y;
    ++NbBouts[i];
  }
  void Retire_bout(int g, Point_lu p) {
    const size_t i = static_cast<size_t>(g);
    Somme[i].x -= p.x, Somme[i].y -= p.y;
    --NbBouts[i];
  }

  // A placed vertex where there is one, else the mean of the ends.
  Point_lu Position(int g) const {
    const size_t i = static_cast<size_t>(g);
    if (Place_sommet[i] || NbBouts[i] == 0) return Centres[i];
    return {Somme[i].x / NbBouts[i], Somme[i].y / NbBouts[i]};
  }

  std::vector<int> Proches(Point_lu p, double r) const { return grille.Candidats(p, r); }

  std::vector<Point_lu> Centres;
  std::vector<bool> Place_sommet;
  std::vector<Point_lu> Somme;
  std::vector<int> NbBouts;

 private:
  double tolerance;
  Grille_boites grille;
};

double Distance_etiquette(Point_lu p, const Atome_lu& a) { return Distance_boite(p, a.xmin, a.ymin, a.xmax, a.ymax); }

// The nearest label whose box lies within r of p (the first on ties), or -1.
int Etiquette_proche(Point_lu p, double r, const std::vector<Atome_lu>& etiquettes, const Grille_boites& grille,
                     double& d_meilleur) {
  int meilleur = -1;
  d_meilleur = INFINI;
  for (const int k : grille.Candidats(p, r)) {
    const double d = Distance_etiquette(p, etiquettes[static_cast<size_t>(k)]);
    if (d <= r && d < d_meilleur) d_meilleur = d, meilleur = k;
  }
  return meilleur;
}

// Strokes alone and short, joining two bare ends: the pieces of characters
// and signs the text stages left as strokes (the bar of a minus sign, the l
// of Cl, a subscript), not bonds. They go, with their two atoms.
void Retire_traits_isoles(Graphe_lu& g) {
  std::vector<int> degre(g.Atomes.size(), 0);
  for (const Liaison_lue& l : g.Liaisons) ++degre[static_cast<size_t>(l.A)], ++degre[static_cast<size_t>(l.B)];
  auto nu = [&](int a) { return degre[static_cast<size_t>(a)] == 1 && g.Atomes[static_cast<size_t>(a)].Etiquette.empty(); };
  std::vector<bool> garde_atome(g.Atomes.size(), true);
  // A label of hydrogens alone and bonded to nothing is the rest of a label
  // whose other characters were not read ("H" of a "CH3"); a label guessed
  // from its shape and bonded to nothing is a blot.
  for (size_t a = 0; a < g.Atomes.size(); ++a) {
    const std::string& t = g.Atomes[a].Etiquette;
    garde_atome[a] = degre[a] > 0 || (!g.Atomes[a].Devinee && (t.empty() || t[0] != 'H' ||
                                                              t.find_first_not_of("H0123456789") != std::string::npos));
  }
  std::vector<Liaison_lue> liaisons;
  for (const Liaison_lue& l : g.Liaisons) {
    const double lg = Distance(g.Atomes[static_cast<size_t>(l.A)].P, g.Atomes[static_cast<size_t>(l.B)].P);
    if (nu(l.A) && nu(l.B) && lg < 0.5 * g.Longueur_liaison) {
      garde_atome[static_cast<size_t>(l.A)] = garde_atome[static_cast<size_t>(l.B)] = false;
      continue;
    }
    liaisons.push_back(l);
  }
  if (liaisons.size() == g.Liaisons.size() && std::all_of(garde_atome.begin(), garde_atome.end(), [](bool b) { return b; }))
    return;
  std::vector<int> nouveau(g.Atomes.size(), -1);
  std::vector<Atome_lu> atomes;
  for (size_t a = 0; a < g.Atomes.size(); ++a)
    if (garde_atome[a]) nouveau[a] = static_cast<int>(atomes.size()), atomes.push_back(g.Atomes[a]);
  for (Liaison_lue& l : liaisons) l.A = nouveau[static_cast<size_t>(l.A)], l.B = nouveau[static_cast<size_t>(l.B)];
  g.Atomes = std::move(atomes);
  g.Liaisons = std::move(liaisons);
}

}  // namespace

double Tolerance_bouts(double longueur, double epaisseur) {
  return std::max({2 * epaisseur, 0.25 * longueur, 3.0});
}

Graphe_lu Extrait_graphe(const Document& doc) {
  Graphe_lu g;
  const Cercles_dessines cercles(doc);
  g.Longueur_liaison = Longueur_typique(doc, cercles);
  if (g.Longueur_liaison <= 0) return g;
  g.Epaisseur = Epaisseur_mediane(doc);
  const double tol = Tolerance_bouts(g.Longueur_liaison, g.Epaisseur);
  // An end touches a stroke's axis within the stroke's thickness and a pixel.
  const double contact = std::max(3.0, g.Epaisseur + 1);
  const std::vector<Trait_lu> traits = Traits_de_liaison(doc, tol, contact, cercles);
  std::vector<Atome_lu> etiquettes = Etiquettes_zones(doc);
  for (const Atome_lu& o : Lettres_o(doc, g.Longueur_liaison)) etiquettes.push_back(o);
  Grille_boites grille_etiquettes(std::max(32.0, 2 * tol));
  for (size_t k = 0; k < etiquettes.size(); ++k) {
    const Atome_lu& a = etiquettes[k];
    grille_etiquettes.Ajoute(static_cast<int>(k), a.xmin, a.ymin, a.xmax, a.ymax);
  }

  // Vertices placed by the structure stages come first, so that the ends
  // gather on them.
  const Sommets_places places = Sommets_de(doc.ListeSymboles, cercles);
  Groupes groupes(tol);
  std::vector<int> groupe_du_sommet;
  for (const Point_lu& p : places.Points) groupe_du_sommet.push_back(groupes.Place(p, true));
  Grille_boites grille_polygones(tol);
  // A polygon vertex at a label is the label's place: the ring runs through
  // it, and the ends there are the label's.
  for (size_t k = 0; k < places.NbPolygones; ++k) {
    double d;
    if (Etiquette_proche(places.Points[k], tol, etiquettes, grille_etiquettes, d) < 0)
      grille_polygones.Ajoute(static_cast<int>(k), places.Points[k]);
  }
  auto distance_polygone = [&](Point_lu p) {
    double d = INFINI;
    for (const int k : grille_polygones.Candidats(p, tol)) d = std::min(d, Distance(p, places.Points[static_cast<size_t>(k)]));
    return d;
  };

  // Each end: the label at its box when that is nearer than any polygon
  // vertex, else a group of ends. Codes: a group g, or -1 - k for label k.
  std::vector<std::pair<int, int>> bouts(traits.size());
  for (size_t i = 0; i < traits.size(); ++i) {
    int code[2];
    for (int e = 0; e < 2; ++e) {
      const Point_lu p = e == 0 ? traits[i].A : traits[i].B;
      double d_etiquette;
      const int k = Etiquette_proche(p, tol, etiquettes, grille_etiquettes, d_etiquette);
      if (k >= 0 && d_etiquette < distance_polygone(p)) {
        code[e] = -1 - k;
      } else {
        code[e] = groupes.Place(p, false, e == 1 ? code[0] : -1);
        groupes.Ajoute_bout(code[e], p);
      }
    }
    bouts[i] = {code[0], code[1]};
  }

  // An end left alone, pointing at a label a little farther off (strokes
  // often stop well short of a label, or of its charge): the label's, when
  // the label lies ahead of the stroke within half a bond.
  const double portee = std::max(tol, 0.5 * g.Longueur_liaison);
  for (size_t i = 0; i < traits.size(); ++i)
    for (int e = 0; e < 2; ++e) {
      int& code = e == 0 ? bouts[i].first : bouts[i].second;
      if (code < 0) continue;
      const size_t gr = static_cast<size_t>(code);
      if (groupes.NbBouts[gr] != 1 || groupes.Place_sommet[gr]) continue;
      const Point_lu p = e == 0 ? traits[i].A : traits[i].B, q = e == 0 ? traits[i].B : traits[i].A;
      double d;
      const int k = Etiquette_proche(p, portee, etiquettes, grille_etiquettes, d);
      const int autre = e == 0 ? bouts[i].second : bouts[i].first;
      if (k < 0 || autre == -1 - k) continue;
      const Atome_lu& l = etiquettes[static_cast<size_t>(k)];
      const double vx = p.x - q.x, vy = p.y - q.y, wx = l.P.x - p.x, wy = l.P.y - p.y;
      const double nv = std::hypot(vx, vy), nw = std::hypot(wx, wy);
      if (!(nv > 0) || !(nw > 0) || (vx * wx + vy * wy) < 0.7 * nv * nw) continue;
      groupes.Retire_bout(code, p);
      code = -1 - k;
    }

  // Atoms: the groups that hold an end, then every label.
  std::vector<int> atome_du_groupe(groupes.Centres.size(), -1);
  for (size_t gr = 0; gr < groupes.Centres.size(); ++gr) {
    if (groupes.NbBouts[gr] == 0) continue;
    atome_du_groupe[gr] = static_cast<int>(g.Atomes.size());
    Atome_lu a;
    a.P = groupes.Position(static_cast<int>(gr));
    g.Atomes.push_back(a);
  }
  const int premiere_etiquette = static_cast<int>(g.Atomes.size());
  g.Atomes.insert(g.Atomes.end(), etiquettes.begin(), etiquettes.end());
  auto atome = [&](int code) { return code < 0 ? premiere_etiquette - 1 - code : atome_du_groupe[static_cast<size_t>(code)]; };

  // Bonds: one per stroke; a second stroke between the same two atoms adds
  // its order to the first (a double bond not seen as one), up to 3.
  std::map<std::pair<int, int>, size_t> liaison_entre;
  for (size_t i = 0; i < traits.size(); ++i) {
    const int a = atome(bouts[i].first), b = atome(bouts[i].second);
    if (a == b) continue;
    const auto cle = std::minmax(a, b);
    const auto it = liaison_entre.find(cle);
    if (it != liaison_entre.end()) {
      Liaison_lue& l = g.Liaisons[it->second];
      l.Ordre = std::min(3, l.Ordre + traits[i].Ordre);
      continue;
    }
    liaison_entre[cle] = g.Liaisons.size();
    Liaison_lue l;
    l.A = a, l.B = b, l.Ordre = traits[i].Ordre;
    l.Bout_A = traits[i].A, l.Bout_B = traits[i].B;
    g.Liaisons.push_back(l);
  }

  // The sides of a ring drawn with a circle are aromatic. A vertex whose
  // ends went to a label is that label.
  auto atome_du_sommet = [&](size_t k) {
    const int a = atome_du_groupe[static_cast<size_t>(groupe_du_sommet[k])];
    if (a >= 0) return a;
    double d;
    const int e = Etiquette_proche(places.Points[k], tol, etiquettes, grille_etiquettes, d);
    return e >= 0 ? premiere_etiquette + e : -1;
  };
  for (const auto& [premier, nb] : places.Aromatiques)
    for (size_t k = 0; k < nb; ++k) {
      const int a = atome_du_sommet(premier + k), b = atome_du_sommet(premier + (k + 1) % nb);
      if (a < 0 || b < 0 || a == b) continue;
      const auto it = liaison_entre.find(std::minmax(a, b));
      if (it != liaison_entre.end()) g.Liaisons[it->second].Aromatique = true;
    }

  // A lone circle (its ring not found as a polygon): the bonds between atoms
  // around it are the ring's, aromatic. The circles are few: each is looked
  // at against the bonds near it only.
  if (!cercles.Cercles_seuls().empty()) {
    Grille_boites milieux(std::max(8.0, g.Longueur_liaison));
    for (size_t k = 0; k < g.Liaisons.size(); ++k) {
      const Point_lu a = g.Atomes[static_cast<size_t>(g.Liaisons[k].A)].P, b = g.Atomes[static_cast<size_t>(g.Liaisons[k].B)].P;
      milieux.Ajoute(static_cast<int>(k), {(a.x + b.x) / 2, (a.y + b.y) / 2});
    }
    for (const Cercles_dessines::Cercle& c : cercles.Cercles_seuls())
      for (const int k : milieux.Candidats(c.Centre, 2.2 * c.Rayon)) {
        Liaison_lue& l = g.Liaisons[static_cast<size_t>(k)];
        if (Cercles_dessines::Au_tour(c, g.Atomes[static_cast<size_t>(l.A)].P) &&
            Cercles_dessines::Au_tour(c, g.Atomes[static_cast<size_t>(l.B)].P))
          l.Aromatique = true;
      }
  }

  // A ring whose inner double bonds were counted and their strokes released:
  // the sides whose inner parallel is inked in the image become double.
  for (const Sommets_places::Doubles& r : places.Internes) {
    const std::vector<Point_lu> sommets(places.Points.begin() + static_cast<std::ptrdiff_t>(r.Premier),
                                        places.Points.begin() + static_cast<std::ptrdiff_t>(r.Premier + r.Nb));
    for (const size_t k : Cotes_doubles(doc.Plan1, sommets, r.Compte)) {
      const int a = atome_du_sommet(r.Premier + k), b = atome_du_sommet(r.Premier + (k + 1) % r.Nb);
      if (a < 0 || b < 0 || a == b) continue;
      const auto it = liaison_entre.find(std::minmax(a, b));
      if (it != liaison_entre.end() && g.Liaisons[it->second].Ordre == 1 && !g.Liaisons[it->second].Aromatique)
        g.Liaisons[it->second].Ordre = 2;
    }
  }

  // Ends that lie between once and twice the tolerance from an atom other
  // than the two their stroke joins.
  for (const Liaison_lue& l : g.Liaisons)
    for (const Point_lu p : {l.Bout_A, l.Bout_B}) {
      bool ambigu = false;
      auto compte = [&](int x, double d) { ambigu = ambigu || (x != l.A && x != l.B && d >= tol && d < 2 * tol); };
      for (const int gr : groupes.Proches(p, 2 * tol)) {
        const int x = atome_du_groupe[static_cast<size_t>(gr)];
        if (x >= 0) compte(x, Distance(p, g.Atomes[static_cast<size_t>(x)].P));
      }
      for (const int k : grille_etiquettes.Candidats(p, 2 * tol))
        compte(premiere_etiquette + k, Distance_etiquette(p, etiquettes[static_cast<size_t>(k)]));
      g.Bouts_ambigus += ambigu;
    }
  Retire_traits_isoles(g);
  return g;
}
