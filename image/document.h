// The open document: its three planes, its file name and its result lists.
// PlanCourant is null while no document is open.
#pragma once

#include <cstdint>
#include <string>

#include "image/plan.h"
#include "structure/records.h"
#include "vecto/records.h"

struct Contexte;

struct Document {
  Plan Plan1;     // the image read from the file
  Plan Plan2;     // the work plane every stage draws on
  Plan PlanZoom;  // reduced copy of the shown plane while zoomed out
  Plan* PlanCourant = nullptr;
  std::string NomFichier;  // full path of the open BMP file

  ListeVecteurs Vecteurs;
  ListeQuads Quadrilateres;
  int32_t NbQuads = 0;  // quadrilaterals known to sorting and fusion, separators included
  ListeQuads QuadsTexte;
  ListeCC CompConnexes;
  ListeCandidats Caracteres;
  ListeCC ZonesTexte;
  int32_t NbGraphes = 0;     // runs of the stroke-graph stages on this document
  bool TotaleFaite = false;  // "Totale" ran its stages on this document
  Arcs ListeArcs;            // the stroke graph, in creation order
  Symboles ListeSymboles;
  uint16_t NbZones = 0;  // character zones made by the last grouping

  Document() = default;
  // PlanCourant points into the document itself: it is never copied or moved.
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  bool Ouvert() const { return PlanCourant != nullptr; }
  int32_t NbOctetsLigne() const { return Plan1.NbOctetsLigne; }
  int32_t NbLignes() const { return Plan1.NbLignes; }
};

// Reads the BMP into Plan 1 and builds Plan 2 (all background) and PlanZoom
// (all ink). On a refused file the error box is shown and nothing changes.
bool Lit_bmp(Contexte& ctx, Document& doc, const std::string& chemin);

// Makes the plane Plan 1, as every image read becomes it: its frame
// whitened, Plan 2 of its headers and size all background, PlanZoom all ink.
// Lit_bmp ends with it, and so does any other reader of images.
void Pose_plan1(Document& doc, Plan plan1);

// Closes the open document, if any, then opens the file. False, with no
// document open, when the file is refused.
bool Ouvre_document(Contexte& ctx, Document& doc, const std::string& chemin);

// Releases the planes and every result list (each reset writes its log line).
void Ferme_document(Contexte& ctx, Document& doc);

// The file name without its directory: what follows the last "/", "\" or ":".
std::string Nom_sans_repertoire(const std::string& chemin);

// Five lines of sizes in the log.
void Informations(const Contexte& ctx, const Document& doc);
