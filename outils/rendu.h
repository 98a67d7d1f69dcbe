// Rasterising with Qt for the generators of sample drawings and character
// models: an offscreen GUI application, font files loaded by path, and the
// conversion of a grey canvas into a monochrome plane.
#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QString>
#include <memory>

#include "image/plan.h"

// The GUI application the painter and the fonts need, on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise. Make it first in main().
std::unique_ptr<QGuiApplication> Demarre_rendu(int& argc, char** argv);

// Loads a font file and returns its family, or an empty text when the file
// is missing or unreadable. Loading the same file twice is harmless.
QString Charge_police_fichier(const QString& chemin);

// A white 8-bit grey canvas.
QImage Toile(int largeur, int hauteur);

// The plane of the canvas: canvas pixel (x, y) becomes plane pixel (x, y),
// ink where the grey is below the threshold. The canvas's column 0 and row 0
// fall outside what the plane can address, so drawings keep a margin.
Plan Plan_de_image(const QImage& toile, int seuil = 128);

// The smallest rectangle holding every pixel darker than the threshold;
// an empty rectangle when there is none.
QRect Boite_encre(const QImage& toile, int seuil = 128);
