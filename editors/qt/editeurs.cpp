#include "editors/qt/editeurs.h"

#include <QWidget>

#include "editors/qt/fenetre_symb.h"
#include "editors/qt/fmask.h"

namespace {

template <class Forme>
Forme* Forme_de(QWidget* parent, Contexte& ctx) {
  if (parent)
    if (auto* f = parent->findChild<Forme*>(QString(), Qt::FindDirectChildrenOnly)) return f;
  return new Forme(ctx, parent);
}

template <class Forme>
void Ouvre(QWidget* parent, Contexte& ctx) {
  Forme* f = Forme_de<Forme>(parent, ctx);
  f->exec();
  if (!parent) delete f;
}

}  // namespace

TFMask* Cree_editeur_masques(QWidget* parent, Contexte& ctx) { return Forme_de<TFMask>(parent, ctx); }

TFenetreSymb* Cree_editeur_symboles(QWidget* parent, Contexte& ctx) { return Forme_de<TFenetreSymb>(parent, ctx); }

void Ouvre_editeur_masques(QWidget* parent, Contexte& ctx) { Ouvre<TFMask>(parent, ctx); }

void Ouvre_editeur_symboles(QWidget* parent, Contexte& ctx) { Ouvre<TFenetreSymb>(parent, ctx); }
