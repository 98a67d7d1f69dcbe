// The processing chains, as the buttons of the main window and vrix-batch run them.
#pragma once

struct Contexte;
struct Document;

// "Représentation": contours, vector fusion, quadrilaterals, sorting and
// fusion, clean-up. Ends with the message beep, document or not.
void Chaine_representation(Contexte& ctx, Document& doc);
