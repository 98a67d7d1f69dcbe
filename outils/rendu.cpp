#include "outils/rendu.h"

#include <QFontDatabase>
#include <QStringList>

#include "image/bmp.h"

std::unique_ptr<QGuiApplication> Demarre_rendu(int& argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

QString Charge_police_fichier(const QString& chemin) {
  const int id = QFontDatabase::addApplicationFont(chemin);
  if (id < 0) return {};
  const QStringList familles = QFontDatabase::applicationFontFamilies(id);
  return familles.isEmpty() ? QString() : familles.front();
}

QImage Toile(int largeur, int hauteur) {
  QImage toile(largeur, hauteur, QImage::Format_Grayscale8);
  toile.fill(255);
  return toile;
}

Plan Plan_de_image(const QImage& toile, int seuil) {
  const QImage gris = toile.convertToFormat(QImage::Format_Grayscale8);
  Plan p = Cree_plan(gris.width(), gris.height());
  for (int y = 0; y < gris.height(); ++y) {
    const uchar* ligne = gris.constScanLine(y);
    for (int x = 0; x < gris.width(); ++x)
      if (ligne[x] < seuil) Ecrit_pixel(x, y, 1, p);
  }
  return p;
}

QRect Boite_encre(const QImage& toile, int seuil) {
  const QImage gris = toile.convertToFormat(QImage::Format_Grayscale8);
  int xmin = gris.width(), ymin = gris.height(), xmax = -1, ymax = -1;
  for (int y = 0; y < gris.height(); ++y) {
    const uchar* ligne = gris.constScanLine(y);
    for (int x = 0; x < gris.width(); ++x) {
      if (ligne[x] >= seuil) continue;
      if (x < xmin) xmin = x;
      if (x > xmax) xmax = x;
      if (y < ymin) ymin = y;
      if (y > ymax) ymax = y;
    }
  }
  if (xmax < 0) return {};
  return QRect(QPoint(xmin, ymin), QPoint(xmax, ymax));
}
