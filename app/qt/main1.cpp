#include "app/qt/main1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>

#include "app/chaines.h"
#include "app/chaines_analyse.h"
#include "app/chaines_structure.h"
#include "app/qt/controles.h"
#include "app/qt/saisie.h"
#include "app/repertoire_donnees.h"
#include "editors/editeur_masques.h"
#ifdef VRIX_RDKIT
#include "molecule/molecule.h"
#endif
#include "editors/qt/editeurs.h"
#include "display/dessin_caracteres.h"
#include "display/dessin_primitives.h"
#include "display/dessin_structure.h"
#include "display/dessine_texte.h"
#include "image/operations_plan.h"
#include "text/ancienne_reconnaissance.h"
#include "text/entrainement.h"
#include "text/info_zone.h"
#include "text/maintenance_modeles.h"
#include "text/police.h"
#include "vecto/pretraitements.h"
#include "vecto/sauve_vectorisation.h"

namespace {

QString Texte(std::string_view texte) { return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size())); }

}  // namespace

TMain1::TMain1(QWidget* parent)
    : QMainWindow(parent),
      Ctx(*this, Repertoire_donnees(QDir::currentPath().toStdString(), Repertoire_installe(), ExplicationDonnees)) {
  setObjectName("Main1");
  setWindowTitle("Vrix");
  QFont police = font();
  police.setPointSize(8);
  setFont(police);
  Cree_controles();
  Cree_menus();
  updateActions();
  if (!ExplicationDonnees.empty()) Log_Texte(0, ExplicationDonnees);
  // The font written on Plan 2, for the whole run.
  Charge_police_initiale(Ctx);
}

TMain1::~TMain1() = default;

QAbstractButton* TMain1::Ajoute_bouton(const char* libelle, const char* nom, int hauteur, Gestionnaire g) {
  auto* bouton = new QPushButton(QString::fromUtf8(libelle), GroupBoxBtns);
  bouton->setObjectName(nom);
  bouton->setFixedSize(129, hauteur);
  GroupBoxBtns->layout()->addWidget(bouton);
  if (g) Connecte(bouton, g, false);
  Entrees.push_back({bouton, g != nullptr});
  return bouton;
}

