// The stage commands of vrix-batch, named after the window's buttons, and
// the list given with -c.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Contexte;
struct Document;

struct Commande_batch {
  const char* Nom;
  void (*Lance)(Contexte& ctx, Document& doc);
  bool Analyse;  // past the vectorisation: the symbols file is written
};

// Every command that exists, in the order of the buttons.
const std::vector<Commande_batch>& Commandes_batch();

// "representation, zones, ...": the names of the existing commands.
std::string Noms_commandes();

// The commands of a comma-separated list, in its order. False, with the
// first unknown name in inconnu, when a name is not a command (an empty
// name included).
bool Lit_commandes(std::string_view liste, std::vector<const Commande_batch*>& commandes, std::string& inconnu);
