// The operator console: the only way the stages talk to the operator.
// The main window implements it with widgets; ConsoleTexte keeps everything
// in memory for the batch program and the tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// State of the progress bar, shared by every console.
struct Progression {
  int32_t Min = 0;
  int32_t Max = 100;
  int32_t Position = 0;
  bool Visible = false;

  void Init(int32_t min, int32_t max) {
    Min = min;
    Max = max;
    Position = 0;
    Visible = true;
  }
  // One step; the bar hides itself once it reaches its maximum.
  void Pas() {
    if (Position < Max) ++Position;
    if (Position >= Max) {
      Position = 0;
      Visible = false;
    }
  }
};

class Console {
 public:
  virtual ~Console() = default;

  virtual void Log_Efface() = 0;
  // Appends "\n" first when flag is not 0, then the text.
  virtual void Log_Texte(int flag, std::string_view texte) = 0;
  // Appends " %d " (a line break first when flag is not 0).
  void Log_Nombre(int flag, int32_t nombre);

  // Modal boxes: "Erreur" for failures, "Info..." for notices.
  virtual void Erreur_Box(std::string_view texte) = 0;
  virtual void Info_Box(std::string_view texte) = 0;

  // Asks for a value; the buffer holds the proposed default and receives the
  // answer when the operator confirms with "OK".
  virtual void Saisie(std::string& tampon, std::string_view invite) = 0;

  virtual void Bip() = 0;          // 500 Hz, 40 ms
  virtual void Bip_Message() = 0;  // the platform's message beep
  virtual void Bip_Editeur() = 0;  // 440 Hz, 50 ms
  // Waits for "GO !" while pumping the messages; returns 1.
  virtual int Pause() = 0;
  int Bip_Pause() {
    Bip();
    return Pause();
  }

  virtual void Progression_Init(int32_t min, int32_t max) = 0;
  virtual void Progression_Pas() = 0;

  // Shows Plan 2 with (x, y) at the top-left of the view.
  virtual void Montre_Plan2(int32_t x, int32_t y) = 0;
  // Lets the interface handle its pending events during a long loop.
  virtual void Traite_messages() = 0;
  // Repaints the image control so that the plane shown holds what was just drawn.
  virtual void Repeint() {}

  // "Stop" / "GO !": toggles the pause flag.
  void StopP1Click() { EtatPause = EtatPause == 1 ? 0 : 1; }
  // Key typed in the step-mode field: only "1" and "0" change anything.
  // Returns true when the field must now show that key.
  bool EditMain1KeyPress(char touche);

  int32_t ModeDebug = 0;  // step-by-step mode
  int32_t EtatPause = 0;  // 1 while a pause waits for "GO !"
  Progression Barre;
};

// The label of the value dialog: "- " then the prompt, 99 characters at most.
std::string Libelle_saisie(std::string_view invite);
