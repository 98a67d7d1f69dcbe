#include <QApplication>
#include <QScreen>

#include "app/qt/main1.h"
#include "app/qt/saisie.h"
#include "editors/qt/editeurs.h"

// vrix [IMAGE.bmp]: the image given is opened at start-up, as "&Ouvrir..."
// would open it.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("VRIx");
  TMain1 main1;
  TSaisieF1 saisieF1(&main1);
  main1.Attache_saisie(&saisieF1);
  Cree_editeur_masques(&main1, main1.Ctx);
  Cree_editeur_symboles(&main1, main1.Ctx);
  // Without a window manager "maximised" means nothing: the window takes the
  // screen's room itself first.
  if (QScreen* ecran = QApplication::primaryScreen()) main1.setGeometry(ecran->availableGeometry());
  main1.showMaximized();
  if (argc > 1) main1.Open(QString::fromLocal8Bit(argv[1]));
  return application.exec();
}
