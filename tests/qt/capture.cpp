// Opens a drawing in the main window, runs "Représentation", draws the
// contour vectors and the stroke axes, shows Plan 2 and saves the window as a PNG image.
//   vrix_capture IMAGE.bmp SORTIE.png   (run from a directory holding param.dat)
#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QToolButton>
#include <cstdio>

#include "app/qt/main1.h"
#include "app/qt/saisie.h"
#include "outils_qt.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: vrix_capture IMAGE.bmp SORTIE.png\n");
    return 2;
  }
  Ferme_boites boites;
  TMain1 main1;
  TSaisieF1 saisieF1(&main1);
  main1.Attache_saisie(&saisieF1);
  main1.setGeometry(QApplication::primaryScreen()->availableGeometry());
  main1.show();
  QApplication::processEvents();

  main1.Open(QString::fromLocal8Bit(argv[1]));
  main1.findChild<QAbstractButton*>("vectorisation1")->click();
  Action(&main1, "&Vecteurs")->trigger();
  Action(&main1, "&Squelette")->trigger();
  main1.findChild<QToolButton*>("Plan2_1")->click();
  QApplication::processEvents();

  for (const auto& b : boites.Boites)
    std::fprintf(stderr, "%s: %s\n", b.Titre.toUtf8().constData(), b.Texte.toUtf8().constData());
  if (!main1.grab().save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
