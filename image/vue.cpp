#include "image/vue.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "console/console.h"
#include "image/document.h"
#include "image/plan.h"

Barres Place_barres(int32_t W, int32_t H, int32_t Wb, int32_t Hs, int32_t PW, int32_t PH) {
  bool horz = W - Wb < PW;
  bool vert = H - Hs < PH;
  // A bar takes room from the other direction, which may then need its own.
  if (horz && !vert && H - Hs - EPAISSEUR_BARRE < PH) vert = true;
  if (vert && !horz && W - EPAISSEUR_BARRE - Wb < PW) horz = true;
  const int32_t en_plus_h = vert ? EPAISSEUR_BARRE : 0;
  const int32_t en_plus_v = horz ? EPAISSEUR_BARRE : 0;

  Barres b;
  if (horz) {
    b.Horz.Visible = true;
    b.Horz.GrandPas = PW / 10;
    b.Horz.Gauche = 0;
    b.Horz.Largeur = W - 1 - Wb - en_plus_h;
    b.Horz.Haut = H - EPAISSEUR_BARRE - Hs;
    b.Horz.Hauteur = EPAISSEUR_BARRE;
    b.Horz.Maximum = PW - (W - Wb) + en_plus_h;
  }
  if (vert) {
    b.Vert.Visible = true;
    b.Vert.GrandPas = PH / 10;
    b.Vert.Haut = 0;
    b.Vert.Hauteur = H - 1 - Hs - en_plus_v;
    b.Vert.Gauche = W - EPAISSEUR_BARRE - Wb;
    b.Vert.Largeur = EPAISSEUR_BARRE;
    b.Vert.Maximum = PH - (H - Hs) + en_plus_v;
  }
  return b;
}

int32_t Facteur(const Vue& vue) { return std::abs(vue.Zoom) + 1; }

int32_t Decalage_x(const Vue& vue) {
  if (!vue.Horz.Visible) return 0;
  return vue.Zoom != 0 ? vue.Horz.Position * Facteur(vue) : vue.Horz.Position;
}

int32_t Decalage_y(const Vue& vue) {
  if (!vue.Vert.Visible) return 0;
  return vue.Zoom != 0 ? vue.Vert.Position * Facteur(vue) : vue.Vert.Position;
}

static void Applique(Barre& barre, const Barre& nouvelle) {
  if (!nouvelle.Visible) {
    barre.Visible = false;
    return;
  }
  const int32_t position = barre.Position;
  barre = nouvelle;
  barre.Position = std::clamp(position, 0, std::max(0, barre.Maximum));
}

void Place_barres(Vue& vue, const Document& doc) {
  const Plan* p = doc.PlanCourant;
  const Barres b = Place_barres(vue.LargeurClient, vue.HauteurClient, LARGEUR_BOUTONS, HAUTEUR_INFO,
                                p ? p->Info.Largeur : 0, p ? p->Info.Hauteur : 0);
  Applique(vue.Horz, b.Horz);
  Applique(vue.Vert, b.Vert);
}

void Reduit_plan(const Plan& source, Plan& zoom, int32_t f) {
  std::fill(zoom.Pixels.begin(), zoom.Pixels.end(), 0x00);
  const int32_t largeur = (8 * source.NbOctetsLigne) / f;
  const int32_t hauteur = source.NbLignes / f;
  for (int32_t y = 1; y < hauteur; ++y)
    for (int32_t x = 1; x < largeur; ++x) Ecrit_pixel(x, y, Lit_pixel(x * f, y * f, source), zoom);
}

void Ouvre_vue(Vue& vue) {
  vue.NumPlan = 1;
  vue.Zoom = 0;
}

void Ferme_vue(Vue& vue, const Document& doc) {
  vue.Horz.Position = 0;
  vue.Vert.Position = 0;
  Place_barres(vue, doc);
}

bool FormPaint(const Document& doc, Vue& vue) {
  if (!doc.Ouvert()) return false;
  Place_barres(vue, doc);
  vue.OrigineX = Decalage_x(vue);
  vue.OrigineY = Decalage_y(vue);
  return true;
}

