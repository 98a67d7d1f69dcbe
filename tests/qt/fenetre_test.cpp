#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>

#include "app/qt/main1.h"
#include "app/qt/saisie.h"
#include "image/bmp.h"
#include "image/operations_plan.h"
#include "text/modeles.h"
#include "text/police.h"
#include "outils_qt.h"

namespace {

// A blank image file of the given size in the working directory.
QString Ecrit_image(const QString& nom, int32_t largeur, int32_t hauteur) {
  Plan p = Cree_plan(largeur, hauteur);
  std::ofstream flux(nom.toStdString(), std::ios::binary);
  Ecrit_bmp(p, flux);
  return nom;
}

// The caption of an item, with " (off)" when it cannot be chosen.
template <class T>
QString Item(T* item) {
  return item->text() + (item->isEnabled() ? "" : " (off)");
}

// Each menu as "Menu: item | item", "-" for a separator, a submenu as
// "Submenu/" there and on a line of its own as "Menu/Submenu: ...".
void Liste_menu(QMenu* menu, const QString& chemin, QStringList& lignes) {
  QStringList items;
  const qsizetype ligne = lignes.size();
  lignes << QString();
  for (QAction* a : menu->actions()) {
    if (a->menu()) Liste_menu(a->menu(), chemin + "/" + a->text(), lignes);
    items << (a->isSeparator() ? "-" : a->menu() ? a->text() + "/" : Item(a));
  }
  lignes[ligne] = chemin + ": " + items.join(" | ");
}

}  // namespace

class TestFenetre : public QObject {
  Q_OBJECT

  QTemporaryDir Repertoire;
  std::unique_ptr<Ferme_boites> Boites;
  std::unique_ptr<TMain1> Main1;

  template <class T = QWidget>
  T* Controle(const char* nom) {
    T* c = Main1->findChild<T*>(nom);
    if (!c) qFatal("no control %s", nom);
    return c;
  }
  QString Texte(const char* nom) { return Controle<QObject>(nom)->property("text").toString(); }
  void Clique(const char* nom) { QTest::mouseClick(Controle(nom), Qt::LeftButton); }
  void Menu(const char* libelle) { Action(Main1.get(), libelle)->trigger(); }

 private slots:
  void initTestCase() {
    QVERIFY(Repertoire.isValid());
    QVERIFY(QFile::copy(VRIX_SOURCE "/data/param.dat", Repertoire.filePath("param.dat")));
    QVERIFY(QDir::setCurrent(Repertoire.path()));
  }