void TMain1::Cree_controles() {
  Client = new QWidget(this);
  Client->setObjectName("Client");
  setCentralWidget(Client);
  Client->installEventFilter(this);

  ImageW1 = new VueImage(this, Client);

  BoutonsP1 = new QFrame(Client);
  BoutonsP1->setObjectName("BoutonsP1");
  BoutonsP1->setFrameShape(QFrame::Panel);
  BoutonsP1->setFrameShadow(QFrame::Raised);
  auto* colonne = new QVBoxLayout(BoutonsP1);
  colonne->setContentsMargins(2, 2, 2, 2);
  colonne->setSpacing(2);

  GroupBoxBtns = new QGroupBox(BoutonsP1);
  GroupBoxBtns->setObjectName("GroupBoxBtns");
  auto* boutons = new QVBoxLayout(GroupBoxBtns);
  boutons->setContentsMargins(2, 4, 2, 4);
  boutons->setSpacing(2);
  colonne->addWidget(GroupBoxBtns);
  Ajoute_bouton("Représentation", "vectorisation1", 25, &TMain1::vectorisation1Click);
  Ajoute_bouton("Zones Texte", "Texte1", 25, &TMain1::Texte1Click);
  Ajoute_bouton("Redessine", "Redraw", 29, &TMain1::RedrawClick);
  Ajoute_bouton("Liaisons multiples", "LiaisonsB1", 25, &TMain1::LiaisonsB1Click);
  Ajoute_bouton("Polygones", "PolygonesB1", 25, &TMain1::PolygonesB1Click);
  Ajoute_bouton("Chaines", "ChainesB1", 25, &TMain1::ChainesB1Click);
  Ajoute_bouton("Totale", "CyclesB1", 25, &TMain1::CyclesB1Click);

  TextL3 = new QLabel(BoutonsP1);
  TextL3->setObjectName("TextL3");
  TextL3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  TextL3->setWordWrap(true);
  QFont serif("Serif");
  serif.setStyleHint(QFont::Serif);
  serif.setPointSize(7);
  TextL3->setFont(serif);
  TextL3->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  colonne->addWidget(TextL3, 1);

  GroupBoxPlans = new QGroupBox(BoutonsP1);
  GroupBoxPlans->setObjectName("GroupBoxPlans");
  auto* plans = new QHBoxLayout(GroupBoxPlans);
  plans->setContentsMargins(2, 4, 2, 4);
  StopP1 = new PanneauBouton("Stop", GroupBoxPlans);
  StopP1->setObjectName("StopP1");
  StopP1->setFixedSize(60, 25);
  connect(StopP1, &PanneauBouton::clicked, this, &TMain1::StopP1Click);
  plans->addWidget(StopP1);
  Plan2_1 = new QToolButton(GroupBoxPlans);
  Plan2_1->setObjectName("Plan2_1");
  Plan2_1->setText("Plan1/2");
  Plan2_1->setFixedHeight(25);
  Connecte(Plan2_1, &TMain1::Plan2_1Click, true);
  plans->addWidget(Plan2_1);
  colonne->addWidget(GroupBoxPlans);

  InfoP1 = new QFrame(Client);
  InfoP1->setObjectName("InfoP1");
  InfoP1->setFrameShape(QFrame::Panel);
  InfoP1->setFrameShadow(QFrame::Raised);
  auto* barre = new QHBoxLayout(InfoP1);
  barre->setContentsMargins(4, 2, 4, 2);
  DebugL2 = new QLabel("Debug", InfoP1);
  DebugL2->setObjectName("DebugL2");
  QFont gras = DebugL2->font();
  gras.setBold(true);
  DebugL2->setFont(gras);
  barre->addWidget(DebugL2);
  EditMain1 = new QLineEdit("0", InfoP1);
  EditMain1->setObjectName("EditMain1");
  EditMain1->setFixedWidth(22);
  EditMain1->setMaxLength(1);
  EditMain1->setContextMenuPolicy(Qt::NoContextMenu);
  EditMain1->setAcceptDrops(false);
  EditMain1->installEventFilter(this);
  barre->addWidget(EditMain1);
  CycleL1 = new QLabel("Cycle : 1", InfoP1);
  CycleL1->setObjectName("CycleL1");
  barre->addWidget(CycleL1);
  ProgressBar1 = new QProgressBar(InfoP1);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setFixedWidth(160);
  ProgressBar1->setTextVisible(false);
  barre->addWidget(ProgressBar1);
  barre->addStretch(1);
  Label1 = new QLabel("Plan Image", InfoP1);
  Label1->setObjectName("Label1");
  Label1->setMinimumWidth(220);
  Label1->setAutoFillBackground(true);
  QPalette couleurs = Label1->palette();
  couleurs.setColor(QPalette::Window, couleurs.color(QPalette::Active, QPalette::Highlight));
  couleurs.setColor(QPalette::WindowText, Qt::white);
  Label1->setPalette(couleurs);
  barre->addWidget(Label1);

  HorzScrollBar = new QScrollBar(Qt::Horizontal, Client);
  HorzScrollBar->setObjectName("HorzScrollBar");
  HorzScrollBar->hide();
  connect(HorzScrollBar, &QScrollBar::valueChanged, this, &TMain1::HorzScrollBarScroll);
  VertScrollBar = new QScrollBar(Qt::Vertical, Client);
  VertScrollBar->setObjectName("VertScrollBar");
  VertScrollBar->hide();
  connect(VertScrollBar, &QScrollBar::valueChanged, this, &TMain1::VertScrollBarScroll);

  Montre_progression();
}

