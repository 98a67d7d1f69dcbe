#include "image/plan.h"

Plan Plan::Copie() const {
  Plan p;
  p.Fichier = Fichier;
  p.Info = Info;
  p.Entete = Entete;
  p.Pixels = Pixels;
  p.NbOctetsLigne = NbOctetsLigne;
  p.NbLignes = NbLignes;
  return p;
}
