// The plane view without any window system: which plane is shown, the zoom
// level, the two scroll bars, the offsets, the mouse point and its read-out,
// and the pan of the stages. The desktop program draws what this decides.
#pragma once

#include <cstdint>
#include <string>

class Console;
struct Document;
struct Plan;

constexpr int32_t EPAISSEUR_BARRE = 17;   // thickness of either scroll bar
constexpr int32_t LARGEUR_BOUTONS = 145;  // the button panel on the right
constexpr int32_t HAUTEUR_INFO = 30;      // the status bar at the bottom
constexpr int32_t ZOOM_MIN = -5;

// One scroll bar: its place in the client area, its range 0..Maximum and its
// position, which is the view's offset in screen pixels.
struct Barre {
  bool Visible = false;
  int32_t Gauche = 0, Haut = 0, Largeur = 0, Hauteur = 0;
  int32_t Maximum = 0;
  int32_t GrandPas = 0;  // large step
  int32_t Position = 0;
};

struct Barres {
  Barre Horz, Vert;
};

// Which bars a plane of PW x PH needs in a client area of W x H, with the
// button panel Wb wide and the status bar Hs high, and how they sit.
// Positions are left at 0.
Barres Place_barres(int32_t W, int32_t H, int32_t Wb, int32_t Hs, int32_t PW, int32_t PH);

struct Vue {
  int32_t NumPlan = 1;  // the plane the operator chose: 1 or 2
  int32_t Zoom = 0;     // reduction factor |Zoom| + 1
  int32_t PointSourisX = 0, PointSourisY = 0;  // image point of the last mouse move
  Barre Horz, Vert;
  int32_t LargeurClient = 0, HauteurClient = 0;  // the main window's client area
  // The plane was last drawn with its top-left pixel at (-OrigineX, -OrigineY).
  int32_t OrigineX = 0, OrigineY = 0;
};

int32_t Facteur(const Vue& vue);
// 0 while the bar is hidden, else its position, times the factor when zoomed.
int32_t Decalage_x(const Vue& vue);
int32_t Decalage_y(const Vue& vue);

// Lays the bars out for the shown plane (none: both hidden). A hidden bar
// keeps its range and position; a shown one keeps its position within range.
void Place_barres(Vue& vue, const Document& doc);

// The zoom plane: all ink, then the source reduced by f at its top-left.
void Reduit_plan(const Plan& source, Plan& zoom, int32_t f);

// The view's part of opening and closing a document.
void Ouvre_vue(Vue& vue);
void Ferme_vue(Vue& vue, const Document& doc);

// Repaint: false with no document, else the bars are laid out and the origin
// set to the offsets.
bool FormPaint(const Document& doc, Vue& vue);

// "Plan1/2": the other plane, reduced when zoomed. Returns the caption of the
// plane label, or "" with no document open (nothing changes then).
std::string Plan2_1(Document& doc, Vue& vue);

// "Zoom &Out" and "Zoom &In"; false when nothing changed. Zooming in below
// the floor only sounds the message beep.
bool Zoom_out(Document& doc, Vue& vue);
bool Zoom_in(Console& con, Document& doc, Vue& vue);

// The image point under the view point (X, Y).
void Point_image(const Vue& vue, int32_t X, int32_t Y, int32_t& x, int32_t& y);

// Mouse move: stores the image point and returns "Plan %d (%d,%d):%d";
// "" with no document open.
std::string Lecture_souris(const Document& doc, Vue& vue, int32_t X, int32_t Y);

// Mouse up: an ink pixel on Plan 2 under the point, whichever plane is shown.
bool Point_encre(Document& doc, const Vue& vue, int32_t X, int32_t Y);

// Shows Plan 2 with (x, y) at the top-left of the view, as far as the plane
// and the bars allow.
void Montre_Plan2(Document& doc, Vue& vue, int32_t x, int32_t y);