void TMain1::Connecte(QObject* source, Gestionnaire g, bool de_vue) {
  auto executer = [this, g, de_vue] {
    if (de_vue)
      (this->*g)();
    else
      Commande([this, g] { (this->*g)(); });
  };
  if (auto* action = qobject_cast<QAction*>(source))
    connect(action, &QAction::triggered, this, executer);
  else if (auto* bouton = qobject_cast<QAbstractButton*>(source))
    connect(bouton, &QAbstractButton::clicked, this, executer);
}

QAction* TMain1::Ajoute(QMenu* menu, const char* libelle, Gestionnaire g, bool de_vue) {
  QAction* action = menu->addAction(QString::fromUtf8(libelle));
  if (g) Connecte(action, g, de_vue);
  Entrees.push_back({action, g != nullptr});
  return action;
}

void TMain1::Cree_menus() {
  QMenuBar* barre = menuBar();
  QMenu* fichier = barre->addMenu("&Fichier");
  Ajoute(fichier, "&Ouvrir...", &TMain1::Ouvrir1Click);
  Ajoute(fichier, "&Fermer", &TMain1::Fermer1Click);
  Ajoute(fichier, "&Enregistrer P2", &TMain1::EnregistrerClick);
#ifdef VRIX_RDKIT
  Ajoute(fichier, "Exporter la &molécule...", &TMain1::ExporterMoleculeClick);
#endif
  Ajoute(fichier, "&Informations", &TMain1::Informations1Click);
  fichier->addSeparator();
  Ajoute(fichier, "&Quitter", &TMain1::Quitter1Click);

  QMenu* image = barre->addMenu("Plan &Image");
  Ajoute(image, "Zoom &In", &TMain1::ZoomInClick, true);
  Ajoute(image, "Zoom &Out", &TMain1::ZoomOutClick, true);
  Ajoute(image, "R&az Plan 2", &TMain1::RazP21Click);
  Ajoute(image, "&Copier P2 -> P1", &TMain1::CopierdansP21Click);

  QMenu* pretraitements = barre->addMenu(QString::fromUtf8("Pré-T&raitements"));
  Ajoute(pretraitements, "&Axe Médian", &TMain1::AxeMdian1Click);
  Ajoute(pretraitements, "&Restauration", &TMain1::Restauration1Click);

  QMenu* primitives = barre->addMenu("&Primitives");
  Ajoute(primitives, "&Vecteurs", &TMain1::Vecteurs2Click);
  Ajoute(primitives, "&Quadrilatères", &TMain1::Quadrilatres2Click);
  Ajoute(primitives, "&Comp. Connexes", &TMain1::CompConnexes2Click);
  Ajoute(primitives, "&Squelette", &TMain1::Squelette1Click);
  Ajoute(primitives, "Comp.Texte", &TMain1::CompTexte1Click);
  Ajoute(primitives, "Graphe", &TMain1::Graphe1Click);
  Ajoute(primitives, "Graphe sélectif", &TMain1::Grapheslectif1Click);
  Ajoute(primitives, "Quad. séléctifs", &TMain1::Quadslctifs1Click);

  QMenu* resultats = barre->addMenu(QString::fromUtf8("&Résultats"));
  Ajoute(resultats, "&Textes (zones)", &TMain1::Textes1Click);
  Ajoute(resultats, "&Courbes", &TMain1::Courbes2Click);
  Ajoute(resultats, "&Symboles", &TMain1::Chaine1Click);
  Ajoute(resultats, "Texte &Reconnu", &TMain1::TexteReconnuClick);
  Ajoute(resultats, "S&auvegarder symboles", &TMain1::SauvegarderClick)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  Ajoute(resultats, "Sauvegader vectorisation", &TMain1::Sauvegadervectorisation1Click);

  QMenu* parametres = barre->addMenu(QString::fromUtf8("&Paramètres"));
  Ajoute(parametres, "&Afficher", &TMain1::Rien);
  Ajoute(parametres, "&Modifier", &TMain1::Rien);

  QMenu* texte = barre->addMenu("&Texte");
  Ajoute(texte, "&Reconnaître", &TMain1::ReconnaitreClick);
  QMenu* anciennes = texte->addMenu(QString::fromUtf8("&Anciennes Méthodes"));
  Ajoute(anciennes, "&Reconnaître", &TMain1::OldReconnaitreClick);
  Ajoute(anciennes, "&Ajouter aux modèles", &TMain1::AjouterauxmodelsClick);
  Ajoute(anciennes, "Re-&Créer les Modèles", &TMain1::ReCreerlesModelsClick);
  QMenu* etapes = texte->addMenu("&Etape Par Etape");
  Ajoute(etapes, "&Reconnaîssance Pure", &TMain1::ReconnaissancePureClick);
  Ajoute(etapes, "&Découpe Zone Doubles", &TMain1::DecoupeZoneDoublesClick);
  Ajoute(etapes, "Réduction du D&oute", &TMain1::ReductionduDouteClick);
  Ajoute(etapes, "Regroupement par &Zone", &TMain1::RegroupementparZoneClick);
  Ajoute(etapes, "Détection des &Chiffres", &TMain1::DetectiondesChiffresClick);
  Ajoute(etapes, "&Analyse", &TMain1::AnalyseClick);
  Ajoute(etapes, "&Prépare Fichier De Sortie", &TMain1::PerpareFichierDeSortieClick);
  QMenu* modeles = texte->addMenu(QString::fromUtf8("&Modèles"));
  Ajoute(modeles, "&Bibliothèque...", &TMain1::BibliothequeClick);
  Ajoute(modeles, "&Fusionner", &TMain1::FusionnerClick);
  Ajoute(modeles, "&Changer Utilisation", &TMain1::ChangerUtilisationClick);
  Ajoute(modeles, "&Oublier", &TMain1::OublierClick);
  QMenu* symboles = texte->addMenu("&Symboles");
  Ajoute(symboles, "&Editer la liste ...", &TMain1::EditerlalisteClick);

  QMenu* aide = barre->addMenu("Aide");
  Ajoute(aide, "Vrix Version 1", &TMain1::VrixVersion11Click);
  Ajoute(aide, "Aide", &TMain1::Aide2Click);
}

