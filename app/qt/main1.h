// The main window: the plane view, the stage buttons, the log, the status bar
// and the menus. It is also the operator console the stages talk to.
#pragma once

#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

#include "app/qt/son.h"
#include "console/console.h"
#include "console/contexte.h"
#include "image/document.h"
#include "image/vue.h"

class QAction;
class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QScrollBar;
class QToolButton;
class QFrame;
class PanneauBouton;
class TSaisieF1;
class VueImage;

class TMain1 : public QMainWindow, public Console {
  Q_OBJECT

 public:
  explicit TMain1(QWidget* parent = nullptr);
  ~TMain1() override;

  // The value dialog, created after the main window.
  void Attache_saisie(TSaisieF1* saisie) { SaisieF1 = saisie; }

  // Operator console.
  void Log_Efface() override;
  void Log_Texte(int flag, std::string_view texte) override;
  void Erreur_Box(std::string_view texte) override;
  void Info_Box(std::string_view texte) override;
  void Saisie(std::string& tampon, std::string_view invite) override;
  void Bip() override;
  void Bip_Message() override;
  void Bip_Editeur() override;
  int Pause() override;
  void Progression_Init(int32_t min, int32_t max) override;
  void Progression_Pas() override;
  void Montre_Plan2(int32_t x, int32_t y) override;
  void Repeint() override;
  void Traite_messages() override;

  // Opens the image as "&Ouvrir..." does once its dialog is confirmed.
  void Open(const QString& chemin);

  // Runs a command, unless one is already running (a stage waiting for
  // "GO !" or pumping messages): then only the message beep sounds.
  void Commande(const std::function<void()>& action);
  bool Etape_en_cours() const { return NbCommandes > 0; }

 private:
  // Which data directory is used, when not the start one; made before Ctx.
  std::string ExplicationDonnees;

 public:
  Contexte Ctx;
  Document Doc;
  Vue VueP;
  int NbBipsMessage = 0;  // message beeps sounded, for whoever checks them
#ifdef VRIX_RDKIT
  std::string MolfileTotale;  // the molecule of the last "Totale"
  // Writes it; false when the file cannot be written.
  bool Ecrit_molfile(const std::string& chemin) const;
#endif

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;
  void closeEvent(QCloseEvent* evenement) override;

 private:
  friend class VueImage;
  using Gestionnaire = void (TMain1::*)();

  void Cree_controles();
  void Cree_menus();
  QAction* Ajoute(QMenu* menu, const char* libelle, Gestionnaire g, bool de_vue = false);
  QAbstractButton* Ajoute_bouton(const char* libelle, const char* nom, int hauteur, Gestionnaire g);
  void Connecte(QObject* source, Gestionnaire g, bool de_vue);
  void updateActions();
  void Dispose_client();
  void Montre_barres();
  void Montre_stop();
  void Montre_progression();
  void FormPaint();
  void Plan_Ecran();

  // Handlers of the menus, buttons and controls.
  void Ouvrir1Click();
  void Fermer1Click();
  void EnregistrerClick();
#ifdef VRIX_RDKIT
  void ExporterMoleculeClick();
#endif
  void Informations1Click();
  void Quitter1Click();
  void ZoomInClick();
  void ZoomOutClick();
  void RazP21Click();
  void CopierdansP21Click();
  void AxeMdian1Click();
  void Restauration1Click();
  void Vecteurs2Click();
  void Quadrilatres2Click();
  void CompConnexes2Click();
  void Squelette1Click();
  void Quadslctifs1Click();
  void Courbes2Click();
  void Sauvegadervectorisation1Click();
  void Rien();
  void VrixVersion11Click();
  void Aide2Click();
  void vectorisation1Click();
  void Texte1Click();
  void PolygonesB1Click();
  void ChainesB1Click();
  void CyclesB1Click();
  void OldReconnaitreClick();
  void AjouterauxmodelsClick();
  void ReCreerlesModelsClick();
  void BibliothequeClick();
  void EditerlalisteClick();
  void FusionnerClick();
  void ChangerUtilisationClick();
  void OublierClick();
  void RedrawClick();
  void LiaisonsB1Click();
  void Graphe1Click();
  void Grapheslectif1Click();
  void Chaine1Click();
  void SauvegarderClick();
  void CompTexte1Click();
  void Textes1Click();
  void TexteReconnuClick();
  void ReconnaitreClick();
  void ReconnaissancePureClick();
  void DecoupeZoneDoublesClick();
  void ReductionduDouteClick();
  void RegroupementparZoneClick();
  void DetectiondesChiffresClick();
  void AnalyseClick();
  void PerpareFichierDeSortieClick();
  void Plan2_1Click();
  void StopP1Click();
  void HorzScrollBarScroll(int position);
  void VertScrollBarScroll(int position);
  void ImageW1MouseMove(int X, int Y);
  void ImageW1MouseUp(int X, int Y);
  void ImageW1Click();

  struct Entree {
    QObject* Objet;  // an action or a button
    bool Construite;  // false until the stage it runs exists
  };
  std::vector<Entree> Entrees;

  TSaisieF1* SaisieF1 = nullptr;
  Son Haut_parleur;
  std::string LogTexte;
  int NbCommandes = 0;  // commands on the stack
  bool Quitte = false;  // "&Quitter" is closing the window

  QWidget* Client = nullptr;
  VueImage* ImageW1 = nullptr;
  QFrame* BoutonsP1 = nullptr;
  QGroupBox* GroupBoxBtns = nullptr;
  QLabel* TextL3 = nullptr;
  QGroupBox* GroupBoxPlans = nullptr;
  PanneauBouton* StopP1 = nullptr;
  QToolButton* Plan2_1 = nullptr;
  QFrame* InfoP1 = nullptr;
  QLabel* DebugL2 = nullptr;
  QLineEdit* EditMain1 = nullptr;
  QLabel* CycleL1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QLabel* Label1 = nullptr;
  QScrollBar* HorzScrollBar = nullptr;
  QScrollBar* VertScrollBar = nullptr;
};
