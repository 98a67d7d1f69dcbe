// Helpers for driving the main window without an operator.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

// While it lives, every modal message box is recorded and closed with OK as
// soon as it shows, so a command that reports never blocks.
class Ferme_boites {
 public:
  struct Boite {
    QString Titre, Texte;
  };
  Ferme_boites() {
    Minuterie.setInterval(5);
    QObject::connect(&Minuterie, &QTimer::timeout, [this] {
      auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!boite) return;
      Boites.push_back({boite->windowTitle(), boite->text()});
      boite->done(QMessageBox::Ok);
    });
    Minuterie.start();
  }
  std::vector<Boite> Boites;

 private:
  QTimer Minuterie;
};

// The menu item of the window whose caption is the given one (accelerator
// marks included); the first one in creation order.
inline QAction* Action(QWidget* fenetre, const QString& libelle) {
  for (QAction* a : fenetre->findChildren<QAction*>())
    if (!a->menu() && a->text() == libelle) return a;
  return nullptr;
}
