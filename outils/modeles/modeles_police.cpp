#include "outils/modeles/modeles_police.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>

#include "console/console_texte.h"
#include "console/contexte.h"
#include "console/parametre.h"
#include "image/document.h"
#include "outils/rendu.h"
#include "samples/dessin.h"
#include "text/compare_car.h"
#include "text/maintenance_modeles.h"
#include "text/masque.h"

namespace {

constexpr double PIXELS_REFERENCE = 1000.0;  // outlines are taken at this size, then scaled
constexpr int MARGE = 12;                    // blank pixels around the outline's box
constexpr int SEUIL_GRIS = 128;              // ink below this grey

const std::string DEJAVU = "/usr/share/fonts/truetype/dejavu/";
const std::string LIBERATION = "/usr/share/fonts/truetype/liberation2/";
const std::string URW = "/usr/share/fonts/opentype/urw-base35/";
const std::string FREE = "/usr/share/fonts/truetype/freefont/";

std::vector<std::string> Noms_modeles() {
  std::vector<std::string> noms;
  for (const char* c = "abcdefghilmnorstu"; *c; ++c) noms.emplace_back(1, *c);
  for (char c = 'A'; c <= 'Z'; ++c) noms.emplace_back(1, c);
  for (char c = '0'; c <= '9'; ++c) noms.emplace_back(1, c);
  noms.emplace_back("+");
  noms.emplace_back("-");
  return noms;
}

std::vector<std::string> Noms_requis() {
  std::vector<std::string> noms;
  for (const char* c = "CHNOSPFIBKLM"; *c; ++c) noms.emplace_back(1, *c);
  for (const char* c = "abcdefghilmnorstu"; *c; ++c) noms.emplace_back(1, *c);
  for (char c = '0'; c <= '9'; ++c) noms.emplace_back(1, c);
  noms.emplace_back("+");
  noms.emplace_back("-");
  return noms;
}

int32_t Entier_parametre(const Contexte& ctx, const char* nom) {
  return static_cast<int32_t>(std::trunc(Parametre(ctx, nom)));
}

bool Meme_lettre_autre_casse(const std::string& a, const std::string& b) {
  const int16_t ca = Classe_nom(a), cb = Classe_nom(b);
  return (ca == 1 || ca == 2) && (cb == 1 || cb == 2) && ca != cb &&
         std::abs(static_cast<unsigned char>(a[0]) - static_cast<unsigned char>(b[0])) == 32;
}

// Shapes that coincide once cut to their ink box in common fonts, beyond
// the two cases of one letter.
bool Jumeaux(const std::string& a, const std::string& b) {
  static const std::vector<std::string> groupes = {"lI", "0Oo"};
  for (const std::string& g : groupes)
    if (a.size() == 1 && b.size() == 1 && g.find(a[0]) != std::string::npos &&
        g.find(b[0]) != std::string::npos)
      return true;
  return false;
}

std::string Nom_fichier(const std::string& chemin) {
  const auto p = chemin.find_last_of('/');
  return p == std::string::npos ? chemin : chemin.substr(p + 1);
}

}  // namespace

const std::vector<std::string> CARACTERES_MODELES = Noms_modeles();
const std::vector<std::string> CARACTERES_REQUIS = Noms_requis();

JeuRendu Jeu_construction() {
  return {{DEJAVU + "DejaVuSans.ttf", DEJAVU + "DejaVuSerif.ttf", LIBERATION + "LiberationSans-Regular.ttf",
           LIBERATION + "LiberationSerif-Regular.ttf", URW + "NimbusSans-Regular.otf",
           URW + "NimbusRoman-Regular.otf", DEJAVU + "DejaVuSans-Bold.ttf", LIBERATION + "LiberationSans-Bold.ttf",
           URW + "NimbusRoman-Bold.otf"},
          {16, 19, 22, 25, 30, 35, 40, 45},
          {{0.0, 0.0}, {0.5, 0.0}, {0.0, 0.5}, {0.5, 0.5}}};
}

