#include "console/console_texte.h"

#include <ostream>

void ConsoleTexte::Log_Efface() {
  // The copy keeps every line: a cleared log starts on a new one.
  if (CopieLog && !Log.empty()) *CopieLog << '\n';
  Log.clear();
}

void ConsoleTexte::Log_Texte(int flag, std::string_view texte) {
  if (flag != 0) Log += '\n';
  Log += texte;
  if (CopieLog) {
    if (flag != 0) *CopieLog << '\n';
    *CopieLog << texte << std::flush;
  }
}

void ConsoleTexte::Erreur_Box(std::string_view texte) {
  Boites.push_back({"Erreur", std::string(texte)});
  if (CopieBoites) *CopieBoites << "Erreur: " << texte << std::endl;
}

void ConsoleTexte::Info_Box(std::string_view texte) {
  Boites.push_back({"Info...", std::string(texte)});
  if (CopieBoites) *CopieBoites << "Info...: " << texte << std::endl;
}

void ConsoleTexte::Saisie(std::string& tampon, std::string_view invite) {
  Libelles.push_back(Libelle_saisie(invite));
  if (Reponses.empty()) return;
  Reponse r = std::move(Reponses.front());
  Reponses.pop_front();
  if (r.Ok) tampon = std::move(r.Texte);
}

int ConsoleTexte::Pause() {
  ++NbPauses;
  EtatPause = 1;
  // Nobody to wait for: the pause is released at once, as a click on "GO !" would.
  EtatPause = 0;
  return 1;
}