// The one place that decides which commands can be chosen: those whose stage
// exists. While a stage runs the others stay chosen-able but are refused.
void TMain1::updateActions() {
  for (const Entree& e : Entrees) {
    if (auto* action = qobject_cast<QAction*>(e.Objet))
      action->setEnabled(e.Construite);
    else if (auto* bouton = qobject_cast<QAbstractButton*>(e.Objet))
      bouton->setEnabled(e.Construite);
  }
}

void TMain1::Commande(const std::function<void()>& action) {
  // A command started inside a waiting stage would release what it walks.
  if (NbCommandes > 0) {
    Bip_Message();
    return;
  }
  ++NbCommandes;
  try {
    action();
  } catch (const std::exception& e) {
    Erreur_Box(e.what());
  }
  --NbCommandes;
  Plan_Ecran();
}

bool TMain1::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == Client && evenement->type() == QEvent::Resize) {
    Dispose_client();
  } else if (objet == EditMain1) {
    if (evenement->type() == QEvent::KeyPress) {
      const auto* touche = static_cast<QKeyEvent*>(evenement);
      if (touche->key() == Qt::Key_Tab || touche->key() == Qt::Key_Backtab) return false;
      const QString texte = touche->text();
      if (texte.size() == 1 && texte[0].unicode() < 128 &&
          Console::EditMain1KeyPress(static_cast<char>(texte[0].unicode())))
        EditMain1->setText(texte);
      return true;  // every key is swallowed
    }
    if (evenement->type() == QEvent::InputMethod) return true;
    // No paste by the middle button either.
    if (evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::MiddleButton)
      return true;
  }
  return QMainWindow::eventFilter(objet, evenement);
}

