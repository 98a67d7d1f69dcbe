// What vrix-batch says of one document: the record, its line of the JSON
// report, and its coding between a worker and the main process.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Resultat_document {
  std::string Entree;         // the input file as listed
  int32_t Page = 1;           // from 1
  int32_t NbPages = 1;        // pages of the input file
  std::string Sortie;         // stem of the results files; empty when none was written
  std::string Statut = "ok";  // "ok", "refused", "error" or "timeout"
  std::string Message;        // why it is not ok: the reason, or the error boxes' texts
  std::string Format;         // "BMP 1 bit", "TIFF", "PNG", "JPEG", "PNM", "BMP"
  std::string Binarisation;   // the binarisation used; empty when the ink was taken as it is
  int32_t Largeur = 0, Hauteur = 0;  // pixels
  int32_t Resolution = 0;            // dpi the chain used
  double Ms = 0;                     // wall time of the document, milliseconds
  int64_t Vecteurs = 0, Traits = 0, Composantes = 0, ZonesTexte = 0;
  int64_t Polygones = 0, Chaines = 0, Liaisons = 0, Croix = 0;
  std::vector<std::string> Lignes;  // for standard error, each to be prefixed with the document's name
  std::string Journal;              // the operator log, when asked for
  std::string Smiles;               // the molecule read, with --mol or --smiles
  double Confiance = -1;            // its confidence 0..1; below 0 when no molecule was read

  bool Ok() const { return Statut == "ok"; }
};

// One JSON object on one line (no line end), the keys in a fixed order:
// input, page, pages, output, status, message, format, binarisation, width,
// height, resolution, vectors, strokes, components, text_zones, symbols
// (polygons, chains, bonds, crosses), then smiles and confidence when a
// molecule was read, ms. Text is UTF-8; a byte that is not
// part of a valid UTF-8 sequence is written as U+FFFD.
std::string Ligne_json(const Resultat_document& r);

// The document's name in messages: the input as listed, with " (page K/N)"
// for a page of a multi-page file.
std::string Nom_document(const Resultat_document& r);

// Every field but Ms, as bytes, and back. Decode_resultat is false on bytes
// that Code_resultat did not make.
std::string Code_resultat(const Resultat_document& r);
bool Decode_resultat(std::string_view octets, Resultat_document& r);