JeuRendu Jeu_evaluation() {
  return {{FREE + "FreeSans.ttf", FREE + "FreeSerif.ttf"}, {26, 29, 33, 37, 41, 44}, {{0.25, 0.75}, {0.75, 0.25}}};
}

PoliceFichier Charge_police(const std::string& chemin) {
  PoliceFichier p;
  p.Chemin = chemin;
  if (!std::ifstream(chemin)) {
    p.Erreur = chemin + ": font file missing";
    return p;
  }
  p.Brute = QRawFont(QString::fromStdString(chemin), PIXELS_REFERENCE, QFont::PreferNoHinting);
  if (!p.Brute.isValid()) {
    p.Erreur = chemin + ": not a usable font file";
    return p;
  }
  const QList<quint32> h = p.Brute.glyphIndexesForString(QStringLiteral("H"));
  if (h.size() != 1 || h[0] == 0) {
    p.Erreur = chemin + ": no glyph for H";
    return p;
  }
  p.HauteurH = p.Brute.pathForGlyph(h[0]).boundingRect().height();
  p.Valide = p.HauteurH > 0.0;
  if (!p.Valide) p.Erreur = chemin + ": empty glyph for H";
  return p;
}

Rendu Rend_caractere(const PoliceFichier& police, char32_t caractere, double hauteur, Decalage decalage) {
  Rendu r;
  if (!police.Valide) return r;
  const QList<quint32> g = police.Brute.glyphIndexesForString(QString::fromUcs4(&caractere, 1));
  if (g.size() != 1 || g[0] == 0) return r;
  const double k = hauteur / police.HauteurH;
  QPainterPath contour = QTransform::fromScale(k, k).map(police.Brute.pathForGlyph(g[0]));
  const QRectF b = contour.boundingRect();
  contour.translate(MARGE + decalage.dx - b.left(), MARGE + decalage.dy - b.top());
  QImage toile = Toile(static_cast<int>(std::ceil(b.width() + decalage.dx)) + 2 * MARGE + 1,
                       static_cast<int>(std::ceil(b.height() + decalage.dy)) + 2 * MARGE + 1);
  {
    QPainter peintre(&toile);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.fillPath(contour, Qt::black);
  }
  const QRect encre = Boite_encre(toile, SEUIL_GRIS);
  r.Plan1 = Plan_de_image(toile, SEUIL_GRIS);
  if (encre.isEmpty()) return r;
  r.Zone.xmin = encre.left(), r.Zone.xmax = encre.right();
  r.Zone.ymin = encre.top(), r.Zone.ymax = encre.bottom();
  r.Encre = true;
  return r;
}

void Elargit_zone(CompConnexe& zone) {
  const auto elargit = [](int32_t& debut, int32_t& fin, int32_t minimum) {
    const int32_t manque = minimum - (fin - debut);
    if (manque <= 0) return;
    // fin is not sampled: manque - 1 blank columns are, split evenly.
    debut -= (manque - 1) / 2;
    fin = debut + minimum;
  };
  elargit(zone.xmin, zone.xmax, NB_COLONNES_MASQUE);
  elargit(zone.ymin, zone.ymax, NB_LIGNES_MASQUE);
}

namespace {

// Every font of the set, or false with the first one's fault.
bool Charge_polices(const JeuRendu& jeu, std::vector<PoliceFichier>& polices, std::string& erreur) {
  for (const std::string& chemin : jeu.Polices) {
    polices.push_back(Charge_police(chemin));
    if (!polices.back().Valide) {
      erreur = polices.back().Erreur;
      return false;
    }
  }
  return true;
}

}  // namespace

CasesMasque Masque_rendu(const Rendu& r, int32_t seuilmask) {
  CompConnexe z = r.Zone;
  Elargit_zone(z);
  CasesMasque m{};
  Extrait_masque(r.Plan1, z.xmin, z.ymin, z.xmax, z.ymax, m, seuilmask);
  return m;
}