static Plan& Plan_choisi(Document& doc, const Vue& vue) { return vue.NumPlan == 2 ? doc.Plan2 : doc.Plan1; }

// PlanCourant := the chosen plane, or its reduction while zoomed.
static void Montre_choisi(Document& doc, const Vue& vue) {
  doc.PlanCourant = &Plan_choisi(doc, vue);
  if (vue.Zoom != 0) {
    Reduit_plan(*doc.PlanCourant, doc.PlanZoom, Facteur(vue));
    doc.PlanCourant = &doc.PlanZoom;
  }
}

std::string Plan2_1(Document& doc, Vue& vue) {
  // Without a document the view has no plane to point at.
  if (!doc.Ouvert()) return "";
  vue.NumPlan = vue.NumPlan >= 2 ? 1 : vue.NumPlan + 1;
  Montre_choisi(doc, vue);
  return vue.NumPlan == 1 ? "Plan 1" : "Plan 2";
}

bool Zoom_out(Document& doc, Vue& vue) {
  if (!doc.Ouvert()) return false;
  ++vue.Zoom;
  Montre_choisi(doc, vue);
  vue.OrigineX = vue.OrigineY = 0;
  return true;
}

bool Zoom_in(Console& con, Document& doc, Vue& vue) {
  if (!doc.Ouvert()) return false;
  if (vue.Zoom <= ZOOM_MIN) {
    con.Bip_Message();
    return false;
  }
  --vue.Zoom;
  // Even at level 0 the view shows the copy in the zoom plane.
  doc.PlanCourant = &Plan_choisi(doc, vue);
  Reduit_plan(*doc.PlanCourant, doc.PlanZoom, Facteur(vue));
  doc.PlanCourant = &doc.PlanZoom;
  vue.OrigineX = vue.OrigineY = 0;
  return true;
}

void Point_image(const Vue& vue, int32_t X, int32_t Y, int32_t& x, int32_t& y) {
  const int32_t f = Facteur(vue);
  x = Decalage_x(vue) + f * X;
  y = Decalage_y(vue) + f * Y;
}

std::string Lecture_souris(const Document& doc, Vue& vue, int32_t X, int32_t Y) {
  if (!doc.Ouvert()) return "";
  Point_image(vue, X, Y, vue.PointSourisX, vue.PointSourisY);
  char texte[64];
  std::snprintf(texte, sizeof texte, "Plan %d (%d,%d):%d", static_cast<int>(vue.NumPlan),
                static_cast<int>(vue.PointSourisX), static_cast<int>(vue.PointSourisY),
                Lit_pixel(vue.PointSourisX, vue.PointSourisY, *doc.PlanCourant));
  return texte;
}

bool Point_encre(Document& doc, const Vue& vue, int32_t X, int32_t Y) {
  if (!doc.Ouvert()) return false;
  int32_t x, y;
  Point_image(vue, X, Y, x, y);
  Ecrit_pixel(x, y, 1, doc.Plan2);
  return true;
}

void Montre_Plan2(Document& doc, Vue& vue, int32_t x, int32_t y) {
  // Only an open document has a Plan 2 to show.
  if (!doc.Ouvert()) return;
  vue.NumPlan = 2;
  doc.PlanCourant = &doc.Plan2;
  const int32_t largeur_vue = vue.LargeurClient - LARGEUR_BOUTONS;
  const int32_t hauteur_vue = vue.HauteurClient - HAUTEUR_INFO;
  if (doc.Plan2.Info.Largeur - x < largeur_vue) x = doc.Plan2.Info.Largeur - largeur_vue;
  if (doc.Plan2.Info.Hauteur - y < hauteur_vue) y = doc.Plan2.Info.Hauteur - hauteur_vue;
  if (vue.Vert.Visible) vue.Vert.Position = std::clamp(y, 0, std::max(0, vue.Vert.Maximum));
  if (vue.Horz.Visible) vue.Horz.Position = std::clamp(x, 0, std::max(0, vue.Horz.Maximum));
  vue.OrigineX = Decalage_x(vue);
  vue.OrigineY = Decalage_y(vue);
}
