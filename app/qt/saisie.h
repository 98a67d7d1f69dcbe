// "Saisie": the modal dialog that asks the operator for one value.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

class TSaisieF1 : public QDialog {
  Q_OBJECT

 public:
  explicit TSaisieF1(QWidget* parent = nullptr);

  // The buffer is the proposed value; it takes the field's text only when
  // the dialog closes with "OK" (or Enter in the field).
  void Demande(std::string& tampon, std::string_view invite);

  static constexpr int RESULTAT_OK = 1;
  static constexpr int RESULTAT_DEFAUT = 2;

 private:
  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* OK;
  QPushButton* Defaut;
};
