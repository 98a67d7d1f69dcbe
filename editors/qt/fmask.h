// "Gestion des Masques": the mask editor's window, on the editor's state.
#pragma once

#include <QDialog>
#include <functional>

#include "editors/editeur_masques.h"

class QLineEdit;
class QMenuBar;
class QPushButton;
class ImageMasque;

class TFMask : public QDialog {
  Q_OBJECT

 public:
  explicit TFMask(Contexte& ctx, QWidget* parent = nullptr);

  EditeurMasques Editeur;

 private:
  // Runs a command between reading the fields and showing the state.
  void Commande(const std::function<void()>& action);
  void Lit_champs();
  void Montre();
  void Cree_menus(QMenuBar* barre);

  ImageMasque* ImageModel;
  QLineEdit *Nom, *Num, *NbMod, *Utilisation, *nbReconu;
};

// ImageModel: the grid as the editor draws it, 45-pixel cells framed in
// silver and filled white, black or blue; a click on a cell cycles it.
class ImageMasque : public QWidget {
  Q_OBJECT

 public:
  ImageMasque(const GrilleMasque& grille, QWidget* parent);

 signals:
  void case_cliquee(int k);

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;

 private:
  const GrilleMasque& Grille;
};
