#include "environnement.h"

#include <gtest/gtest.h>

#include <memory>

#include "outils/rendu.h"

namespace {

class Application : public ::testing::Environment {
 public:
  void SetUp() override { app = Demarre_rendu(argc, argv); }
  void TearDown() override { app.reset(); }

 private:
  int argc = 1;
  char nom[16] = "test_formules";
  char* argv[2] = {nom, nullptr};
  std::unique_ptr<QGuiApplication> app;
};

[[maybe_unused]] ::testing::Environment* const application =
    ::testing::AddGlobalTestEnvironment(new Application);

}  // namespace

Dessin Dessin_de(const Scene& s) {
  Dessin d;
  std::string erreur;
  EXPECT_TRUE(Dessine(s, d, erreur)) << erreur;
  return d;
}
