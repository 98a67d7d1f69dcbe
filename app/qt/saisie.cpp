#include "app/qt/saisie.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "console/console.h"

TSaisieF1::TSaisieF1(QWidget* parent) : QDialog(parent) {
  setObjectName("SaisieF1");
  setWindowTitle("Saisie");
  setFixedSize(416, 100);
  Label1 = new QLabel(QString::fromUtf8("Entrez la valeur de"), this);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(8, 6, 400, 20);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(8, 30, 400, 24);
  OK = new QPushButton("OK", this);
  OK->setObjectName("OK");
  OK->setGeometry(8, 64, 90, 28);
  Defaut = new QPushButton(QString::fromUtf8("Défaut"), this);
  Defaut->setObjectName("Defaut");
  Defaut->setGeometry(318, 64, 90, 28);
  // Enter in the field answers "OK"; neither button is a default one.
  OK->setAutoDefault(false);
  Defaut->setAutoDefault(false);
  connect(OK, &QPushButton::clicked, this, [this] { done(RESULTAT_OK); });
  connect(Defaut, &QPushButton::clicked, this, [this] { done(RESULTAT_DEFAUT); });
  connect(Edit1, &QLineEdit::returnPressed, this, [this] { done(RESULTAT_OK); });
}

void TSaisieF1::Demande(std::string& tampon, std::string_view invite) {
  Edit1->setText(QString::fromStdString(tampon));
  Label1->setText(QString::fromStdString(Libelle_saisie(invite)));
  Edit1->selectAll();
  Edit1->setFocus();
  if (exec() == RESULTAT_OK) tampon = Edit1->text().toStdString();
}
