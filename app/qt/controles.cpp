#include "app/qt/controles.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "app/qt/main1.h"
#include "image/plan.h"

QImage Image_plan(const Plan& plan) {
  const int largeur = std::min<int>(plan.Info.Largeur, 8 * plan.NbOctetsLigne);
  const int hauteur = std::min<int>(plan.Info.Hauteur, plan.NbLignes);
  if (largeur <= 0 || hauteur <= 0 ||
      plan.Pixels.size() < static_cast<size_t>(plan.NbOctetsLigne) * static_cast<size_t>(plan.NbLignes))
    return QImage();
  QImage image(largeur, hauteur, QImage::Format_Mono);
  // The colours of the plane's own table: entries blue, green, red, reserved.
  QList<QRgb> couleurs;
  for (size_t i = 0; i < 2; ++i) {
    const size_t k = TAILLE_ENTETE_INFO + 4 * i;
    if (k + 3 <= plan.Entete.size())
      couleurs.append(qRgb(plan.Entete[k + 2], plan.Entete[k + 1], plan.Entete[k]));
    else
      couleurs.append(i == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  }
  image.setColorTable(couleurs);
  const size_t octets = std::min<size_t>(static_cast<size_t>(image.bytesPerLine()),
                                         static_cast<size_t>(plan.NbOctetsLigne));
  // Stored row 0 is the bottom row.
  for (int ligne = 0; ligne < hauteur; ++ligne)
    std::memcpy(image.scanLine(ligne),
                plan.Pixels.data() + static_cast<size_t>(plan.NbLignes - 1 - ligne) * plan.NbOctetsLigne, octets);
  return image;
}

VueImage::VueImage(TMain1* main1, QWidget* parent) : QWidget(parent), Main1(main1) {
  setObjectName("ImageW1");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void VueImage::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  peintre.fillRect(rect(), palette().window());
  const Document& doc = Main1->Doc;
  if (!doc.Ouvert()) return;
  peintre.drawImage(QPoint(-Main1->VueP.OrigineX, -Main1->VueP.OrigineY), Image_plan(*doc.PlanCourant));
}

void VueImage::mouseMoveEvent(QMouseEvent* evenement) {
  const QPoint p = evenement->position().toPoint();
  Main1->ImageW1MouseMove(p.x(), p.y());
}

void VueImage::mouseReleaseEvent(QMouseEvent* evenement) {
  const QPoint p = evenement->position().toPoint();
  Main1->ImageW1MouseUp(p.x(), p.y());
  // A click is a left press released over the image.
  if (evenement->button() == Qt::LeftButton && rect().contains(p)) Main1->ImageW1Click();
}

PanneauBouton::PanneauBouton(const QString& libelle, QWidget* parent) : QLabel(libelle, parent) {
  setFrameShape(QFrame::Panel);
  setLineWidth(2);
  setAlignment(Qt::AlignCenter);
  Enfonce(false);
}

void PanneauBouton::Enfonce(bool enfonce) { setFrameShadow(enfonce ? QFrame::Sunken : QFrame::Raised); }

void PanneauBouton::mouseReleaseEvent(QMouseEvent* evenement) {
  if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint())) emit clicked();
}
