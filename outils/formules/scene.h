// A formula drawing as data: atoms at positions in pixels (y downwards), the
// bonds between them, the rings and chains they form, the labels, the stroke
// thickness and the degradations of a scan. Nothing here paints.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Point_f {
  double x = 0, y = 0;
};

// Label fonts: the font files of the machine, by index; the last three are bold.
enum class Police : uint8_t {
  Sans, Sans2, Serif, NimbusSans, NimbusSerif, FreeSans, SansGras, Sans2Gras, NimbusSerifGras
};
constexpr int NB_POLICES = 9;

struct Atome {
  Point_f P;
  std::string Etiquette;  // empty for a bare corner; digits are set as subscripts
  int Ancre = 0;          // index of the character centred on P
  Police Fonte = Police::Sans;
  double Hauteur = 32;  // height of the capitals, pixels
};

struct Liaison {
  int A = 0, B = 0;      // atom indices
  int Multiplicite = 1;  // 1, 2 or 3 strokes
  int Cycle = -1;        // double bond of a ring: its second stroke is inside this ring, shorter
};

struct Cycle {
  std::vector<int> Sommets;  // atom indices, in order around the ring
  bool Cercle = false;       // an inner circle (aromatic ring)
};

// A zigzag chain: atoms in order, consecutive ones bonded.
struct Chaine {
  std::vector<int> Atomes;
};

// What makes a drawing look scanned; every draw comes from the seed.
struct Degradation {
  double Rotation = 0;     // degrees, about the centre of the image, counterclockwise
  double Variation = 0;    // each stroke's thickness moves by at most this many pixels
  double Bruit = 0;        // probability that a pixel is flipped
  uint32_t Graine = 1;
};

struct Scene {
  std::string Nom;
  int Largeur = 800, Hauteur = 600;  // pixels
  double Epaisseur = 4;              // nominal stroke thickness, pixels
  double Ecart = 0;                  // distance between the strokes of a multiple bond; 0: from the bond length
  std::vector<Atome> Atomes;
  std::vector<Liaison> Liaisons;
  std::vector<Cycle> Cycles;
  std::vector<Chaine> Chaines;
  Degradation Degrade;
};

// The atom at this position (within half a pixel), added when there is none.
int Ajoute_atome(Scene& s, Point_f p);

// The bond between a and b, added when there is none; a larger multiplicity wins.
int Ajoute_liaison(Scene& s, int a, int b, int multiplicite = 1, int cycle = -1);

// A regular ring of n atoms (5 or 6), centre c, circumradius r, the first
// vertex at angle degrees from "up", clockwise. Existing atoms and bonds at
// its vertices and sides are shared, so fused rings just overlap. Returns the
// ring's index.
int Ajoute_cycle(Scene& s, int n, Point_f c, double r, double angle = 0, bool cercle = false);

// Makes side i of ring k (vertex i to vertex i + 1) a double bond drawn inside.
void Double_interne(Scene& s, int k, int i);

// The centre of ring k.
Point_f Centre_cycle(const Scene& s, int k);

// A bond of the given length going out of vertex i of ring k, away from its
// centre, to a new atom; returns that atom.
int Substituant(Scene& s, int k, int i, double longueur, int multiplicite = 1);

// A zigzag chain of n bonds from atom a, general direction angle degrees from
// "right", counterclockwise, bonds at +-30 degrees about it, the first one
// turned by +30 when haut is set. Returns the chain's index.
int Ajoute_chaine(Scene& s, int a, double angle, double longueur, int n, bool haut = true);

// Sets a label on atom a.
void Etiquette(Scene& s, int a, const std::string& texte, Police fonte, double hauteur, int ancre = 0);

// Adds the atoms, bonds, rings and chains of the part, moved by d.
void Insere(Scene& s, const Scene& partie, Point_f d);
