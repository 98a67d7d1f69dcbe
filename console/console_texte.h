// A console without a window: the log is kept as the main window shows it,
// every box is recorded, Saisie takes its answers from a queue (or keeps its
// default), and Pause returns at once.
#pragma once

#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

#include "console/console.h"

struct Boite {
  std::string Titre;
  std::string Texte;
  bool operator==(const Boite&) const = default;
};

struct Reponse {
  bool Ok = false;  // "OK" with Texte, else "Défaut"
  std::string Texte;
};

class ConsoleTexte : public Console {
 public:
  void Log_Efface() override;
  void Log_Texte(int flag, std::string_view texte) override;
  void Erreur_Box(std::string_view texte) override;
  void Info_Box(std::string_view texte) override;
  void Saisie(std::string& tampon, std::string_view invite) override;
  void Bip() override { ++NbBips; }
  void Bip_Message() override { ++NbBipsMessage; }
  void Bip_Editeur() override { ++NbBipsEditeur; }
  int Pause() override;
  void Progression_Init(int32_t min, int32_t max) override { Barre.Init(min, max); }
  void Progression_Pas() override { Barre.Pas(); }
  void Montre_Plan2(int32_t x, int32_t y) override { Vues.push_back({x, y}); }
  void Traite_messages() override { ++NbPompes; }

  std::string Log;
  std::vector<Boite> Boites;
  std::deque<Reponse> Reponses;       // scripted answers, taken in order
  std::vector<std::string> Libelles;  // label of every Saisie asked
  struct Point {
    int32_t x, y;
    bool operator==(const Point&) const = default;
  };
  std::vector<Point> Vues;  // every Montre_Plan2
  int NbBips = 0, NbBipsMessage = 0, NbBipsEditeur = 0, NbPauses = 0, NbPompes = 0;

  // When set, the log is copied there as it is written, and the boxes as
  // "Erreur: TEXT" / "Info...: TEXT" lines.
  std::ostream* CopieLog = nullptr;
  std::ostream* CopieBoites = nullptr;
};