bool Modeles_rendus(const std::vector<std::string>& caracteres, const JeuRendu& jeu, int32_t seuilmask,
                    ListeModeles& modeles, std::string& erreur) {
  std::vector<PoliceFichier> polices;
  if (!Charge_polices(jeu, polices, erreur)) return false;
  for (const std::string& nom : caracteres)
    for (const PoliceFichier& police : polices)
      for (double h : jeu.Hauteurs)
        for (Decalage d : jeu.Decalages) {
          const Rendu r = Rend_caractere(police, static_cast<unsigned char>(nom[0]), h, d);
          if (nom.size() != 1 || !r.Encre) {
            erreur = Nom_fichier(police.Chemin) + ": no ink for \"" + nom + "\"";
            return false;
          }
          Modele m;
          Copie_nom(m.Nom, nom);
          m.Masque = Masque_rendu(r, seuilmask);
          m.Utilisation = 1;
          modeles.push_back(m);
        }
  return true;
}

void Retire_doublons(ListeModeles& modeles) {
  std::map<std::pair<std::string, CasesMasque>, Modele*> vus;
  for (auto m = modeles.begin(); m != modeles.end();) {
    const auto [p, nouveau] = vus.try_emplace({std::string(Nom_texte(m->Nom)), m->Masque}, &*m);
    if (nouveau) {
      ++m;
    } else {
      Ajoute_compteur(p->second->Utilisation, m->Utilisation);
      m = modeles.erase(m);
    }
  }
}

namespace {

// Position in the list of the model nearest to the mask, as Compare_car
// chooses it (the first of equals), among the kept ones.
size_t Plus_proche(const CasesMasque& masque, const std::vector<const Modele*>& modeles,
                   const std::vector<bool>& garde) {
  size_t meilleur = modeles.size();
  int32_t b = NB_CASES + 1;
  for (size_t i = 0; i < modeles.size(); ++i) {
    if (!garde[i]) continue;
    const int32_t d = Distance_masque(masque, modeles[i]->Masque);
    if (d < b) b = d, meilleur = i;
  }
  return meilleur;
}

}  // namespace

void Condense_modeles(const ListeModeles& echantillons, ListeModeles& modeles) {
  std::vector<const Modele*> m;
  for (const Modele& x : modeles) m.push_back(&x);
  std::vector<bool> garde(m.size(), false);
  std::vector<bool> meme_nom(m.size());
  for (bool ajout = true; ajout;) {
    ajout = false;
    for (const Modele& e : echantillons) {
      const size_t p = Plus_proche(e.Masque, m, garde);
      if (p < m.size() && std::strncmp(m[p]->Nom, e.Nom, LG_NOM) == 0) continue;
      for (size_t i = 0; i < m.size(); ++i) meme_nom[i] = std::strncmp(m[i]->Nom, e.Nom, LG_NOM) == 0;
      const size_t q = Plus_proche(e.Masque, m, meme_nom);
      if (q < m.size() && !garde[q]) garde[q] = true, ajout = true;
    }
  }
  size_t i = 0;
  for (auto x = modeles.begin(); x != modeles.end(); ++i) x = garde[i] ? std::next(x) : modeles.erase(x);
}

bool Remplace_parametre(std::string& texte, const std::string& nom, int32_t valeur) {
  const std::string cle = "#" + nom + "#";
  const size_t p = texte.find(cle);
  if (p == std::string::npos) return false;
  const size_t egal = texte.find('=', p + cle.size());
  if (egal == std::string::npos) return false;
  const size_t fin = texte.find('#', egal);
  if (fin == std::string::npos) return false;
  texte.replace(egal + 1, fin - egal - 1, std::to_string(valeur));
  return true;
}