void TMain1::closeEvent(QCloseEvent* evenement) {
  // The stage on the stack would resume on a destroyed window.
  if (NbCommandes > 0 && !Quitte) {
    Bip_Message();
    evenement->ignore();
    return;
  }
  evenement->accept();
}

void TMain1::Dispose_client() {
  const int W = Client->width();
  const int H = Client->height();
  VueP.LargeurClient = W;
  VueP.HauteurClient = H;
  ImageW1->setGeometry(0, 0, std::max(0, W - LARGEUR_BOUTONS), std::max(0, H - HAUTEUR_INFO));
  BoutonsP1->setGeometry(W - LARGEUR_BOUTONS, 0, LARGEUR_BOUTONS, std::max(0, H - HAUTEUR_INFO));
  InfoP1->setGeometry(0, H - HAUTEUR_INFO, W, HAUTEUR_INFO);
  FormPaint();
}

void TMain1::Montre_barres() {
  auto montre = [](QScrollBar* s, const ::Barre& b) {
    const QSignalBlocker bloque(s);
    if (!b.Visible) {
      s->hide();
      return;
    }
    s->setGeometry(b.Gauche, b.Haut, b.Largeur, b.Hauteur);
    s->setRange(0, b.Maximum);
    s->setPageStep(std::max(1, b.GrandPas));
    s->setValue(b.Position);
    s->show();
    s->raise();
  };
  montre(HorzScrollBar, VueP.Horz);
  montre(VertScrollBar, VueP.Vert);
}

void TMain1::Montre_stop() {
  StopP1->setText(EtatPause == 1 ? "GO !" : "Stop");
  StopP1->Enfonce(EtatPause == 1);
}

void TMain1::Montre_progression() {
  ProgressBar1->setRange(Barre.Min, Barre.Max);
  ProgressBar1->setValue(Barre.Position);
  ProgressBar1->setVisible(Barre.Visible);
}

void TMain1::FormPaint() {
  if (::FormPaint(Doc, VueP)) Montre_barres();
  Plan_Ecran();
}

void TMain1::Plan_Ecran() { ImageW1->update(); }

// Operator console.

void TMain1::Log_Efface() {
  LogTexte.clear();
  TextL3->clear();
}

void TMain1::Log_Texte(int flag, std::string_view texte) {
  if (flag != 0) LogTexte += '\n';
  LogTexte += texte;
  TextL3->setText(Texte(LogTexte));
}

void TMain1::Erreur_Box(std::string_view texte) {
  QMessageBox boite(QMessageBox::NoIcon, "Erreur", Texte(texte), QMessageBox::Ok, this);
  boite.exec();
}

void TMain1::Info_Box(std::string_view texte) {
  QMessageBox boite(QMessageBox::NoIcon, "Info...", Texte(texte), QMessageBox::Ok, this);
  boite.exec();
}

void TMain1::Saisie(std::string& tampon, std::string_view invite) {
  if (SaisieF1) SaisieF1->Demande(tampon, invite);
}

void TMain1::Bip() { Haut_parleur.Joue(500, 40); }

void TMain1::Bip_Editeur() { Haut_parleur.Joue(440, 50); }

void TMain1::Bip_Message() {
  ++NbBipsMessage;
  QApplication::beep();
}

int TMain1::Pause() {
  EtatPause = 1;
  Montre_stop();
  while (EtatPause == 1) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  return 1;
}

void TMain1::Progression_Init(int32_t min, int32_t max) {
  Barre.Init(min, max);
  Montre_progression();
}

void TMain1::Progression_Pas() {
  Barre.Pas();
  Montre_progression();
}

void TMain1::Montre_Plan2(int32_t x, int32_t y) {
  ::Montre_Plan2(Doc, VueP, x, y);
  Montre_barres();
  ImageW1->repaint();
}

