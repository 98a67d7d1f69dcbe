// Tones on the default audio output; silent where there is none (or where
// the program was built without Qt Multimedia).
#pragma once

#include <memory>

class Son {
 public:
  Son();
  ~Son();
  Son(const Son&) = delete;
  Son& operator=(const Son&) = delete;

  // A sine tone of the given frequency (Hz) and duration (ms), played
  // without waiting for its end; a new tone cuts the one still playing.
  void Joue(int frequence, int duree);

 private:
  struct Sortie;
  std::unique_ptr<Sortie> Courante;
};
