#include "batch/rapport.h"

#include <charconv>
#include <cstdio>

namespace {

// Length of the valid UTF-8 sequence at p (at most n bytes), 0 when none.
size_t Sequence_utf8(const unsigned char* p, size_t n) {
  const unsigned char c = p[0];
  size_t lg;
  uint32_t min;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) lg = 2, min = 0x80;
  else if (c >= 0xE0 && c <= 0xEF) lg = 3, min = 0x800;
  else if (c >= 0xF0 && c <= 0xF4) lg = 4, min = 0x10000;
  else return 0;
  if (n < lg) return 0;
  uint32_t v = c & (0x7F >> lg);
  for (size_t i = 1; i < lg; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    v = (v << 6) | (p[i] & 0x3F);
  }
  if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  return lg;
}

void Texte(std::string& j, std::string_view t) {
  j += '"';
  const auto* p = reinterpret_cast<const unsigned char*>(t.data());
  for (size_t i = 0; i < t.size();) {
    const unsigned char c = p[i];
    if (c == '"' || c == '\\') {
      j += '\\';
      j += static_cast<char>(c);
    } else if (c == '\n') {
      j += "\\n";
    } else if (c == '\t') {
      j += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      char u[8];
      std::snprintf(u, sizeof u, "\\u%04x", c);
      j += u;
    } else if (c >= 0x80) {
      const size_t lg = Sequence_utf8(p + i, t.size() - i);
      if (lg == 0) {
        j += "\\ufffd";
        ++i;
        continue;
      }
      j.append(t.substr(i, lg));
      i += lg;
      continue;
    } else {
      j += static_cast<char>(c);
    }
    ++i;
  }
  j += '"';
}

void Cle(std::string& j, const char* cle) {
  if (j.size() > 1) j += ',';
  j += '"';
  j += cle;
  j += "\":";
}

void Champ(std::string& j, const char* cle, std::string_view v) {
  Cle(j, cle);
  Texte(j, v);
}

void Champ(std::string& j, const char* cle, int64_t v) {
  Cle(j, cle);
  j += std::to_string(v);
}

// Netstring-like: the length in decimal, ':', the bytes.
void Ajoute(std::string& o, std::string_view v) {
  o += std::to_string(v.size());
  o += ':';
  o.append(v);
}

bool Prend(std::string_view& o, std::string& v) {
  size_t n = 0;
  const auto [fin, ec] = std::from_chars(o.data(), o.data() + o.size(), n);
  if (ec != std::errc() || fin == o.data() + o.size() || *fin != ':') return false;
  const size_t debut = static_cast<size_t>(fin - o.data()) + 1;
  if (n > o.size() - debut) return false;
  v.assign(o.substr(debut, n));
  o.remove_prefix(debut + n);
  return true;
}

template <typename T>
bool Prend(std::string_view& o, T& v) {
  std::string t;
  if (!Prend(o, t)) return false;
  const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  return ec == std::errc() && fin == t.data() + t.size();
}

}  // namespace

std::string Ligne_json(const Resultat_document& r) {
  std::string j = "{";
  Champ(j, "input", r.Entree);
  Champ(j, "page", r.Page);
  Champ(j, "pages", r.NbPages);
  Champ(j, "output", r.Sortie);
  Champ(j, "status", r.Statut);
  Champ(j, "message", r.Message);
  Champ(j, "format", r.Format);
  Champ(j, "binarisation", r.Binarisation);
  Champ(j, "width", r.Largeur);
  Champ(j, "height", r.Hauteur);
  Champ(j, "resolution", r.Resolution);
  Champ(j, "vectors", r.Vecteurs);
  Champ(j, "strokes", r.Traits);
  Champ(j, "components", r.Composantes);
  Champ(j, "text_zones", r.ZonesTexte);
  Cle(j, "symbols");
  std::string s = "{";
  Champ(s, "polygons", r.Polygones);
  Champ(s, "chains", r.Chaines);
  Champ(s, "bonds", r.Liaisons);
  Champ(s, "crosses", r.Croix);
  j += s + "}";
  if (r.Confiance >= 0) {
    Champ(j, "smiles", r.Smiles);
    char c[32];
    std::snprintf(c, sizeof c, "%.2f", r.Confiance);
    Cle(j, "confidence");
    j += c;
  }
  char ms[32];
  std::snprintf(ms, sizeof ms, "%.1f", r.Ms);
  Cle(j, "ms");
  j += ms;
  j += '}';
  return j;
}

std::string Nom_document(const Resultat_document& r) {
  if (r.NbPages <= 1) return r.Entree;
  return r.Entree + " (page " + std::to_string(r.Page) + "/" + std::to_string(r.NbPages) + ")";
}

std::string Code_resultat(const Resultat_document& r) {
  std::string o;
  for (const std::string* t :
       {&r.Entree, &r.Sortie, &r.Statut, &r.Message, &r.Format, &r.Binarisation, &r.Journal, &r.Smiles})
    Ajoute(o, *t);
  // The confidence in hundredths, as it is written.
  Ajoute(o, std::to_string(r.Confiance < 0 ? -1 : static_cast<int64_t>(r.Confiance * 100 + 0.5)));
  for (const int64_t v : {int64_t{r.Page}, int64_t{r.NbPages}, int64_t{r.Largeur}, int64_t{r.Hauteur},
                          int64_t{r.Resolution}, r.Vecteurs, r.Traits, r.Composantes, r.ZonesTexte, r.Polygones,
                          r.Chaines, r.Liaisons, r.Croix})
    Ajoute(o, std::to_string(v));
  Ajoute(o, std::to_string(r.Lignes.size()));
  for (const std::string& l : r.Lignes) Ajoute(o, l);
  return o;
}

bool Decode_resultat(std::string_view o, Resultat_document& r) {
  Resultat_document d;
  for (std::string* t : {&d.Entree, &d.Sortie, &d.Statut, &d.Message, &d.Format, &d.Binarisation, &d.Journal,
                         &d.Smiles})
    if (!Prend(o, *t)) return false;
  int64_t centiemes = 0;
  if (!Prend(o, centiemes) || centiemes < -1 || centiemes > 100) return false;
  d.Confiance = centiemes < 0 ? -1 : static_cast<double>(centiemes) / 100;
  for (int32_t* v : {&d.Page, &d.NbPages, &d.Largeur, &d.Hauteur, &d.Resolution})
    if (!Prend(o, *v)) return false;
  for (int64_t* v : {&d.Vecteurs, &d.Traits, &d.Composantes, &d.ZonesTexte, &d.Polygones, &d.Chaines, &d.Liaisons,
                     &d.Croix})
    if (!Prend(o, *v)) return false;
  size_t n = 0;
  if (!Prend(o, n) || n > o.size()) return false;
  d.Lignes.resize(n);
  for (std::string& l : d.Lignes)
    if (!Prend(o, l)) return false;
  if (!o.empty()) return false;
  r = std::move(d);
  return true;
}
