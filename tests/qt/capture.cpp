// Opens a drawing in the main window and saves the window as a PNG image
// after one of these scenes, Plan 2 shown:
//   vecteurs  "Représentation", then the contour vectors and the stroke axes drawn;
//   zones     "Représentation", then "Zones Texte": the recognised text;
//   graphe    the same, then "Redessine": the stroke graph drawn;
//   symboles  the same, then "Liaisons multiples": the symbols drawn;
//   totale    "Totale" alone, on the image as opened.
//   vrix_capture IMAGE.bmp SORTIE.png [SCENE]   (run from a directory holding the data files)
#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QToolButton>
#include <cstdio>
#include <string>

#include "app/qt/main1.h"
#include "app/qt/saisie.h"
#include "outils_qt.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const std::string scene = argc == 4 ? argv[3] : "vecteurs";
  if (argc < 3 || argc > 4 ||
      (scene != "vecteurs" && scene != "zones" && scene != "graphe" && scene != "symboles" && scene != "totale")) {
    std::fprintf(stderr, "usage: vrix_capture IMAGE.bmp SORTIE.png [vecteurs|zones|graphe|symboles|totale]\n");
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
  if (scene == "totale") {
    main1.findChild<QAbstractButton*>("CyclesB1")->click();  // ends showing Plan 2
  } else {
    main1.findChild<QAbstractButton*>("vectorisation1")->click();
    if (scene != "vecteurs") {
      main1.findChild<QAbstractButton*>("Texte1")->click();
      if (scene != "zones") main1.findChild<QAbstractButton*>("Redraw")->click();
      if (scene == "graphe") Action(&main1, "Graphe")->trigger();
      if (scene == "symboles") {
        main1.findChild<QAbstractButton*>("LiaisonsB1")->click();
        Action(&main1, "&Symboles")->trigger();
      }
    } else {
      Action(&main1, "&Vecteurs")->trigger();
      Action(&main1, "&Squelette")->trigger();
    }
    main1.findChild<QToolButton*>("Plan2_1")->click();
  }
  QApplication::processEvents();

  for (const auto& b : boites.Boites)
    std::fprintf(stderr, "%s: %s\n", b.Titre.toUtf8().constData(), b.Texte.toUtf8().constData());
  if (!main1.grab().save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
