// The two home-made controls of the main window: the image view ImageW1 and
// the panel used as a button (StopP1).
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

struct Plan;
class TMain1;

// The plane as a 1-bit image with its own colour table, top row first.
QImage Image_plan(const Plan& plan);

class VueImage : public QWidget {
  Q_OBJECT

 public:
  explicit VueImage(TMain1* main1, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;

 private:
  TMain1* Main1;
};

// A raised panel that lowers while its pause is on; a click is a release
// over it.
class PanneauBouton : public QLabel {
  Q_OBJECT

 public:
  explicit PanneauBouton(const QString& libelle, QWidget* parent);
  void Enfonce(bool enfonce);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* evenement) override;
};
