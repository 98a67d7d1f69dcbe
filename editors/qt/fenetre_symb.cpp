#include "editors/qt/fenetre_symb.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "editors/qt/texte_qt.h"

namespace {

constexpr int LARGEUR_CORPS = 225;
constexpr int HAUTEUR_CORPS = 148;  // the client area below the menus

QLabel* Libelle(const char* texte, QWidget* parent, int x, int y) {
  auto* l = new QLabel(QString::fromUtf8(texte), parent);
  l->move(x, y);
  l->adjustSize();
  return l;
}

QLineEdit* Champ(const char* nom, QWidget* parent, int x, int y, int largeur, int longueur) {
  auto* c = new QLineEdit(parent);
  c->setObjectName(nom);
  c->setGeometry(x, y, largeur, 21);
  c->setMaxLength(longueur);
  return c;
}

QPushButton* Bouton(const char* texte, const char* nom, QWidget* parent, int x, int y, int largeur, int hauteur) {
  auto* b = new QPushButton(QString::fromUtf8(texte), parent);
  b->setObjectName(nom);
  b->setGeometry(x, y, largeur, hauteur);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TFenetreSymb::TFenetreSymb(Contexte& ctx, QWidget* parent) : QDialog(parent), Editeur(ctx) {
  setObjectName("FenetreSymb");
  setWindowTitle("Gestion des symboles");
  QFont police = font();
  police.setPointSize(8);
  setFont(police);

  auto* barre = new QMenuBar(this);
  Cree_menus(barre);
  const int haut = barre->sizeHint().height();
  barre->setGeometry(0, 0, LARGEUR_CORPS, haut);

  auto* corps = new QWidget(this);
  corps->setGeometry(0, haut, LARGEUR_CORPS, HAUTEUR_CORPS);
  auto commande = [this](QPushButton* b, void (EditeurSymboles::*g)()) {
    connect(b, &QPushButton::clicked, this, [this, g] { Commande([this, g] { (Editeur.*g)(); }); });
  };
  Libelle("Nom:", corps, 10, 13);
  SymbolE = Champ("SymbolE", corps, 42, 10, 92, 32);
  commande(Bouton("Valider", "ValiderB", corps, 142, 8, 75, 25), &EditeurSymboles::ValiderBClick);
  Libelle("N°:", corps, 10, 44);
  numeroE = Champ("numeroE", corps, 42, 41, 40, 11);
  Libelle("/", corps, 86, 44);
  nbSymbE = Champ("nbSymbE", corps, 94, 41, 40, 11);
  commande(Bouton("Supprimer", "SupprimerB", corps, 142, 39, 75, 25), &EditeurSymboles::SupprimerBClick);
  commande(Bouton("<<", "PrecedentB", corps, 10, 74, 60, 25), &EditeurSymboles::PrecedentBClick);
  commande(Bouton(">>", "SuivantB", corps, 74, 74, 60, 25), &EditeurSymboles::SuivantBClick);
  auto* sauver = Bouton("Sauver && Quitter", "SauverQuitterB", corps, 10, 110, 207, 28);
  connect(sauver, &QPushButton::clicked, this, &TFenetreSymb::SauverQuitterBClick);

  setFixedSize(LARGEUR_CORPS, haut + HAUTEUR_CORPS);
  Montre();
}

void TFenetreSymb::Cree_menus(QMenuBar* barre) {
  auto ajoute = [this](QMenu* menu, const char* libelle, void (EditeurSymboles::*g)()) {
    QAction* a = menu->addAction(QString::fromUtf8(libelle));
    connect(a, &QAction::triggered, this, [this, g] { Commande([this, g] { (Editeur.*g)(); }); });
  };
  QMenu* fichier = barre->addMenu("&Fichier");
  ajoute(fichier, "&Ouvrir", &EditeurSymboles::OuvrirMClick);
  connect(fichier->addAction("&Fermer"), &QAction::triggered, this, &TFenetreSymb::SauverQuitterBClick);
  connect(fichier->addAction("&Quitter"), &QAction::triggered, this, &TFenetreSymb::QuitterMClick);
  QMenu* edition = barre->addMenu("Edition");
  ajoute(edition, "&Valider", &EditeurSymboles::ValiderBClick);
  ajoute(edition, "&Ajouter", &EditeurSymboles::AjouterMClick);
  ajoute(edition, "&Supprimer", &EditeurSymboles::SupprimerBClick);
  QMenu* aller = barre->addMenu(QString::fromUtf8("&Aller à"));
  ajoute(aller, "&Suivant", &EditeurSymboles::SuivantBClick);
  ajoute(aller, "&Précédent", &EditeurSymboles::PrecedentBClick);
  ajoute(aller, "P&remier", &EditeurSymboles::PremierMClick);
  ajoute(aller, "&Dernier", &EditeurSymboles::DernierMClick);
  ajoute(aller, "&n ième...", &EditeurSymboles::niemeMClick);
}

void TFenetreSymb::SauverQuitterBClick() {
  bool ferme = false;
  Commande([this, &ferme] { ferme = Editeur.SauverQuitterBClick(); });
  if (ferme) done(1);
}

void TFenetreSymb::QuitterMClick() {
  Commande([this] { Editeur.QuitterMClick(); });
  done(1);
}

void TFenetreSymb::Commande(const std::function<void()>& action) {
  Lit_champs();
  action();
  Montre();
}

void TFenetreSymb::Lit_champs() {
  Editeur.SymbolE = Texte_std(SymbolE->text());
  Editeur.numeroE = Texte_std(numeroE->text());
  Editeur.nbSymbE = Texte_std(nbSymbE->text());
}

void TFenetreSymb::Montre() {
  SymbolE->setText(Texte_qt(Editeur.SymbolE));
  numeroE->setText(Texte_qt(Editeur.numeroE));
  nbSymbE->setText(Texte_qt(Editeur.nbSymbE));
}