void TMain1::Repeint() { ImageW1->repaint(); }

void TMain1::Traite_messages() { QCoreApplication::processEvents(); }

// Commands.

void TMain1::Ouvrir1Click() {
  const QString chemin = QFileDialog::getOpenFileName(this, QString(), QString(), "Images BMP (*.bmp)");
  if (!chemin.isEmpty()) Open(chemin);
}

void TMain1::Open(const QString& chemin) {
  if (Doc.Ouvert()) Fermer1Click();
  Label1->setText("Plan 1");
  Ouvre_vue(VueP);
  if (Ouvre_document(Ctx, Doc, chemin.toStdString()))
    setWindowTitle("Vrix : " + QString::fromStdString(Nom_sans_repertoire(Doc.NomFichier)));
  FormPaint();
}

void TMain1::Fermer1Click() {
  const bool ouvert = Doc.Ouvert();
  Ferme_document(Ctx, Doc);
  if (ouvert) {
    Ferme_vue(VueP, Doc);
    Montre_barres();
    CycleL1->setText("Cycle : 1");
  }
  Plan_Ecran();
}

void TMain1::EnregistrerClick() {
  const QString chemin = QFileDialog::getSaveFileName(this, QString(), "plan2", "Images BMP (*.bmp)");
  if (Doc.Ouvert() && !chemin.isEmpty()) {
    Sauve_Plan2(*this, Doc, chemin.toStdString());
    Bip_Message();
  }
}

void TMain1::Informations1Click() { Informations(Ctx, Doc); }

void TMain1::Quitter1Click() {
  Libere_police_finale(Ctx);
  Quitte = true;
  close();
}

void TMain1::ZoomInClick() {
  if (Zoom_in(*this, Doc, VueP)) Plan_Ecran();
}

void TMain1::ZoomOutClick() {
  if (Zoom_out(Doc, VueP)) Plan_Ecran();
}

void TMain1::RazP21Click() {
  if (Doc.Ouvert()) Raz_Plan2(Doc);
}

void TMain1::CopierdansP21Click() { Copie_P2_P1(*this, Doc); }

void TMain1::AxeMdian1Click() {
  if (!Doc.Ouvert()) return;
  Axe_median(*this, Doc);
  Bip_Message();
}

void TMain1::Restauration1Click() {
  if (!Doc.Ouvert()) return;
  Restauration(*this, Doc);
  Bip_Message();
}

void TMain1::Vecteurs2Click() {
  if (Doc.Ouvert()) Dessin_vecteurs(*this, Doc, Doc.Vecteurs);
}

void TMain1::Quadrilatres2Click() {
  if (Doc.Ouvert()) Dessin_quads(*this, Doc, Doc.Quadrilateres);
}

void TMain1::CompConnexes2Click() {
  if (Doc.Ouvert()) Dessin_CC(*this, Doc, Doc.CompConnexes);
}

void TMain1::Squelette1Click() {
  if (Doc.Ouvert()) Dessin_squelette(*this, Doc, Doc.Quadrilateres);
}

void TMain1::Quadslctifs1Click() {
  if (Doc.Ouvert()) Dessin_quads_type(*this, Doc, Doc.Quadrilateres);
}

void TMain1::Courbes2Click() {}

void TMain1::Rien() {}

void TMain1::Sauvegadervectorisation1Click() {
  if (!Doc.Ouvert()) return;
  const QString chemin =
      QFileDialog::getSaveFileName(this, QString(), QString(), QString::fromUtf8("résultats (*.vrx)"));
  if (chemin.isEmpty()) return;
  Sauve_vectorisation(*this, chemin.toStdString(), Doc);
  Bip_Message();
}

void TMain1::VrixVersion11Click() {
  QMessageBox boite(QMessageBox::NoIcon, "VRIX Version 1.0 (1998)",
                    QString::fromUtf8("Vrix : vectorisation et reconnaissance de formules chimiques "
                                      "dessinées, à partir d'images BMP noir et blanc."),
                    QMessageBox::Ok, this);
  boite.exec();
}

