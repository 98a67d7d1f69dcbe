#include "editors/qt/fmask.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "editors/qt/texte_qt.h"

namespace {

constexpr int LARGEUR_IMAGE = 407, HAUTEUR_IMAGE = 473;
constexpr int HAUTEUR_CORPS = 475;  // the client area below the menus
constexpr int LARGEUR_CORPS = 640;

const QColor ARGENT(192, 192, 192);

QColor Couleur(uint8_t etat) {
  switch (etat) {
    case 0:
      return Qt::white;
    case 1:
      return Qt::black;
    default:
      return Qt::blue;
  }
}

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

QPushButton* Bouton(const char* texte, const char* nom, QWidget* parent, int x, int y, int largeur) {
  auto* b = new QPushButton(QString::fromUtf8(texte), parent);
  b->setObjectName(nom);
  b->setGeometry(x, y, largeur, 25);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

ImageMasque::ImageMasque(const GrilleMasque& grille, QWidget* parent) : QWidget(parent), Grille(grille) {
  setObjectName("ImageModel");
  setFixedSize(LARGEUR_IMAGE, HAUTEUR_IMAGE);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageMasque::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  // Frames: four lines on each side of every cell, the right and bottom
  // ones shared with the next cell.
  for (const Case& c : Grille.Cases)
    for (int k = 0; k < BORD_CASE; ++k) {
      p.fillRect(c.Gauche, c.Haut + k, c.Largeur, 1, ARGENT);
      p.fillRect(c.Gauche, c.Haut + c.Hauteur - k, c.Largeur, 1, ARGENT);
      p.fillRect(c.Gauche + k, c.Haut, 1, c.Hauteur, ARGENT);
      p.fillRect(c.Gauche + c.Largeur - k, c.Haut, 1, c.Hauteur, ARGENT);
    }
  // Fills: the inside of the frame, what a flood fill from (x + 5, y + 5)
  // up to the silver reaches.
  for (const Case& c : Grille.Cases)
    p.fillRect(c.Gauche + BORD_CASE, c.Haut + BORD_CASE, c.Largeur - 2 * BORD_CASE + 1,
               c.Hauteur - 2 * BORD_CASE + 1, Couleur(c.EtatCase));
}

void ImageMasque::mouseReleaseEvent(QMouseEvent* evenement) {
  if (evenement->button() != Qt::LeftButton) return;
  const QPoint point = evenement->position().toPoint();
  const int k = Case_sous(Grille, point.x(), point.y());
  if (k >= 0) emit case_cliquee(k);
}

TFMask::TFMask(Contexte& ctx, QWidget* parent) : QDialog(parent), Editeur(ctx) {
  setObjectName("FMask");
  setWindowTitle("Gestion des Masques");
  QFont police = font();
  police.setPointSize(8);
  setFont(police);

  auto* barre = new QMenuBar(this);
  Cree_menus(barre);
  const int haut = barre->sizeHint().height();
  barre->setGeometry(0, 0, LARGEUR_CORPS, haut);

  ImageModel = new ImageMasque(Editeur.Grille, this);
  ImageModel->move(0, haut);
  connect(ImageModel, &ImageMasque::case_cliquee, this, [this](int k) { Commande([this, k] { Editeur.Bouton_case(k); }); });

  auto* commandes = new QGroupBox("Commandes", this);
  commandes->setObjectName("Commandes");
  commandes->setGeometry(LARGEUR_IMAGE + 3, haut, LARGEUR_CORPS - LARGEUR_IMAGE - 6, HAUTEUR_IMAGE);

  auto* edition = new QGroupBox(commandes);
  edition->setObjectName("GroupEdition");
  edition->setGeometry(3, 16, 221, 156);
  Libelle("Nom du caractère:", edition, 8, 12);
  Nom = Champ("Nom", edition, 118, 9, 48, 32);
  Libelle("N° du caractère:", edition, 8, 40);
  Num = Champ("Num", edition, 118, 37, 44, 11);
  Libelle("/", edition, 166, 40);
  NbMod = Champ("NbMod", edition, 174, 37, 44, 11);
  Libelle("Utilisation:", edition, 8, 68);
  Utilisation = Champ("Utilisation", edition, 118, 65, 44, 11);
  Libelle("/", edition, 166, 68);
  nbReconu = Champ("nbReconu", edition, 174, 65, 44, 11);
  auto commande = [this](QPushButton* b, void (EditeurMasques::*g)()) {
    connect(b, &QPushButton::clicked, this, [this, g] { Commande([this, g] { (Editeur.*g)(); }); });
  };
  commande(Bouton("<<", "PrecedentB", edition, 8, 96, 102), &EditeurMasques::PrecedentClick);
  commande(Bouton(">>", "SuivantB", edition, 116, 96, 102), &EditeurMasques::SuivantClick);
  commande(Bouton("Valider", "ValiderB", edition, 8, 125, 102), &EditeurMasques::ValiderClick);
  commande(Bouton("Effacer", "EffacerB", edition, 116, 125, 102), &EditeurMasques::EffacerClick);

  auto* masque = new QGroupBox("Masque", commandes);
  masque->setObjectName("GroupMasque");
  masque->setGeometry(3, 176, 221, 292);
  for (int k = 0; k < NB_CASES; ++k) {
    const int r = k / NB_COLONNES_MASQUE, c = k % NB_COLONNES_MASQUE;
    auto* b = new QPushButton(QString::number(k), masque);
    b->setObjectName(QString("B%1").arg(k));
    b->setGeometry(3 + 27 * c, 18 + 27 * r, 25, 25);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, [this, k] { Commande([this, k] { Editeur.Bouton_case(k); }); });
  }

  setFixedSize(LARGEUR_CORPS, haut + HAUTEUR_CORPS);
  Montre();
}

void TFMask::Cree_menus(QMenuBar* barre) {
  auto ajoute = [this](QMenu* menu, const char* libelle, void (EditeurMasques::*g)()) {
    QAction* a = menu->addAction(QString::fromUtf8(libelle));
    connect(a, &QAction::triggered, this, [this, g] { Commande([this, g] { (Editeur.*g)(); }); });
    return a;
  };
  QMenu* fichier = barre->addMenu("&Fichier");
  ajoute(fichier, "&Nouveau", &EditeurMasques::NouveauClick);
  ajoute(fichier, "&Ouvrir", &EditeurMasques::OuvrirClick);
  ajoute(fichier, "&Editer Police", &EditeurMasques::EditerPoliceClick);
  ajoute(fichier, "&Fermer", &EditeurMasques::FermerClick);
  QAction* quitter = fichier->addAction("&Quitter");
  connect(quitter, &QAction::triggered, this, [this] {
    Commande([this] { Editeur.QuitterClick(); });
    done(1);
  });
  QMenu* edition = barre->addMenu("&Edition");
  ajoute(edition, "&Ajouter", &EditeurMasques::AjouterClick);
  ajoute(edition, "&Supprimer", &EditeurMasques::SupprimerClick);
  ajoute(edition, "S&uivant", &EditeurMasques::SuivantClick);
  ajoute(edition, "&Precedent", &EditeurMasques::PrecedentClick);
  ajoute(edition, "&Valider", &EditeurMasques::ValiderClick);
  ajoute(edition, "&Effacer", &EditeurMasques::EffacerClick);
  QMenu* aller = barre->addMenu(QString::fromUtf8("&Aller à ..."));
  ajoute(aller, "&Premier", &EditeurMasques::PremierClick);
  ajoute(aller, "&Dernier", &EditeurMasques::DernierClick);
  ajoute(aller, "n ème", &EditeurMasques::nDeplaceClick);
}

void TFMask::Commande(const std::function<void()>& action) {
  Lit_champs();
  action();
  Montre();
}

void TFMask::Lit_champs() {
  Editeur.Nom = Texte_std(Nom->text());
  Editeur.Num = Texte_std(Num->text());
  Editeur.NbMod = Texte_std(NbMod->text());
  Editeur.Utilisation = Texte_std(Utilisation->text());
  Editeur.nbReconu = Texte_std(nbReconu->text());
}

void TFMask::Montre() {
  Nom->setText(Texte_qt(Editeur.Nom));
  Num->setText(Texte_qt(Editeur.Num));
  NbMod->setText(Texte_qt(Editeur.NbMod));
  Utilisation->setText(Texte_qt(Editeur.Utilisation));
  nbReconu->setText(Texte_qt(Editeur.nbReconu));
  ImageModel->update();
}
