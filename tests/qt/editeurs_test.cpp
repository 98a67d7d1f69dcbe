// The two library editors' windows on the offscreen platform: captions,
// layout, the grid drawn and clicked, the commands reaching their state, and
// the modal opening that keeps the state between openings. With
// VRIX_CAPTURES set to a directory, both windows are saved there as PNG.
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "console/console_texte.h"
#include "console/contexte.h"
#include "editors/qt/editeurs.h"
#include "editors/qt/fenetre_symb.h"
#include "editors/qt/fmask.h"
#include "outils_qt.h"
#include "text/modeles.h"

namespace {

void Ecrit(const QString& chemin, const std::string& octets) {
  std::ofstream f(chemin.toStdString(), std::ios::binary);
  f << octets;
}

std::string Lit(const QString& chemin) {
  std::ifstream f(chemin.toStdString(), std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Each menu as "Menu: item | item".
QStringList Menus(QWidget* fenetre) {
  QStringList lignes;
  for (QAction* m : fenetre->findChild<QMenuBar*>()->actions()) {
    QStringList items;
    for (QAction* a : m->menu()->actions()) items << a->text();
    lignes << m->text() + ": " + items.join(" | ");
  }
  return lignes;
}

// Every label and button shows its whole text, and every control lies
// within its parent.
void Verifie_rien_de_coupe(QWidget* fenetre) {
  for (QWidget* w : fenetre->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(fenetre) || w->isWindow()) continue;
    QWidget* parent = w->parentWidget();
    QVERIFY2(parent->rect().contains(w->geometry()), qPrintable(w->objectName() + " " + w->metaObject()->className()));
    QString texte;
    if (auto* l = qobject_cast<QLabel*>(w)) texte = l->text();
    if (auto* b = qobject_cast<QPushButton*>(w)) texte = b->text().replace("&&", "&");
    if (!texte.isEmpty())
      QVERIFY2(w->fontMetrics().horizontalAdvance(texte) <= w->width() - (qobject_cast<QPushButton*>(w) ? 4 : 0),
               qPrintable(texte));
  }
  for (QGroupBox* g : fenetre->findChildren<QGroupBox*>())
    QVERIFY2(g->fontMetrics().horizontalAdvance(g->title()) + 16 <= g->width(), qPrintable(g->title()));
}

// A 10 x 8 mask of the letter "L" with one indifferent cell.
CasesMasque Masque_L() {
  CasesMasque m{};
  for (int r = 1; r < 9; ++r) m[8 * r + 2] = 1;
  for (int c = 2; c < 7; ++c) m[8 * 8 + c] = 1;
  m[8 * 8 + 7] = 2;
  return m;
}

}  // namespace

class TestEditeurs : public QObject {
  Q_OBJECT

  QTemporaryDir Repertoire;
  ConsoleTexte Con;
  std::unique_ptr<Contexte> Ctx;

  QString Fichier(const char* nom) { return Repertoire.filePath(nom); }
  template <class T = QWidget>
  static T* Controle(QWidget* f, const char* nom) {
    T* c = f->findChild<T*>(nom);
    if (!c) qFatal("no control %s", nom);
    return c;
  }
  static QString Texte(QWidget* f, const char* nom) { return Controle<QLineEdit>(f, nom)->text(); }
  static void Clique(QWidget* f, const char* nom) { QTest::mouseClick(Controle(f, nom), Qt::LeftButton); }
  static QColor Couleur_case(TFMask& f, int k) {
    const QImage image = Controle(&f, "ImageModel")->grab().toImage();
    return image.pixelColor(10 + 45 * (k % 8) + 22, 10 + 45 * (k / 8) + 22);
  }
  static void Capture(QWidget* f, const char* nom) {
    const QByteArray rep = qgetenv("VRIX_CAPTURES");
    if (!rep.isEmpty()) QVERIFY(f->grab().save(QDir(QString::fromLocal8Bit(rep)).filePath(nom)));
  }

 private slots:
  void init() {
    QVERIFY(Repertoire.isValid());
    Ctx = std::make_unique<Contexte>(Con, Repertoire.path().toStdString());
    Con = ConsoleTexte();
    Ecrit(Fichier("param.dat"), "#NBINDIF#\n=1#\n>\n");
    ListeModeles l(2);
    Copie_nom(l.front().Nom, "L");
    l.front().Masque = Masque_L();
    l.front().Utilisation = 4;
    Copie_nom(l.back().Nom, "phi");
    Ecrit(Fichier("bimdl.dat"), Code_bibliotheque(l, 2, 31));
  }