void TMain1::Aide2Click() { Info_Box("Pas d'aide en ligne pour l'instant ! Consulter les fichiers PDF"); }

void TMain1::vectorisation1Click() { Chaine_representation(Ctx, Doc); }

void TMain1::Texte1Click() { Chaine_zones_texte(Ctx, Doc); }

void TMain1::PolygonesB1Click() { Chaine_polygones(Ctx, Doc); }

void TMain1::ChainesB1Click() { Chaine_chaines(Ctx, Doc); }

void TMain1::CyclesB1Click() {
  if (!Chaine_totale(Ctx, Doc)) return;
#ifdef VRIX_RDKIT
  const Molecule_lue m = Lit_molecule(Doc, Nom_sans_repertoire(Doc.NomFichier));
  MolfileTotale = m.Molfile;
  char confiance[16];
  std::snprintf(confiance, sizeof confiance, "%.2f", m.Confiance);
  Log_Texte(1, "SMILES : " + m.Smiles + " (confiance " + confiance + ")");
  if (!m.Probleme.empty()) Log_Texte(1, "Molécule : " + m.Probleme);
#endif
  Plan2_1Click();
}

#ifdef VRIX_RDKIT
void TMain1::ExporterMoleculeClick() {
  // The Molfile of the last "Totale" on the open document.
  if (!Doc.Ouvert() || !Doc.TotaleFaite || MolfileTotale.empty()) {
    Info_Box("Pas de molécule : lancer d'abord Totale");
    return;
  }
  const QString chemin = QFileDialog::getSaveFileName(this, QString(), "molecule.mol", "Molfile (*.mol)");
  if (chemin.isEmpty()) return;
  if (!Ecrit_molfile(chemin.toStdString())) Erreur_Box("Ecriture impossible : " + chemin.toStdString());
  Bip_Message();
}

bool TMain1::Ecrit_molfile(const std::string& chemin) const {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  if (f) f.write(MolfileTotale.data(), static_cast<std::streamsize>(MolfileTotale.size()));
  return f && f.flush();
}
#endif

void TMain1::OldReconnaitreClick() {
  if (Doc.Ouvert()) Ancienne_reconnaissance(Ctx, Doc);
}

void TMain1::AjouterauxmodelsClick() {
  if (Doc.Ouvert()) Ajoute_modeles(Ctx, Doc);
}

void TMain1::ReCreerlesModelsClick() {
  if (Doc.Ouvert()) Recree_modeles(Ctx, Doc);
}

void TMain1::BibliothequeClick() { Ouvre_editeur_masques(this, Ctx); }

void TMain1::EditerlalisteClick() { Ouvre_editeur_symboles(this, Ctx); }

void TMain1::FusionnerClick() {
  ListeModeles liste;
  Fusionne_modeles(Ctx, liste, 0);
}

void TMain1::ChangerUtilisationClick() {
  std::string traitements;
  Saisie(traitements, "nouveau Nombre de traitement effectue");
  std::string utilisation = traitements;
  Saisie(utilisation, "nouvelle valeur d'utilisation des models");
  const int32_t ancien = Change_utilisation(Ctx, Entier_decimal(utilisation), Entier_decimal(traitements));
  Log_Texte(1, "ancien nombre de reconnaissance");
  Log_Texte(1, "effectuee: " + std::to_string(ancien));
}

void TMain1::OublierClick() { Oublie_modeles(Ctx); }

void TMain1::RedrawClick() { Chaine_redessine(Ctx, Doc); }

void TMain1::LiaisonsB1Click() { Chaine_liaisons(Ctx, Doc); }

void TMain1::Graphe1Click() {
  if (!Doc.Ouvert()) return;
  Dessin_arcs(*this, Doc, Doc.ListeArcs);
  Bip_Message();
}