  void init() {
    Boites = std::make_unique<Ferme_boites>();
    Main1 = std::make_unique<TMain1>();
    Main1->Attache_saisie(new TSaisieF1(Main1.get()));  // owned by the window
    Main1->resize(800, 600);
    Main1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Main1.get()));
  }

  void cleanup() {
    Main1.reset();
    Boites.reset();
  }

  void demarrage_et_menus() {
    QCOMPARE(QString::fromStdString(Main1->Ctx.RepertoireTravail), QDir::currentPath());

    // The menus, then the stage buttons top to bottom; only what is built runs.
    QStringList lignes, boutons;
    for (QAction* m : Main1->menuBar()->actions()) Liste_menu(m->menu(), m->text(), lignes);
    for (auto* b : Controle("GroupBoxBtns")->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
      boutons << Item(b);
    lignes << "Boutons: " + boutons.join(" | ");
    QCOMPARE(lignes, QStringList({
#ifdef VRIX_RDKIT
        "&Fichier: &Ouvrir... | &Fermer | &Enregistrer P2 | Exporter la &molécule... | &Informations | - | "
        "&Quitter",
#else
        "&Fichier: &Ouvrir... | &Fermer | &Enregistrer P2 | &Informations | - | &Quitter",
#endif
        "Plan &Image: Zoom &In | Zoom &Out | R&az Plan 2 | &Copier P2 -> P1",
        "Pré-T&raitements: &Axe Médian | &Restauration",
        "&Primitives: &Vecteurs | &Quadrilatères | &Comp. Connexes | &Squelette | Comp.Texte | Graphe | "
        "Graphe sélectif | Quad. séléctifs",
        "&Résultats: &Textes (zones) | &Courbes | &Symboles | Texte &Reconnu | "
        "S&auvegarder symboles | Sauvegader vectorisation",
        "&Paramètres: &Afficher | &Modifier",
        "&Texte: &Reconnaître | &Anciennes Méthodes/ | &Etape Par Etape/ | &Modèles/ | &Symboles/",
        "&Texte/&Anciennes Méthodes: &Reconnaître | &Ajouter aux modèles | Re-&Créer les Modèles",
        "&Texte/&Etape Par Etape: &Reconnaîssance Pure | &Découpe Zone Doubles | "
        "Réduction du D&oute | Regroupement par &Zone | Détection des &Chiffres | &Analyse | "
        "&Prépare Fichier De Sortie",
        "&Texte/&Modèles: &Bibliothèque... | &Fusionner | &Changer Utilisation | &Oublier",
        "&Texte/&Symboles: &Editer la liste ...",
        "Aide: Vrix Version 1 | Aide",
        "Boutons: Représentation | Zones Texte | Redessine | Liaisons multiples | Polygones | "
        "Chaines | Totale",
    }));
    QCOMPARE(Action(Main1.get(), "S&auvegarder symboles")->shortcut(), QKeySequence("Ctrl+E"));
    // Every command of the window can be chosen.
    for (const QString& l : lignes) QVERIFY2(!l.contains("(off)"), qPrintable(l));

    // No police.dat here: an error box at start-up, and the program runs on.
    Menu("Aide");
    Menu("Vrix Version 1");
    QStringList boites;
    for (const auto& b : Boites->Boites) boites << b.Titre + ": " + b.Texte;
    QCOMPARE(boites, QStringList({"Erreur: Ouverture Police de Caractere impossible!",
                                  "Info...: Pas d'aide en ligne pour l'instant ! Consulter les fichiers PDF",
                                  "VRIX Version 1.0 (1998): Vrix : vectorisation et reconnaissance de formules "
                                  "chimiques dessinées, à partir d'images BMP noir et blanc."}));
  }

  void barres_de_defilement() {
    const int W = Controle("Client")->width(), H = Controle("Client")->height();
    QCOMPARE(Controle("ImageW1")->geometry(), QRect(0, 0, W - 145, H - 30));
    auto* horz = Controle<QScrollBar>("HorzScrollBar");
    auto* vert = Controle<QScrollBar>("VertScrollBar");
    // 10 pixels wider than the room: maximum 10.
    Main1->Open(Ecrit_image("large.bmp", W - 145 + 10, 40));
    QCOMPARE(Main1->windowTitle(), QString("Vrix : large.bmp"));
    QVERIFY(vert->isHidden());
    QCOMPARE(horz->maximum(), 10);
    QCOMPARE(horz->geometry(), QRect(0, H - 17 - 30, W - 1 - 145, 17));
    // With a height the horizontal bar makes too large: both bars, 27.
    Main1->Open(Ecrit_image("haut.bmp", W - 145 + 10, H - 30 - 10));
    QVERIFY(!vert->isHidden());
    QCOMPARE(horz->maximum(), 27);

    // Scrolling moves the drawn plane; a close hides the bars again.
    horz->setValue(5);
    QCOMPARE(Main1->VueP.OrigineX, 5);
    Menu("&Fermer");
    QVERIFY(horz->isHidden() && vert->isHidden());
  }

  void vue_et_souris() {
    Main1->Open(Ecrit_image("souris.bmp", 64, 40));
    Ecrit_pixel(20, 10, 1, Main1->Doc.Plan1);
    QWidget* image = Controle("ImageW1");
    auto bouge = [&](int x, int y) {  // the read-out after a move to (x, y)
      QMouseEvent e(QEvent::MouseMove, QPointF(x, y), image->mapToGlobal(QPointF(x, y)), Qt::NoButton, {}, {});
      QApplication::sendEvent(image, &e);
      return Texte("Label1");
    };
    QCOMPARE(bouge(20, 10), QString("Plan 1 (20,10):1"));
    QCOMPARE(bouge(21, 10), QString("Plan 1 (21,10):0"));

    // A click inks Plan 2, which "Plan1/2" shows.
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(30, 12));
    Clique("Plan2_1");
    QCOMPARE(Texte("Label1"), QString("Plan 2"));
    QCOMPARE(bouge(30, 12), QString("Plan 2 (30,12):1"));
    Clique("Plan2_1");
    QCOMPARE(Texte("Label1"), QString("Plan 1"));

    // Zoom in stops at -5; one more only beeps.
    for (int i = 0; i < 6; ++i) Menu("Zoom &In");
    QCOMPARE(Main1->VueP.Zoom, -5);
    QCOMPARE(Main1->NbBipsMessage, 1);
  }

  void console() {
    // The step-mode field takes "1" and "0" only, and swallows every key.
    auto* debug = Controle<QLineEdit>("EditMain1");
    QTest::keyClick(debug, '1');
    for (auto touche : {Qt::Key_2, Qt::Key_A, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return})
      QTest::keyClick(debug, touche);
    QTest::keyClick(debug, 'v', Qt::ControlModifier);
    QCOMPARE(debug->text(), QString("1"));
    QCOMPARE(Main1->ModeDebug, 1);
    QTest::keyClick(debug, '0');
    QCOMPARE(debug->text(), QString("0"));
    QCOMPARE(Main1->ModeDebug, 0);

    // A pause shows "GO !" lowered and waits for a click on it, even after a
    // click on "Stop" with no stage running.
    auto* stop = Controle<QLabel>("StopP1");
    for (bool avant : {false, true}) {
      if (avant) Clique("StopP1");
      bool clique = false;
      QTimer::singleShot(30, [&] {
        QCOMPARE(stop->text(), QString("GO !"));
        QCOMPARE(stop->frameShadow(), QFrame::Sunken);
        clique = true;
        Clique("StopP1");
      });
      QCOMPARE(Main1->Pause(), 1);
      QVERIFY(clique);
      QCOMPARE(stop->text(), QString("Stop"));
      QCOMPARE(stop->frameShadow(), QFrame::Raised);
    }

    // The progress bar hides itself at its maximum.
    auto* barre = Controle<QProgressBar>("ProgressBar1");
    Main1->Progression_Init(1, 1);
    QVERIFY(!barre->isHidden());
    Main1->Progression_Pas();
    QVERIFY(barre->isHidden());
  }

  void saisie() {
    // The proposed value is selected: typing replaces it. "Défaut" keeps it.
    for (auto [bouton, attendu] : {std::pair{"Defaut", "3"}, {"OK", "7é"}, {"", "7é"}}) {
      std::string tampon = "3";
      QTimer::singleShot(0, [bouton] {
        auto* dialogue = qobject_cast<TSaisieF1*>(QApplication::activeModalWidget());
        QVERIFY(dialogue);
        QCOMPARE(dialogue->findChild<QLabel*>("Label1")->text(), QString("- Quel Type ?"));
        auto* champ = dialogue->findChild<QLineEdit*>("Edit1");
        QCOMPARE(champ->text(), QString("3"));
        QTest::keyClicks(champ, "7");
        champ->insert("é");
        if (*bouton)
          dialogue->findChild<QPushButton*>(bouton)->click();
        else
          QTest::keyClick(champ, Qt::Key_Return);  // Enter answers "OK"
      });
      Main1->Saisie(tampon, "Quel Type ?");
      QCOMPARE(tampon, std::string(attendu));
    }
  }

  void representation_et_commandes_refusees() {
    // "Représentation": without a document only the beep.
    Clique("vectorisation1");
    QCOMPARE(Main1->NbBipsMessage, 1);
    Main1->Open(VRIX_SOURCE "/samples/hexagone.bmp");
    Clique("vectorisation1");
    QCOMPARE(Main1->NbBipsMessage, 2);
    QVERIFY(!Main1->Doc.CompConnexes.empty() && Main1->Doc.NbQuads > 0);
    Menu("&Informations");
    QVERIFY(Texte("TextL3").startsWith("\n- Nb pixels en x (plan1):"));

    // In step mode the drawing of the quadrilaterals waits after the first one.
    QTest::keyClick(Controle("EditMain1"), '1');
    int pauses = 0;
    QTimer::singleShot(0, [&] {
      ++pauses;
      // Everything that would release or rebuild what the stage walks is refused.
      for (const char* refusee : {"&Fermer", "&Ouvrir...", "&Quitter", "R&az Plan 2", "&Vecteurs", "&Restauration"})
        Menu(refusee);
      Clique("vectorisation1");
      QTest::mouseClick(Controle("ImageW1"), Qt::LeftButton, {}, QPoint(5, 5));
      Main1->close();
      QCOMPARE(Main1->NbBipsMessage, 2 + 10);  // the image's mouse-up and click: two
      QVERIFY(Main1->Doc.Ouvert() && Main1->isVisible());
      // The view and the step switch stay live.
      Clique("Plan2_1");
      QCOMPARE(Texte("Label1"), QString("Plan 1"));
      Menu("Zoom &Out");
      QCOMPARE(Main1->VueP.Zoom, 1);
      Menu("Zoom &In");
      QTest::keyClick(Controle("EditMain1"), '0');
      // "GO !": the drawing goes on to its end without pausing again.
      Clique("StopP1");
    });
    Menu("&Quadrilatères");
    QCOMPARE(pauses, 1);
    QVERIFY(!Main1->Etape_en_cours());
    QVERIFY(Texte("TextL3").contains("* Nb de Quadrilateres : "));

    // Once the stage is over the commands run again.
    Menu("&Fermer");
    QVERIFY(!Main1->Doc.Ouvert());
    Menu("&Quitter");
    QVERIFY(!Main1->isVisible());
    QCOMPARE(Main1->Ctx.NbGlyphes, 0);
  }

  void modeles_et_editeurs() {
    // The default library in the working directory (no font there: that box
    // of the start-up is left aside).
    Boites->Boites.clear();
    QVERIFY(QFile::copy(VRIX_SOURCE "/data/bimdl.dat", Repertoire.filePath("bimdl.dat")));
    QFile::setPermissions(Repertoire.filePath("bimdl.dat"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ListeModeles l;
    const int32_t n = Lit_modeles(Main1->Ctx, l, "bimdl.dat");
    QVERIFY(n > 3);

    // "&Changer Utilisation": two prompts, the second proposing the first
    // answer; the former count in the log.
    QStringList invites;
    std::function<void()> repond = [&] {
      if (auto* d = qobject_cast<TSaisieF1*>(QApplication::activeModalWidget())) {
        invites << d->findChild<QLabel*>("Label1")->text();
        auto* champ = d->findChild<QLineEdit*>("Edit1");
        if (invites.size() == 1) champ->setText("12");
        d->findChild<QPushButton*>("OK")->click();
      }
      if (invites.size() < 2) QTimer::singleShot(5, repond);
    };
    QTimer::singleShot(0, repond);
    const int32_t ancien = Main1->Ctx.NbTraitements;
    Menu("&Changer Utilisation");
    QCOMPARE(invites, QStringList({"- nouveau Nombre de traitement effectue",
                                   "- nouvelle valeur d'utilisation des models"}));
    QVERIFY(Texte("TextL3").endsWith("\nancien nombre de reconnaissance\neffectuee: " + QString::number(ancien)));
    QCOMPARE(Lit_modeles(Main1->Ctx, l, "bimdl.dat"), n);
    QCOMPARE(Main1->Ctx.NbTraitements, 12);
    for (const Modele& m : l) QCOMPARE(m.Utilisation, 12);

    // "&Fusionner" keeps a merged library readable; "&Oublier" keeps the
    // models used (all of them here) with their counters at 0.
    Menu("&Fusionner");
    const int32_t fusionnes = Lit_modeles(Main1->Ctx, l, "bimdl.dat");
    QVERIFY(fusionnes > 0 && fusionnes <= n);
    Menu("&Oublier");
    QCOMPARE(Lit_modeles(Main1->Ctx, l, "bimdl.dat"), fusionnes);
    QCOMPARE(Main1->Ctx.NbTraitements, 0);

    // The two editors open modally, with their captions.
    QStringList titres;
    for (const char* item : {"&Bibliothèque...", "&Editer la liste ..."}) {
      QTimer::singleShot(0, [&] {
        QWidget* f = QApplication::activeModalWidget();
        QVERIFY(f);
        titres << f->windowTitle();
        f->close();
      });
      Menu(item);
    }
    QCOMPARE(titres, QStringList({"Gestion des Masques", "Gestion des symboles"}));
    QVERIFY(Boites->Boites.empty());
  }

  void totale_deux_fois() {
    Main1->Ctx.RepertoireTravail = VRIX_SOURCE "/data";
    QVERIFY(Charge_police_initiale(Main1->Ctx) > 0);
    Main1->Open(VRIX_SOURCE "/samples/benzene.bmp");
    Clique("CyclesB1");
    QCOMPARE(Texte("Label1"), QString("Plan 2"));
    const size_t symboles = Main1->Doc.ListeSymboles.size();
    QVERIFY(symboles > 0);
    QVERIFY(Main1->Doc.ListeSymboles.front().Type == 100);  // the ring
#ifdef VRIX_RDKIT
    // Its molecule in the log, and its Molfile ready to be exported.
    QVERIFY2(Texte("TextL3").contains("SMILES : c1ccccc1 (confiance "), qPrintable(Texte("TextL3")));
    QVERIFY(Main1->Ecrit_molfile(Repertoire.filePath("benzene.mol").toStdString()));
    QFile mol(Repertoire.filePath("benzene.mol"));
    QVERIFY(mol.open(QIODevice::ReadOnly));
    QVERIFY(mol.readAll().startsWith("benzene.bmp\n"));
#endif
    // A second click only flips the view back.
    Clique("CyclesB1");
    QCOMPARE(Texte("Label1"), QString("Plan 1"));
    QCOMPARE(Main1->Doc.ListeSymboles.size(), symboles);
    Clique("CyclesB1");
    QCOMPARE(Texte("Label1"), QString("Plan 2"));
  }

  void zones_texte_et_information() {
    // The data files, the font among them, as if started in data/.
    Main1->Ctx.RepertoireTravail = VRIX_SOURCE "/data";
    QVERIFY(Charge_police_initiale(Main1->Ctx) > 0);
    Boites->Boites.clear();
    Main1->Open(VRIX_SOURCE "/samples/acide_hydroxybenzoique.bmp");
    Clique("vectorisation1");
    const int32_t quads = Main1->Doc.NbQuads;
    Clique("Texte1");
    const Document& doc = Main1->Doc;
    QVERIFY(!doc.ZonesTexte.empty());
    QVERIFY(doc.NbQuads < quads && !doc.QuadsTexte.empty());
    QVERIFY(doc.NbZones >= 2);
    auto encre_P2 = [&] {
      int n = 0;
      for (int32_t y = 1; y < doc.Plan2.NbLignes; ++y)
        for (int32_t x = 1; x < doc.Plan2.Largeur_px(); ++x) n += Lit_pixel(x, y, doc.Plan2);
      return n;
    };
    QVERIFY(encre_P2() > 0);  // the recognised text

    // A click on a zone shows it and asks; the default answer keeps it.
    const CompConnexe z = doc.ZonesTexte.front();
    QWidget* image = Controle("ImageW1");
    const QPoint centre((z.xmin + z.xmax) / 2, (z.ymin + z.ymax) / 2 - 1);
    QMouseEvent bouge(QEvent::MouseMove, QPointF(centre), image->mapToGlobal(QPointF(centre)), Qt::NoButton, {}, {});
    QApplication::sendEvent(image, &bouge);
    int questions = 0;
    std::function<void()> repond = [&] {
      if (auto* d = qobject_cast<TSaisieF1*>(QApplication::activeModalWidget())) {
        ++questions;
        d->findChild<QPushButton*>("Defaut")->click();
      }
      if (questions == 0) QTimer::singleShot(5, repond);
    };
    QTimer::singleShot(0, repond);
    QTest::mouseClick(image, Qt::LeftButton, {}, centre);
    QCOMPARE(questions, 1);
    QVERIFY(Texte("TextL3").startsWith("\nInformations sur cette zone texte\nCoordonnees de la zone\n"));
    QCOMPARE(doc.ZonesTexte.front().Etat, z.Etat);

    // The drawings of the text lists and every recognition step run.
    for (const char* item : {"Comp.Texte", "&Textes (zones)", "Texte &Reconnu", "&Reconnaîssance Pure",
                             "&Découpe Zone Doubles", "Réduction du D&oute", "Regroupement par &Zone",
                             "Détection des &Chiffres", "&Analyse", "&Prépare Fichier De Sortie", "&Reconnaître"}) {
      Raz_Plan2(Main1->Doc);
      Menu(item);
      QVERIFY2(encre_P2() > 0, item);
    }
    QVERIFY(doc.NbZones >= 2);
    QVERIFY(Boites->Boites.empty());

    // The graph and the bonds, their drawings, then the symbols save: a
    // cancelled dialog writes nothing, a chosen file holds the text part then
    // the symbols.
    Clique("Redraw");
    QVERIFY(Texte("TextL3").endsWith("\n\nOk"));
    QVERIFY(!doc.ListeArcs.empty());
    Clique("LiaisonsB1");
    for (const char* item : {"Graphe", "&Symboles"}) {
      Raz_Plan2(Main1->Doc);
      Menu(item);
      QVERIFY2(encre_P2() > 0, item);
    }
    auto sauve = [&](const QString& fichier) {
      QTimer::singleShot(0, [fichier] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        if (fichier.isEmpty()) {
          d->reject();
        } else {
          d->selectFile(fichier);
          QMetaObject::invokeMethod(d, "accept");
        }
      });
      Menu("S&auvegarder symboles");
    };
    const QString vrx = Repertoire.filePath("acide.vrx");
    sauve("");
    QVERIFY(!QFile::exists(vrx));
    sauve(vrx);
    QFile f(vrx);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString contenu = QString::fromUtf8(f.readAll());
    QVERIFY(contenu.startsWith(" - Fichier Resultats : " + vrx + " - \n - (Image " VRIX_SOURCE
                               "/samples/acide_hydroxybenzoique.bmp) - \n"));
    QVERIFY(contenu.contains("\n#Texte#\nNom="));
    QVERIFY(contenu.indexOf("#Texte#") < contenu.indexOf("#Symbole#"));
  }
};

QTEST_MAIN(TestFenetre)
#include "fenetre_test.moc"