  void masques_disposition_et_grille() {
    TFMask f(*Ctx);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.windowTitle(), QString("Gestion des Masques"));
    QCOMPARE(Menus(&f), QStringList({"&Fichier: &Nouveau | &Ouvrir | &Editer Police | &Fermer | &Quitter",
                                     "&Edition: &Ajouter | &Supprimer | S&uivant | &Precedent | &Valider | &Effacer",
                                     "&Aller à ...: &Premier | &Dernier | n ème"}));
    QStringList libelles, boutons;
    for (auto* l : Controle(&f, "GroupEdition")->findChildren<QLabel*>()) libelles << l->text();
    for (auto* b : Controle(&f, "GroupEdition")->findChildren<QPushButton*>()) boutons << b->text();
    QCOMPARE(libelles, QStringList({"Nom du caractère:", "N° du caractère:", "/", "Utilisation:", "/"}));
    QCOMPARE(boutons, QStringList({"<<", ">>", "Valider", "Effacer"}));
    QCOMPARE(Controle<QGroupBox>(&f, "Commandes")->title(), QString("Commandes"));
    QCOMPARE(Controle<QGroupBox>(&f, "GroupMasque")->title(), QString("Masque"));
    for (int k = 0; k < 80; ++k) {
      auto* b = Controle<QPushButton>(&f, qPrintable(QString("B%1").arg(k)));
      QCOMPARE(b->text(), QString::number(k));
      QCOMPARE(b->geometry(), QRect(3 + 27 * (k % 8), 18 + 27 * (k / 8), 25, 25));
    }
    QCOMPARE(Controle(&f, "ImageModel")->size(), QSize(407, 473));
    Verifie_rien_de_coupe(&f);
    QCOMPARE(Texte(&f, "Num") + "/" + Texte(&f, "NbMod"), QString("1/1"));

    // The grid: silver frames, white cells; three clicks go round
    // black, blue, white.
    const QImage image = Controle(&f, "ImageModel")->grab().toImage();
    QCOMPARE(image.pixelColor(10, 10), QColor(192, 192, 192));
    QCOMPARE(image.pixelColor(13, 30), QColor(192, 192, 192));
    QCOMPARE(image.pixelColor(55 + 42, 20), QColor(192, 192, 192));
    QCOMPARE(image.pixelColor(14, 14), QColor(Qt::white));
    QCOMPARE(image.pixelColor(51, 51), QColor(Qt::white));
    QCOMPARE(image.pixelColor(52, 30), QColor(192, 192, 192));
    QCOMPARE(image.pixelColor(400, 465), QColor(Qt::white));
    const QColor cycle[] = {Qt::black, Qt::blue, Qt::white};
    for (const QColor& c : cycle) {
      Clique(&f, "B5");
      QCOMPARE(Couleur_case(f, 5), c);
    }
    // NBINDIF 1: with one cell indifferent, an ink cell goes back to white.
    Clique(&f, "B0");
    Clique(&f, "B0");
    Clique(&f, "B1");
    Clique(&f, "B1");
    QCOMPARE(Couleur_case(f, 0), QColor(Qt::blue));
    QCOMPARE(Couleur_case(f, 1), QColor(Qt::white));
    // A click on the image itself cycles the cell under it.
    QTest::mouseClick(Controle(&f, "ImageModel"), Qt::LeftButton, {}, QPoint(10 + 45 * 3 + 20, 10 + 45 * 9 + 20));
    QCOMPARE(Couleur_case(f, 75), QColor(Qt::black));
    QCOMPARE(f.Editeur.Grille.NbIndiff, 1);
  }