bool Construit_bibliotheque(const std::string& param_texte, int32_t nbindif, const JeuRendu& jeu,
                            const std::string& repertoire, std::string& octets, std::string& erreur) {
  std::string param = param_texte;
  if (!Remplace_parametre(param, "NBINDIF", nbindif)) {
    erreur = "param.dat: no NBINDIF entry";
    return false;
  }
  {
    std::ofstream f(repertoire + "/param.dat", std::ios::binary);
    if (!(f << param)) {
      erreur = repertoire + "/param.dat: cannot write";
      return false;
    }
  }
  ConsoleTexte con;
  Contexte ctx(con, repertoire);
  const double seuilmask = Parametre(ctx, "SEUILMASK");
  if (seuilmask < 0) {
    erreur = "param.dat: no SEUILMASK entry";
    return false;
  }
  ListeModeles modeles;
  if (!Modeles_rendus(CARACTERES_MODELES, jeu, static_cast<int32_t>(std::trunc(seuilmask)), modeles, erreur))
    return false;
  const ListeModeles echantillons = modeles;
  Retire_doublons(modeles);
  Fusionne_modeles(ctx, modeles, static_cast<int32_t>(modeles.size()));
  ListeModeles bibliotheque;
  if (Lit_modeles(ctx, bibliotheque, "bimdl.dat") < 0) {
    erreur = con.Boites.empty() ? "merge failed" : con.Boites.front().Texte;
    return false;
  }
  Condense_modeles(echantillons, bibliotheque);
  for (Modele& m : bibliotheque) m.Utilisation = 1;
  octets = Code_bibliotheque(bibliotheque, static_cast<int32_t>(bibliotheque.size()), 0);
  return true;
}

bool Evalue_bibliotheque(Contexte& ctx, ListeModeles& bibliotheque, const std::vector<std::string>& caracteres,
                         const JeuRendu& jeu, std::vector<Score>& scores, std::string& erreur) {
  const int32_t seuilmask = Entier_parametre(ctx, "SEUILMASK");
  const int32_t seuildiff = Entier_parametre(ctx, "SEUILDIFF");
  const int32_t seuilminidiff = Entier_parametre(ctx, "SEUILMINIDIFF");
  std::vector<PoliceFichier> polices;
  if (!Charge_polices(jeu, polices, erreur)) return false;
  const auto N = static_cast<int32_t>(bibliotheque.size());
  for (const std::string& nom : caracteres) {
    Score s;
    s.Nom = nom;
    for (const PoliceFichier& police : polices)
      for (double h : jeu.Hauteurs)
        for (Decalage d : jeu.Decalages) {
          Rendu r = Rend_caractere(police, static_cast<unsigned char>(nom[0]), h, d);
          if (!r.Encre) {
            erreur = Nom_fichier(police.Chemin) + ": no ink for \"" + nom + "\"";
            return false;
          }
          CompConnexe zone = r.Zone;
          Elargit_zone(zone);
          Document doc;
          Installe_plan(doc, std::move(r.Plan1));
          CasesMasque masque{};
          const int16_t etat = Compare_car(ctx, doc, zone, masque, bibliotheque, N, seuilmask, seuildiff,
                                           seuilminidiff, 0);
          const std::string meilleur(Nom_texte(zone.Caractere));
          ++s.Total;
          if (meilleur == nom) {
            ++s.Exacts, ++s.Casse, ++s.Jumeaux;
            continue;
          }
          if (etat == ETAT_DOUTE_MAJ_MIN && Meme_lettre_autre_casse(meilleur, nom)) {
            ++s.Casse, ++s.Jumeaux;
            continue;
          }
          if ((etat == ETAT_DOUTE_MAJ_MIN || etat == ETAT_GRAND_DOUTE) && Jumeaux(meilleur, nom) &&
              Nom_texte(zone.Proche) == nom) {
            ++s.Jumeaux;
            continue;
          }
          char h_texte[16];
          std::snprintf(h_texte, sizeof h_texte, "%g", h);
          s.Erreurs.push_back(Nom_fichier(police.Chemin) + " " + h_texte + ": " +
                              (meilleur.empty() ? "?" : meilleur) + " (" + std::to_string(etat) + ", " +
                              std::string(Nom_texte(zone.Proche)) + ")");
        }
    scores.push_back(s);
  }
  return true;
}
