// The older recogniser: each text zone of the document compared with the
// model library in front of the operator, who accepts the result or adds the
// zone's mask to the library under a name of their own. Fills the zones' text
// fields, draws the recognised text on Plan 2 and saves the library, merged.
#pragma once

struct Contexte;
struct Document;

// NbZones := 0; SEUILMASK, SEUILDIFF, SEUILMINIDIFF and the stroke thresholds
// are read; bimdl.dat is loaded (an empty library when it cannot be) with
// biqdl.dat. A zone under 8 x 10 pixels is announced "trop petit" and gets
// Etat -2; every other one is compared and shown, its result logged and
// questioned; a model added makes it Etat 1. Doubtful zones then go through
// the doubt reduction. Ends with the text drawn on a cleared Plan 2 and the
// library merged and saved (not when it holds no model).
void Ancienne_reconnaissance(Contexte& ctx, Document& doc);
