#include "outils/formules/verite.h"

#include <cmath>
#include <iomanip>
#include <istream>
#include <locale>
#include <ostream>
#include <sstream>

namespace {

// Fixed notation, one decimal, whatever locale the process runs in.
class Ligne {
 public:
  explicit Ligne(const char* mot) {
    s.imbue(std::locale::classic());
    s << std::fixed << std::setprecision(1) << mot;
  }
  Ligne& operator<<(double v) {
    s << ' ' << (std::abs(v) < 0.05 ? 0.0 : v);
    return *this;
  }
  Ligne& operator<<(int v) {
    s << ' ' << v;
    return *this;
  }
  Ligne& operator<<(const std::string& t) {
    s << ' ' << t;
    return *this;
  }
  Ligne& operator<<(Point_f p) { return *this << p.x << p.y; }
  std::string Texte() const { return s.str() + "\n"; }

 private:
  std::ostringstream s;
};

bool Lit(std::istream& in, Point_f& p) { return static_cast<bool>(in >> p.x >> p.y); }

}  // namespace

void Ecrit_verite(const Verite& v, std::ostream& flux) {
  flux << "verite 1\n";
  flux << (Ligne("image") << v.Largeur << v.Hauteur).Texte();
  flux << (Ligne("epaisseur") << v.Epaisseur).Texte();
  std::ostringstream d;  // the flip probability needs more than one decimal
  d.imbue(std::locale::classic());
  d << "degradation " << std::fixed << std::setprecision(1) << v.Degrade.Rotation << ' '
    << v.Degrade.Variation << ' ' << std::setprecision(4) << v.Degrade.Bruit << ' ' << v.Degrade.Graine
    << "\n";
  flux << d.str();
  for (const Cycle_v& c : v.Cycles) {
    Ligne l("cycle");
    l << c.Taille << c.Centre << (c.Cercle ? 1 : 0) << c.Rayon;
    for (Point_f p : c.Sommets) l << p;
    flux << l.Texte();
  }
  for (size_t i = 0; i < v.Liaisons.size(); ++i)
    flux << (Ligne("liaison") << static_cast<int>(i) << v.Liaisons[i].Multiplicite << v.Liaisons[i].A
                              << v.Liaisons[i].B)
                .Texte();
  for (const Chaine_v& c : v.Chaines) {
    Ligne l("chaine");
    l << c.NbLiaisons << c.NbTraits;
    for (Point_f p : c.Atomes) l << p;
    flux << l.Texte();
  }
  for (const Croisement_v& c : v.Croisements)
    flux << (Ligne("croisement") << c.P << c.L1 << c.L2).Texte();
  for (const Etiquette_v& e : v.Etiquettes)
    flux << (Ligne("etiquette") << e.Texte << e.Xmin << e.Ymin << e.Xmax << e.Ymax).Texte();
  for (const Trait_v& t : v.Traits)
    flux << (Ligne("trait") << t.Liaison << t.A << t.B << t.Epaisseur).Texte();
  flux << (Ligne("traits") << static_cast<int>(v.Traits.size())).Texte();
}

bool Lit_verite(std::istream& flux, Verite& v, std::string& erreur) {
  v = Verite{};
  std::string texte;
  int numero = 0;
  int annonces = -1;
  bool entete = false;
  while (std::getline(flux, texte)) {
    ++numero;
    if (texte.empty() || texte[0] == '#') continue;
    std::istringstream in(texte);
    in.imbue(std::locale::classic());
    std::string mot;
    in >> mot;
    bool ok = true;
    if (mot == "verite") {
      int version = 0;
      ok = (in >> version) && version == 1;
      entete = ok;
    } else if (!entete) {
      ok = false;
    } else if (mot == "image") {
      ok = (in >> v.Largeur >> v.Hauteur) && v.Largeur > 0 && v.Hauteur > 0;
    } else if (mot == "epaisseur") {
      ok = static_cast<bool>(in >> v.Epaisseur);
    } else if (mot == "degradation") {
      ok = static_cast<bool>(in >> v.Degrade.Rotation >> v.Degrade.Variation >> v.Degrade.Bruit >>
                             v.Degrade.Graine);
    } else if (mot == "cycle") {
      Cycle_v c;
      int cercle = 0;
      ok = (in >> c.Taille) && c.Taille >= 3 && c.Taille <= 8 && Lit(in, c.Centre) && (in >> cercle >> c.Rayon);
      c.Cercle = cercle != 0;
      for (int i = 0; ok && i < c.Taille; ++i) {
        Point_f p;
        ok = Lit(in, p);
        c.Sommets.push_back(p);
      }
      v.Cycles.push_back(c);
    } else if (mot == "liaison") {
      Liaison_v l;
      int i = -1;
      ok = (in >> i >> l.Multiplicite) && i == static_cast<int>(v.Liaisons.size()) &&
           l.Multiplicite >= 1 && l.Multiplicite <= 3 && Lit(in, l.A) && Lit(in, l.B);
      v.Liaisons.push_back(l);
    } else if (mot == "chaine") {
      Chaine_v c;
      ok = (in >> c.NbLiaisons >> c.NbTraits) && c.NbLiaisons >= 1;
      for (int i = 0; ok && i <= c.NbLiaisons; ++i) {
        Point_f p;
        ok = Lit(in, p);
        c.Atomes.push_back(p);
      }
      v.Chaines.push_back(c);
    } else if (mot == "croisement") {
      Croisement_v c;
      ok = Lit(in, c.P) && (in >> c.L1 >> c.L2);
      v.Croisements.push_back(c);
    } else if (mot == "etiquette") {
      Etiquette_v e;
      ok = (in >> e.Texte >> e.Xmin >> e.Ymin >> e.Xmax >> e.Ymax) && e.Xmin <= e.Xmax && e.Ymin <= e.Ymax;
      v.Etiquettes.push_back(e);
    } else if (mot == "trait") {
      Trait_v t;
      ok = (in >> t.Liaison) && Lit(in, t.A) && Lit(in, t.B) && (in >> t.Epaisseur);
      v.Traits.push_back(t);
    } else if (mot == "traits") {
      ok = static_cast<bool>(in >> annonces);
    } else {
      ok = false;
    }
    std::string reste;
    if (ok && (in >> reste)) ok = false;
    if (!ok) {
      erreur = "line " + std::to_string(numero) + ": malformed '" + mot + "' record";
      return false;
    }
  }
  if (!entete || v.Largeur == 0) {
    erreur = "no 'verite 1' header or no 'image' line";
    return false;
  }
  if (annonces != static_cast<int>(v.Traits.size())) {
    erreur = "'traits' says " + std::to_string(annonces) + ", " + std::to_string(v.Traits.size()) +
             " trait lines found";
    return false;
  }
  for (const Trait_v& t : v.Traits)
    if (t.Liaison < 0 || t.Liaison >= static_cast<int>(v.Liaisons.size())) {
      erreur = "a stroke names bond " + std::to_string(t.Liaison) + ", which is not listed";
      return false;
    }
  return true;
}
