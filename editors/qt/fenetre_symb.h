// "Gestion des symboles": the symbol list editor's window, on the editor's state.
#pragma once

#include <QDialog>
#include <functional>

#include "editors/editeur_symboles.h"

class QLineEdit;
class QMenuBar;

class TFenetreSymb : public QDialog {
  Q_OBJECT

 public:
  explicit TFenetreSymb(Contexte& ctx, QWidget* parent = nullptr);

  EditeurSymboles Editeur;

 private:
  void Commande(const std::function<void()>& action);
  void Lit_champs();
  void Montre();
  void Cree_menus(QMenuBar* barre);
  void SauverQuitterBClick();
  void QuitterMClick();

  QLineEdit *SymbolE, *numeroE, *nbSymbE;
};