void TMain1::Grapheslectif1Click() {
  if (!Doc.Ouvert()) return;
  Dessin_arcs_type(*this, Doc, Doc.ListeArcs);
  Bip_Message();
}

void TMain1::Chaine1Click() {
  if (Doc.Ouvert()) Dessin_symboles(Ctx, Doc, Doc.ListeSymboles);
}

void TMain1::SauvegarderClick() {
  if (!Doc.Ouvert()) return;
  const QString chemin =
      QFileDialog::getSaveFileName(this, QString(), QString(), QString::fromUtf8("résultats (*.vrx)"));
  if (chemin.isEmpty()) return;
  Sauve_resultats_symboles(*this, chemin.toStdString(), Doc);
  Bip_Message();
}

void TMain1::CompTexte1Click() {
  if (!Doc.Ouvert()) return;
  Dessin_CC(*this, Doc, Doc.ZonesTexte);
  Dessin_quads(*this, Doc, Doc.QuadsTexte);
  Bip_Message();
}

void TMain1::Textes1Click() {
  if (Doc.Ouvert()) Dessin_caracteres(*this, Doc, Doc.ZonesTexte);
}

void TMain1::TexteReconnuClick() {
  if (Doc.Ouvert()) Dessine_texte(Ctx, Doc, Doc.ZonesTexte, false);
}

void TMain1::ReconnaitreClick() { Chaine_reconnaissance(Ctx, Doc, Etape_texte::Complete); }
void TMain1::ReconnaissancePureClick() { Chaine_reconnaissance(Ctx, Doc, Etape_texte::Pure); }
void TMain1::DecoupeZoneDoublesClick() { Chaine_reconnaissance(Ctx, Doc, Etape_texte::Decoupe); }
void TMain1::ReductionduDouteClick() { Chaine_reconnaissance(Ctx, Doc, Etape_texte::Reduction); }
void TMain1::RegroupementparZoneClick() { Chaine_reconnaissance(Ctx, Doc, Etape_texte::Regroupement); }
void TMain1::DetectiondesChiffresClick() { Chaine_reconnaissance(Ctx, Doc, Etape_texte::Chiffres); }
void TMain1::AnalyseClick() { Chaine_reconnaissance(Ctx, Doc, Etape_texte::Analyse); }
void TMain1::PerpareFichierDeSortieClick() { Chaine_reconnaissance(Ctx, Doc, Etape_texte::Complete); }

// View controls: live even while a stage runs.

void TMain1::Plan2_1Click() {
  const std::string libelle = ::Plan2_1(Doc, VueP);
  if (libelle.empty()) return;
  Label1->setText(Texte(libelle));
  FormPaint();
}

void TMain1::StopP1Click() {
  Console::StopP1Click();
  Montre_stop();
}

void TMain1::HorzScrollBarScroll(int position) {
  VueP.Horz.Position = position;
  // Drawn at the raw positions of both bars.
  VueP.OrigineX = VueP.Horz.Position;
  VueP.OrigineY = VueP.Vert.Position;
  Plan_Ecran();
}

void TMain1::VertScrollBarScroll(int position) {
  VueP.Vert.Position = position;
  VueP.OrigineX = VueP.Horz.Position;
  VueP.OrigineY = VueP.Vert.Position;
  Plan_Ecran();
}

void TMain1::ImageW1MouseMove(int X, int Y) {
  const std::string lecture = Lecture_souris(Doc, VueP, X, Y);
  if (!lecture.empty()) Label1->setText(Texte(lecture));
}

void TMain1::ImageW1MouseUp(int X, int Y) {
  Commande([this, X, Y] {
    if (Point_encre(Doc, VueP, X, Y)) FormPaint();
  });
}

// The zones under the point last reported by the mouse.
void TMain1::ImageW1Click() {
  Commande([this] {
    if (Doc.Ouvert()) Info_zone(Ctx, Doc, VueP.PointSourisX, VueP.PointSourisY);
  });
}
