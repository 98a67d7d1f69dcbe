#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <memory>

#include "app/qt/main1.h"
#include "app/qt/saisie.h"
#include "image/bmp.h"
#include "outils_qt.h"

namespace {

// An image file of the given size with ink on the listed pixels.
QString Ecrit_image(const QString& nom, int32_t largeur, int32_t hauteur, std::vector<std::pair<int, int>> encre = {}) {
  Plan p = Cree_plan(largeur, hauteur);
  for (auto [x, y] : encre) Ecrit_pixel(x, y, 1, p);
  const QString chemin = QDir::current().filePath(nom);
  std::ofstream flux(chemin.toStdString(), std::ios::binary);
  Ecrit_bmp(p, flux);
  return chemin;
}

// Every menu entry as "Menu/Item" (or "Menu/Submenu/Item"), in order.
void Liste_menu(QMenu* menu, const QString& chemin, QStringList& entrees, QStringList& actives) {
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) {
      entrees << chemin + "/-";
      continue;
    }
    const QString nom = chemin + "/" + a->text();
    if (a->menu()) {
      Liste_menu(a->menu(), nom, entrees, actives);
      continue;
    }
    entrees << nom;
    if (a->isEnabled()) actives << nom;
  }
}

}  // namespace

class TestFenetre : public QObject {
  Q_OBJECT

  QTemporaryDir Repertoire;
  std::unique_ptr<Ferme_boites> Boites;
  std::unique_ptr<TMain1> Main1;
  std::unique_ptr<TSaisieF1> SaisieF1;

  template <class T>
  T* Controle(const char* nom) {
    T* c = Main1->findChild<T*>(nom);
    if (!c) qFatal("no control %s", nom);
    return c;
  }
  QString Plan_label() { return Controle<QLabel>("Label1")->text(); }

 private slots:
  void initTestCase() {
    QVERIFY(Repertoire.isValid());
    QVERIFY(QFile::copy(VRIX_SOURCE "/data/param.dat", Repertoire.filePath("param.dat")));
    QVERIFY(QDir::setCurrent(Repertoire.path()));
  }

