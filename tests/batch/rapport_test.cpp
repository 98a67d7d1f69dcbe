#include <gtest/gtest.h>

#include "batch/rapport.h"

namespace {

Resultat_document Exemple() {
  Resultat_document r;
  r.Entree = "scans/a \"b\"\\c\xC3\xA9\xFF.tif";
  r.Page = 2;
  r.NbPages = 3;
  r.Sortie = "out/a.tif.p2";
  r.Statut = "error";
  r.Message = "Parametre inconnu !\n\t\x01";
  r.Format = "TIFF";
  r.Binarisation = "sauvola,31,0.34";
  r.Largeur = 2480;
  r.Hauteur = 3508;
  r.Resolution = 600;
  r.Ms = 12.345;
  r.Vecteurs = 7;
  r.Traits = 21;
  r.Composantes = 2;
  r.ZonesTexte = 4;
  r.Polygones = 1;
  r.Chaines = 2;
  r.Liaisons = 3;
  r.Croix = 4;
  r.Lignes = {"Erreur: Parametre inconnu !", ""};
  r.Journal = "1) Calcul des Contours . . .\n 12 ";
  return r;
}

}  // namespace

TEST(Rapport, LigneJson) {
  // Quotes and backslashes escaped, control characters as \uXXXX, UTF-8 kept,
  // a stray byte as U+FFFD; one decimal for the time.
  EXPECT_EQ(Ligne_json(Exemple()),
            "{\"input\":\"scans/a \\\"b\\\"\\\\c\xC3\xA9\\ufffd.tif\",\"page\":2,\"pages\":3,"
            "\"output\":\"out/a.tif.p2\",\"status\":\"error\",\"message\":\"Parametre inconnu !\\n\\t\\u0001\","
            "\"format\":\"TIFF\",\"binarisation\":\"sauvola,31,0.34\",\"width\":2480,\"height\":3508,"
            "\"resolution\":600,\"vectors\":7,\"strokes\":21,\"components\":2,\"text_zones\":4,"
            "\"symbols\":{\"polygons\":1,\"chains\":2,\"bonds\":3,\"crosses\":4},\"ms\":12.3}");
  // Truncated and overlong sequences, surrogates: each bad byte replaced.
  Resultat_document r;
  r.Entree = std::string("\xE2\x82") + "x" + "\xC0\xAF" + "\xED\xA0\x80" + "\xF0\x9F\x98\x80";
  const std::string j = Ligne_json(r);
  EXPECT_EQ(j.substr(0, j.find(",\"page\"")),
            "{\"input\":\"\\ufffd\\ufffdx\\ufffd\\ufffd\\ufffd\\ufffd\\ufffd\xF0\x9F\x98\x80\"");
}

TEST(Rapport, NomEtCodage) {
  Resultat_document r = Exemple();
  EXPECT_EQ(Nom_document(r), r.Entree + " (page 2/3)");
  r.NbPages = 1;
  EXPECT_EQ(Nom_document(r), r.Entree);

  r = Exemple();
  const std::string code = Code_resultat(r);
  Resultat_document d;
  ASSERT_TRUE(Decode_resultat(code, d));
  r.Ms = 0;
  EXPECT_EQ(Ligne_json(d), Ligne_json(r));
  EXPECT_EQ(d.Lignes, r.Lignes);
  EXPECT_EQ(d.Journal, r.Journal);
  // Every cut and any extra byte is refused, leaving the record as it was.
  for (size_t n = 0; n < code.size(); ++n) {
    Resultat_document e;
    e.Entree = "intact";
    EXPECT_FALSE(Decode_resultat(code.substr(0, n), e)) << n;
    EXPECT_EQ(e.Entree, "intact");
  }
  EXPECT_FALSE(Decode_resultat(code + "0", d));
  EXPECT_FALSE(Decode_resultat("99999999999999999999999:", d));
}

TEST(Rapport, Molecule) {
  // A molecule read: its SMILES and confidence after the symbols, in the JSON
  // line and through the coding between processes (in hundredths).
  Resultat_document r = Exemple();
  r.Smiles = "Oc1ccccc1";
  r.Confiance = 0.876;
  const std::string j = Ligne_json(r);
  EXPECT_NE(j.find("\"crosses\":4},\"smiles\":\"Oc1ccccc1\",\"confidence\":0.88,\"ms\":12.3}"), std::string::npos);
  Resultat_document d;
  ASSERT_TRUE(Decode_resultat(Code_resultat(r), d));
  EXPECT_EQ(d.Smiles, "Oc1ccccc1");
  EXPECT_DOUBLE_EQ(d.Confiance, 0.88);
  // No molecule read: nothing said of it.
  r.Confiance = -1;
  ASSERT_TRUE(Decode_resultat(Code_resultat(r), d));
  EXPECT_LT(d.Confiance, 0);
  EXPECT_EQ(Ligne_json(d).find("smiles"), std::string::npos);
}
