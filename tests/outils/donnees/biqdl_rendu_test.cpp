// The stroke counts of biqdl.dat against characters freshly rendered in the
// machine's fonts and vectorised by the chain "Représentation".
#include <gtest/gtest.h>

#include <QFont>
#include <QPainter>
#include <map>

#include "app/chaines.h"
#include "console/console_texte.h"
#include "console/contexte.h"
#include "image/document.h"
#include "outils/rendu.h"
#include "samples/dessin.h"
#include "text/symboles_bib.h"
#include "text/traits_zone.h"

namespace {

const std::string DATA = VRIX_SOURCE "/data";

struct Rendu {
  Plan plan;
  QRect boite;
};

Rendu Rend_caractere(const QString& famille, int pixels, char c) {
  QImage toile = Toile(4 * pixels, 3 * pixels);
  {
    QPainter peintre(&toile);
    peintre.setRenderHint(QPainter::TextAntialiasing);
    QFont police(famille);
    police.setPixelSize(pixels);
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.drawText(pixels, 2 * pixels, QString(QChar(c)));
  }
  return {Plan_de_image(toile), Boite_encre(toile)};
}

}  // namespace

TEST(BiqdlRendu, LesTraitsDemandesSontDessines) {
  int argc = 1;
  char nom[] = "test";
  char* argv[] = {nom, nullptr};
  auto app = Demarre_rendu(argc, argv);
  std::vector<QString> familles;
  for (const char* f : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                        "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                        "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
                        "/usr/share/fonts/truetype/freefont/FreeSans.ttf",
                        "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
                        "/usr/share/fonts/truetype/freefont/FreeSerif.ttf",
                        "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf",
                        "/usr/share/fonts/opentype/urw-base35/NimbusRoman-Regular.otf"}) {
    familles.push_back(Charge_police_fichier(f));
    ASSERT_FALSE(familles.back().isEmpty()) << f;
  }
  ConsoleTexte con;
  Contexte ctx(con, DATA);
  ListeSymbQuads liste;
  ASSERT_GT(Lit_biqdl(ctx, liste, "biqdl.dat"), 0);
  // Every character with entries, in eight fonts at three label sizes: the
  // strokes counted in its ink box must fit one of its entries.
  std::map<char, std::pair<int, int>> taux;  // renderings that fit, renderings
  for (const SymbQuad& e : liste) {
    if (taux.count(e.Caractere)) continue;
    auto& [bons, essais] = taux[e.Caractere];
    for (const QString& famille : familles)
      for (int pixels : {28, 36, 44}) {
        Rendu r = Rend_caractere(famille, pixels, e.Caractere);
        Document doc;
        Installe_plan(doc, std::move(r.plan));
        Chaine_representation(ctx, doc);
        const CompteTraits c = Compte_traits(doc.Quadrilateres, r.boite.left(), r.boite.top(), r.boite.right(),
                                             r.boite.bottom(), 45, 0.5, 20);
        bool trouve = false;
        for (const SymbQuad& w : Ecritures_biqdl(liste, e.Caractere)) trouve |= Ecriture_trouvee(w, c);
        bons += trouve;
        ++essais;
      }
  }
  // Floors measured when the entries were made; raise them, never lower them.
  int bons_total = 0, total = 0;
  for (const auto& [c, t] : taux) {
    EXPECT_GE(2 * t.first, t.second) << c << ": " << t.first << "/" << t.second;
    bons_total += t.first;
    total += t.second;
  }
  EXPECT_EQ(taux.size(), 46u);
  EXPECT_GE(100 * bons_total, 85 * total) << bons_total << "/" << total;
}