  void init() {
    Boites = std::make_unique<Ferme_boites>();
    Main1 = std::make_unique<TMain1>();
    SaisieF1 = std::make_unique<TSaisieF1>(Main1.get());
    Main1->Attache_saisie(SaisieF1.get());
    Main1->resize(800, 600);
    Main1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Main1.get()));
  }

  void cleanup() {
    SaisieF1.reset();
    Main1.reset();
    Boites.reset();
  }

  void demarrage() {
    QCOMPARE(QString::fromStdString(Main1->Ctx.RepertoireTravail), QDir::currentPath());
    QCOMPARE(Main1->windowTitle(), QString("Vrix"));
    // No police.dat here: one error box, and the program runs on.
    QCOMPARE(Boites->Boites.size(), size_t(1));
    QCOMPARE(Boites->Boites[0].Titre, QString("Erreur"));
    QCOMPARE(Boites->Boites[0].Texte, QString("Ouverture Police de Caractere impossible!"));
    QCOMPARE(Main1->Ctx.NbGlyphes, -1);

    QCOMPARE(Controle<QWidget>("BoutonsP1")->width(), 145);
    QCOMPARE(Controle<QWidget>("InfoP1")->height(), 30);
    QCOMPARE(Controle<QLabel>("DebugL2")->text(), QString("Debug"));
    QCOMPARE(Controle<QLineEdit>("EditMain1")->text(), QString("0"));
    QCOMPARE(Controle<QLabel>("CycleL1")->text(), QString("Cycle : 1"));
    QCOMPARE(Plan_label(), QString("Plan Image"));
    QCOMPARE(Controle<QLabel>("StopP1")->text(), QString("Stop"));
    QCOMPARE(Controle<QToolButton>("Plan2_1")->text(), QString("Plan1/2"));
    QVERIFY(Controle<QScrollBar>("HorzScrollBar")->isHidden());
    QVERIFY(Controle<QScrollBar>("VertScrollBar")->isHidden());

    // The stage buttons, top to bottom; only "Représentation" runs yet.
    const QStringList boutons = {"Représentation", "Zones Texte",      "Redessine", "Liaisons multiples",
                                 "Polygones",      "Chaines",          "Totale"};
    const QList<QPushButton*> presents =
        Controle<QWidget>("GroupBoxBtns")->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(presents.size(), boutons.size());
    for (int i = 0; i < boutons.size(); ++i) {
      QCOMPARE(presents[i]->text(), boutons[i]);
      QCOMPARE(presents[i]->size(), QSize(129, i == 2 ? 29 : 25));
      QCOMPARE(presents[i]->isEnabled(), i == 0);
      QVERIFY(presents[i]->y() > (i ? presents[i - 1]->y() : -1));
    }
  }

  void menus() {
    QStringList entrees, actives;
    for (QAction* m : Main1->menuBar()->actions()) Liste_menu(m->menu(), m->text(), entrees, actives);
    const QStringList attendues = {
        "&Fichier/&Ouvrir...",
        "&Fichier/&Fermer",
        "&Fichier/&Enregistrer P2",
        "&Fichier/&Informations",
        "&Fichier/-",
        "&Fichier/&Quitter",
        "Plan &Image/Zoom &In",
        "Plan &Image/Zoom &Out",
        "Plan &Image/R&az Plan 2",
        "Plan &Image/&Copier P2 -> P1",
        "Pré-T&raitements/&Axe Médian",
        "Pré-T&raitements/&Restauration",
        "&Primitives/&Vecteurs",
        "&Primitives/&Quadrilatères",
        "&Primitives/&Comp. Connexes",
        "&Primitives/&Squelette",
        "&Primitives/Comp.Texte",
        "&Primitives/Graphe",
        "&Primitives/Graphe sélectif",
        "&Primitives/Quad. séléctifs",
        "&Résultats/&Textes (zones)",
        "&Résultats/&Courbes",
        "&Résultats/&Symboles",
        "&Résultats/Texte &Reconnu",
        "&Résultats/S&auvegarder symboles",
        "&Résultats/Sauvegader vectorisation",
        "&Paramètres/&Afficher",
        "&Paramètres/&Modifier",
        "&Texte/&Reconnaître",
        "&Texte/&Anciennes Méthodes/&Reconnaître",
        "&Texte/&Anciennes Méthodes/&Ajouter aux modèles",
        "&Texte/&Anciennes Méthodes/Re-&Créer les Modèles",
        "&Texte/&Etape Par Etape/&Reconnaîssance Pure",
        "&Texte/&Etape Par Etape/&Découpe Zone Doubles",
        "&Texte/&Etape Par Etape/Réduction du D&oute",
        "&Texte/&Etape Par Etape/Regroupement par &Zone",
        "&Texte/&Etape Par Etape/Détection des &Chiffres",
        "&Texte/&Etape Par Etape/&Analyse",
        "&Texte/&Etape Par Etape/&Prépare Fichier De Sortie",
        "&Texte/&Modèles/&Bibliothèque...",
        "&Texte/&Modèles/&Fusionner",
        "&Texte/&Modèles/&Changer Utilisation",
        "&Texte/&Modèles/&Oublier",
        "&Texte/&Symboles/&Editer la liste ...",
        "Aide/Vrix Version 1",
        "Aide/Aide",
    };
    QCOMPARE(entrees, attendues);
    // The stages not built yet are present but cannot be chosen.
    const QStringList inactives = {
        "&Primitives/Comp.Texte",          "&Primitives/Graphe",     "&Primitives/Graphe sélectif",
        "&Résultats/&Textes (zones)",      "&Résultats/&Symboles",   "&Résultats/Texte &Reconnu",
        "&Résultats/S&auvegarder symboles",
    };
    for (const QString& e : attendues) {
      if (e.endsWith("/-")) continue;
      const bool inactive = inactives.contains(e) || e.startsWith("&Texte/");
      QVERIFY2(actives.contains(e) == !inactive, qPrintable(e));
    }
    QCOMPARE(Action(Main1.get(), "S&auvegarder symboles")->shortcut(), QKeySequence("Ctrl+E"));

    // "Aide" and the about box.
    Action(Main1.get(), "Aide")->trigger();
    Action(Main1.get(), "Vrix Version 1")->trigger();
    QCOMPARE(Boites->Boites.size(), size_t(3));
    QCOMPARE(Boites->Boites[1].Titre, QString("Info..."));
    QCOMPARE(Boites->Boites[1].Texte, QString("Pas d'aide en ligne pour l'instant ! Consulter les fichiers PDF"));
    QCOMPARE(Boites->Boites[2].Titre, QString("VRIX Version 1.0 (1998)"));

    // "&Courbes", "&Afficher", "&Modifier" do nothing.
    Main1->Log_Texte(0, "x");
    for (const char* rien : {"&Courbes", "&Afficher", "&Modifier"}) Action(Main1.get(), rien)->trigger();
    QCOMPARE(Controle<QLabel>("TextL3")->text(), QString("x"));
    QCOMPARE(Main1->NbBipsMessage, 0);
  }

  void barres_de_defilement() {
    const int W = Controle<QWidget>("Client")->width();
    const int H = Controle<QWidget>("Client")->height();
    QScrollBar* horz = Controle<QScrollBar>("HorzScrollBar");
    QScrollBar* vert = Controle<QScrollBar>("VertScrollBar");

    // Smaller than the room: no bar.
    Main1->Open(Ecrit_image("petit.bmp", W - 145, H - 30));
    QVERIFY(horz->isHidden());
    QVERIFY(vert->isHidden());
    // 10 pixels wider than the room: maximum 10.
    Main1->Open(Ecrit_image("large.bmp", W - 145 + 10, 40));
    QVERIFY(!horz->isHidden());
    QVERIFY(vert->isHidden());
    QCOMPARE(horz->maximum(), 10);
    QCOMPARE(horz->geometry(), QRect(0, H - 17 - 30, W - 1 - 145, 17));
    QCOMPARE(Main1->windowTitle(), QString("Vrix : large.bmp"));
    // The same with a height the horizontal bar makes too large: 27.
    Main1->Open(Ecrit_image("haut.bmp", W - 145 + 10, H - 30 - 10));
    QVERIFY(!horz->isHidden());
    QVERIFY(!vert->isHidden());
    QCOMPARE(horz->maximum(), 27);
    QCOMPARE(vert->maximum(), 7);
    QCOMPARE(vert->geometry(), QRect(W - 17 - 145, 0, 17, H - 1 - 30 - 17));

    // Scrolling moves the drawn plane; a close hides both bars again.
    horz->setValue(5);
    QCOMPARE(Main1->VueP.OrigineX, 5);
    Main1->Log_Efface();
    Action(Main1.get(), "&Fermer")->trigger();
    QVERIFY(!Main1->Doc.Ouvert());
    QVERIFY(horz->isHidden());
    QCOMPARE(Main1->VueP.Horz.Position, 0);
    QCOMPARE(Controle<QLabel>("CycleL1")->text(), QString("Cycle : 1"));
    QVERIFY(Controle<QLabel>("TextL3")->text().startsWith("\n"));  // the reset lines
  }

  void zoom_plans_et_souris() {
    Main1->Open(Ecrit_image("souris.bmp", 64, 40, {{20, 10}}));
    QCOMPARE(Plan_label(), QString("Plan 1"));
    QWidget* image = Controle<QWidget>("ImageW1");
    auto bouge = [&](int x, int y) {
      QMouseEvent e(QEvent::MouseMove, QPointF(x, y), image->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(image, &e);
    };
    bouge(20, 10);
    QCOMPARE(Plan_label(), QString("Plan 1 (20,10):1"));
    bouge(21, 10);
    QCOMPARE(Plan_label(), QString("Plan 1 (21,10):0"));

    // A click while Plan 1 is shown inks Plan 2 only.
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(Lit_pixel(30, 12, Main1->Doc.Plan1), 0);
    QCOMPARE(Lit_pixel(30, 12, Main1->Doc.Plan2), 1);

    // "Plan1/2" there and back.
    QToolButton* plan12 = Controle<QToolButton>("Plan2_1");
    plan12->click();
    QCOMPARE(Plan_label(), QString("Plan 2"));
    QCOMPARE(Main1->Doc.PlanCourant, &Main1->Doc.Plan2);
    bouge(30, 12);
    QCOMPARE(Plan_label(), QString("Plan 2 (30,12):1"));
    plan12->click();
    QCOMPARE(Plan_label(), QString("Plan 1"));
    QCOMPARE(Main1->Doc.PlanCourant, &Main1->Doc.Plan1);

    // Zoom in down to -5; the sixth only beeps.
    QAction* zoom_in = Action(Main1.get(), "Zoom &In");
    for (int i = 0; i < 5; ++i) zoom_in->trigger();
    QCOMPARE(Main1->VueP.Zoom, -5);
    QCOMPARE(Main1->NbBipsMessage, 0);
    zoom_in->trigger();
    QCOMPARE(Main1->VueP.Zoom, -5);
    QCOMPARE(Main1->NbBipsMessage, 1);
    QCOMPARE(Main1->Doc.PlanCourant, &Main1->Doc.PlanZoom);
  }

  void console() {
    // The step-mode field takes "1" and "0" only, and nothing else ever.
    QLineEdit* debug = Controle<QLineEdit>("EditMain1");
    QTest::keyClick(debug, '2');
    QCOMPARE(debug->text(), QString("0"));
    QCOMPARE(Main1->ModeDebug, 0);
    QTest::keyClick(debug, '1');
    QCOMPARE(debug->text(), QString("1"));
    QCOMPARE(Main1->ModeDebug, 1);
    for (auto touche : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A, Qt::Key_Return}) QTest::keyClick(debug, touche);
    QTest::keyClick(debug, 'v', Qt::ControlModifier);
    QCOMPARE(debug->text(), QString("1"));
    QTest::keyClick(debug, '0');
    QCOMPARE(debug->text(), QString("0"));
    QCOMPARE(Main1->ModeDebug, 0);

    // "Stop" / "GO !" with no stage running.
    QLabel* stop = Controle<QLabel>("StopP1");
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stop->text(), QString("GO !"));
    QCOMPARE(Main1->EtatPause, 1);
    QCOMPARE(stop->frameShadow(), QFrame::Sunken);
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stop->text(), QString("Stop"));
    QCOMPARE(Main1->EtatPause, 0);
    QCOMPARE(stop->frameShadow(), QFrame::Raised);

    // A pause waits until "GO !" is clicked.
    bool clique = false;
    QTimer::singleShot(30, [&] {
      QCOMPARE(stop->text(), QString("GO !"));
      clique = true;
      QTest::mouseClick(stop, Qt::LeftButton);
    });
    QCOMPARE(Main1->Pause(), 1);
    QVERIFY(clique);
    QCOMPARE(stop->text(), QString("Stop"));
    // "Stop" clicked beforehand: the next pause waits for the next click.
    QTest::mouseClick(stop, Qt::LeftButton);
    clique = false;
    QTimer::singleShot(30, [&] {
      clique = true;
      QTest::mouseClick(stop, Qt::LeftButton);
    });
    Main1->Pause();
    QVERIFY(clique);
    QCOMPARE(stop->text(), QString("Stop"));

    // The progress bar hides itself at its maximum.
    QProgressBar* barre = Controle<QProgressBar>("ProgressBar1");
    Main1->Progression_Init(1, 1);
    QVERIFY(!barre->isHidden());
    Main1->Progression_Pas();
    QVERIFY(barre->isHidden());
    QCOMPARE(Main1->Barre.Position, 0);

    // The log.
    Main1->Log_Efface();
    Main1->Log_Texte(1, "- Nb pixels en x (plan1):");
    Main1->Log_Nombre(0, 64);
    QCOMPARE(Controle<QLabel>("TextL3")->text(), QString("\n- Nb pixels en x (plan1): 64 "));
  }

  void saisie() {
    auto reponds = [&](std::function<void(QLineEdit*, TSaisieF1*)> geste) {
      QTimer::singleShot(0, [=] {
        auto* dialogue = qobject_cast<TSaisieF1*>(QApplication::activeModalWidget());
        QVERIFY(dialogue);
        QCOMPARE(dialogue->windowTitle(), QString("Saisie"));
        QCOMPARE(dialogue->size(), QSize(416, 100));
        QCOMPARE(dialogue->findChild<QLabel*>("Label1")->text(), QString("- Quel Type ?"));
        auto* champ = dialogue->findChild<QLineEdit*>("Edit1");
        QCOMPARE(champ->text(), QString("3"));
        geste(champ, dialogue);
      });
    };
    std::string tampon = "3";
    reponds([](QLineEdit* champ, TSaisieF1* d) {
      QTest::keyClicks(champ, "7");
      d->findChild<QPushButton*>("Defaut")->click();
    });
    Main1->Saisie(tampon, "Quel Type ?");
    QCOMPARE(tampon, std::string("3"));

    reponds([](QLineEdit* champ, TSaisieF1* d) {
      QTest::keyClicks(champ, "7");
      d->findChild<QPushButton*>("OK")->click();
    });
    Main1->Saisie(tampon, "Quel Type ?");
    QCOMPARE(tampon, std::string("7"));

    std::string entree("3");
    reponds([](QLineEdit* champ, TSaisieF1*) {
      champ->setText(QString::fromUtf8("é12"));
      QTest::keyClick(champ, Qt::Key_Return);
    });
    Main1->Saisie(entree, "Quel Type ?");
    QCOMPARE(entree, std::string("é12"));
  }

  void representation() {
    // No document: only the beep.
    QAbstractButton* representation = Controle<QAbstractButton>("vectorisation1");
    representation->click();
    QCOMPARE(Main1->NbBipsMessage, 1);

    Main1->Open(VRIX_SOURCE "/samples/hexagone.bmp");
    QCOMPARE(Main1->windowTitle(), QString("Vrix : hexagone.bmp"));
    representation->click();
    QCOMPARE(Main1->NbBipsMessage, 2);
    QVERIFY(!Main1->Doc.CompConnexes.empty());
    QVERIFY(Main1->Doc.NbQuads > 0);

    Action(Main1.get(), "&Informations")->trigger();
    QVERIFY(Controle<QLabel>("TextL3")->text().startsWith("\n- Nb pixels en x (plan1):"));
  }

  void commandes_refusees_pendant_une_pause() {
    Main1->Open(VRIX_SOURCE "/samples/hexagone.bmp");
    Controle<QAbstractButton>("vectorisation1")->click();
    QVERIFY(Main1->Doc.NbQuads > 0);
    QTest::keyClick(Controle<QLineEdit>("EditMain1"), '1');
    const int bips = Main1->NbBipsMessage;

    // In step mode the drawing of the quadrilaterals waits after the first one.
    int pauses = 0;
    QTimer::singleShot(0, [&] {
      ++pauses;
      QVERIFY(Main1->Etape_en_cours());
      QCOMPARE(Main1->EtatPause, 1);
      // Everything that would release or rebuild what the stage walks is refused.
      for (const char* refusee : {"&Fermer", "&Ouvrir...", "&Quitter", "R&az Plan 2", "&Vecteurs", "&Restauration"})
        Action(Main1.get(), refusee)->trigger();
      Controle<QAbstractButton>("vectorisation1")->click();
      QTest::mouseClick(Controle<QWidget>("ImageW1"), Qt::LeftButton, {}, QPoint(5, 5));
      Main1->close();
      QCOMPARE(Main1->NbBipsMessage, bips + 9);
      QVERIFY(Main1->Doc.Ouvert());
      QVERIFY(Main1->isVisible());
      // The view and the step switch stay live.
      Controle<QToolButton>("Plan2_1")->click();
      QCOMPARE(Plan_label(), QString("Plan 1"));
      Action(Main1.get(), "Zoom &Out")->trigger();
      QCOMPARE(Main1->VueP.Zoom, 1);
      Action(Main1.get(), "Zoom &In")->trigger();
      QCOMPARE(Main1->VueP.Zoom, 0);
      QTest::keyClick(Controle<QLineEdit>("EditMain1"), '0');
      QCOMPARE(Main1->ModeDebug, 0);
      // "GO !": the drawing goes on to its end without pausing again.
      QTest::mouseClick(Controle<QLabel>("StopP1"), Qt::LeftButton);
    });
    Action(Main1.get(), "&Quadrilatères")->trigger();
    QCOMPARE(pauses, 1);
    QVERIFY(!Main1->Etape_en_cours());
    QVERIFY(Controle<QLabel>("TextL3")->text().contains("* Nb de Quadrilateres : "));

    // Once the stage is over the commands run again.
    Action(Main1.get(), "&Fermer")->trigger();
    QVERIFY(!Main1->Doc.Ouvert());
    Action(Main1.get(), "&Quitter")->trigger();
    QVERIFY(!Main1->isVisible());
    QCOMPARE(Main1->Ctx.NbGlyphes, 0);
  }
};

QTEST_MAIN(TestFenetre)
#include "fenetre_test.moc"
