#include <QApplication>

#include "app/qt/main1.h"
#include "app/qt/saisie.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("VRIx");
  TMain1 main1;
  TSaisieF1 saisieF1(&main1);
  main1.Attache_saisie(&saisieF1);
  // The mask editor and the symbol list editor are created here, after the dialog.
  main1.showMaximized();
  return application.exec();
}
