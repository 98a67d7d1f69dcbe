#include "outils/formules/etiquettes.h"

#include <QFontMetricsF>
#include <cmath>
#include <filesystem>

#include "outils/rendu.h"

namespace {

const char* const FICHIERS[NB_POLICES] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
    "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf",
    "/usr/share/fonts/opentype/urw-base35/NimbusRoman-Regular.otf",
    "/usr/share/fonts/truetype/freefont/FreeSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/opentype/urw-base35/NimbusRoman-Bold.otf",
};

QString familles[NB_POLICES];

constexpr double INDICE_TAILLE = 0.7;    // subscript size, fraction of the letters'
constexpr double INDICE_DESCENTE = 0.35;  // subscript drop, fraction of the capitals' height
constexpr double EXPOSANT_MONTEE = 0.5;   // superscript rise, fraction of the capitals' height

// The bold fonts share their family name with the regular ones: the weight
// picks the file.
bool Gras(Police p) { return p == Police::SansGras || p == Police::Sans2Gras || p == Police::NimbusSerifGras; }

// The font of the family whose capitals are about this many pixels high.
QFont Police_hauteur(const QString& famille, double hauteur, bool gras) {
  QFont f(famille);
  f.setBold(gras);
  f.setPixelSize(100);
  const double rapport = QFontMetricsF(f).capHeight() / 100.0;
  f.setPixelSize(std::max(4, static_cast<int>(std::lround(hauteur / rapport))));
  return f;
}

}  // namespace

const char* Fichier_police(Police p) { return FICHIERS[static_cast<int>(p)]; }

bool Charge_polices(std::string& erreur) {
  for (int i = 0; i < NB_POLICES; ++i) {
    if (!familles[i].isEmpty()) continue;
    if (!std::filesystem::exists(FICHIERS[i])) {
      erreur = std::string("font file missing: ") + FICHIERS[i];
      return false;
    }
    familles[i] = Charge_police_fichier(QString::fromUtf8(FICHIERS[i]));
    if (familles[i].isEmpty()) {
      erreur = std::string("font file unreadable: ") + FICHIERS[i];
      return false;
    }
  }
  return true;
}

Mise_en_page Place_etiquette(const Atome& a) {
  Mise_en_page m;
  const QString& famille = familles[static_cast<int>(a.Fonte)];
  m.Normale = Police_hauteur(famille, a.Hauteur, Gras(a.Fonte));
  m.Petite = m.Normale;
  m.Petite.setPixelSize(std::max(4, static_cast<int>(std::lround(m.Normale.pixelSize() * INDICE_TAILLE))));
  const QFontMetricsF mn(m.Normale), mp(m.Petite);
  const double cap = mn.capHeight();

  // Laid out from x = 0 on the letters' baseline, then moved so that the
  // anchor character's ink is centred on the atom.
  const QString texte = QString::fromStdString(a.Etiquette);
  double x = 0, centre_x = 0;
  QRectF contour;
  for (int i = 0; i < texte.size(); ++i) {
    Caractere c;
    c.Texte = texte.mid(i, 1);
    c.Indice = texte[i].isDigit();
    c.Exposant = texte[i] == u'+' || texte[i] == u'-';
    if (texte[i] == u'-') c.Texte = QString(QChar(0x2212));
    const QFontMetricsF& fm = c.Indice || c.Exposant ? mp : mn;
    c.Base = QPointF(x, c.Indice ? INDICE_DESCENTE * cap : (c.Exposant ? -EXPOSANT_MONTEE * cap : 0));
    const QRectF encre = fm.tightBoundingRect(c.Texte).translated(c.Base);
    if (i == a.Ancre) centre_x = encre.center().x();
    contour = contour.isNull() ? encre : contour.united(encre);
    x += fm.horizontalAdvance(c.Texte);
    m.Caracteres.push_back(c);
  }
  const QPointF d(a.P.x - centre_x, a.P.y + cap / 2);
  for (Caractere& c : m.Caracteres) c.Base += d;
  m.Contour = contour.translated(d);
  return m;
}

void Peint_etiquette(QPainter& p, const Mise_en_page& m) {
  p.setPen(Qt::black);
  for (const Caractere& c : m.Caracteres) {
    p.setFont(c.Indice || c.Exposant ? m.Petite : m.Normale);
    p.drawText(c.Base, c.Texte);
  }
}