  void masques_commandes() {
    TFMask f(*Ctx);
    f.show();
    Action(&f, "&Ouvrir")->trigger();
    QCOMPARE(Texte(&f, "Nom") + " " + Texte(&f, "Num") + "/" + Texte(&f, "NbMod") + " " + Texte(&f, "Utilisation") +
                 "/" + Texte(&f, "nbReconu"),
             QString("L 1/2 4/31"));
    QCOMPARE(Couleur_case(f, 8 * 8 + 7), QColor(Qt::blue));
    QCOMPARE(Couleur_case(f, 8 + 2), QColor(Qt::black));
    Capture(&f, "vrix_masques.png");

    // Renamed in the field, validated, kept across a move; "n ème" asks.
    Controle<QLineEdit>(&f, "Nom")->setText("Lx");
    Clique(&f, "ValiderB");
    Clique(&f, "SuivantB");
    QCOMPARE(Texte(&f, "Nom"), QString("phi"));
    Con.Reponses = {{true, "1"}};
    Action(&f, "n ème")->trigger();
    QCOMPARE(Texte(&f, "Nom"), QString("Lx"));
    QCOMPARE(Con.Libelles, std::vector<std::string>({"- numero du model"}));
    Clique(&f, "EffacerB");
    QCOMPARE(Texte(&f, "Nom"), QString());
    QCOMPARE(Couleur_case(f, 8 + 2), QColor(Qt::white));
    Clique(&f, "PrecedentB");
    QCOMPARE(Con.NbBipsEditeur, 1);

    // "&Fermer" saves and starts a new library; "&Quitter" closes.
    Action(&f, "&Fermer")->trigger();
    QCOMPARE(Lit(Fichier("bimdl.dat")).substr(8, 4), std::string("Lx\0\0", 4));
    QCOMPARE(Texte(&f, "NbMod"), QString("1"));
    QVERIFY(f.isVisible());
    Action(&f, "&Quitter")->trigger();
    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), 1);
    QVERIFY(Con.Boites.empty());
  }

  void symboles_disposition_et_commandes() {
    Ecrit(Fichier("SymbSimplex.dat"), "2\nO\nC\n");
    Ecrit(Fichier("SymbCplx.dat"), "3\nOH\nCOOH\nCH3\n");
    TFenetreSymb f(*Ctx);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.windowTitle(), QString("Gestion des symboles"));
    QCOMPARE(Menus(&f), QStringList({"&Fichier: &Ouvrir | &Fermer | &Quitter", "Edition: &Valider | &Ajouter | &Supprimer",
                                     "&Aller à: &Suivant | &Précédent | P&remier | &Dernier | &n ième..."}));
    QStringList libelles, boutons;
    for (auto* l : f.findChildren<QLabel*>()) libelles << l->text();
    for (auto* b : f.findChildren<QPushButton*>()) boutons << b->text();
    QCOMPARE(libelles, QStringList({"Nom:", "N°:", "/"}));
    QCOMPARE(boutons, QStringList({"Valider", "Supprimer", "<<", ">>", "Sauver && Quitter"}));
    Verifie_rien_de_coupe(&f);
    QCOMPARE(Texte(&f, "SymbolE"), QString());

    Action(&f, "&Ouvrir")->trigger();
    QCOMPARE(Texte(&f, "SymbolE") + " " + Texte(&f, "numeroE") + "/" + Texte(&f, "nbSymbE"), QString("O 1/5"));
    Capture(&f, "vrix_symboles.png");
    Clique(&f, "SuivantB");
    QCOMPARE(Texte(&f, "SymbolE"), QString("C"));
    QTest::keyClicks(Controle(&f, "SymbolE"), "l");
    Clique(&f, "ValiderB");
    Action(&f, "&Dernier")->trigger();
    Clique(&f, "SupprimerB");
    QCOMPARE(Texte(&f, "SymbolE") + " " + Texte(&f, "numeroE") + "/" + Texte(&f, "nbSymbE"), QString("COOH 4/4"));
    Clique(&f, "SauverQuitterB");
    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), 1);
    QCOMPARE(Lit(Fichier("SymbSimplex.dat")), std::string("1\nO\n"));
    QCOMPARE(Lit(Fichier("SymbCplx.dat")), std::string("3\nCOOH\nCl\nOH\n"));
  }

  void ouverture_modale_garde_l_etat() {
    QWidget parent;
    TFMask* cree = Cree_editeur_masques(&parent, *Ctx);
    TFenetreSymb* symb = Cree_editeur_symboles(&parent, *Ctx);
    QCOMPARE(Cree_editeur_masques(&parent, *Ctx), cree);
    int ouvertures = 0;
    // Opened, a library loaded, closed by its close box: found again as it was.
    QTimer::singleShot(0, [&] {
      ++ouvertures;
      QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(cree));
      Action(cree, "&Ouvrir")->trigger();
      cree->close();
    });
    Ouvre_editeur_masques(&parent, *Ctx);
    QTimer::singleShot(0, [&] {
      ++ouvertures;
      QCOMPARE(Controle<QLineEdit>(cree, "Nom")->text(), QString("L"));
      Action(cree, "&Quitter")->trigger();
    });
    Ouvre_editeur_masques(&parent, *Ctx);
    QCOMPARE(ouvertures, 2);
    QCOMPARE(parent.findChildren<TFMask*>().size(), 1);

    QTimer::singleShot(0, [&] {
      ++ouvertures;
      QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(symb));
      Action(symb, "&Quitter")->trigger();
    });
    Ouvre_editeur_symboles(&parent, *Ctx);
    QCOMPARE(ouvertures, 3);
    QCOMPARE(parent.findChildren<TFenetreSymb*>().size(), 1);
  }
};

QTEST_MAIN(TestEditeurs)
#include "editeurs_test.moc"
