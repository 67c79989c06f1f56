#include "CanevasEnregistreur.h"

CanevasEnregistreur::Trace CanevasEnregistreur::nouvelle(Genre genre) const
{
    Trace t;
    t.genre = genre;
    t.police = police_;
    t.taille = taille_;
    t.style = style_;
    t.pinceau = pinceau_;
    t.plume = plume_;
    return t;
}

void CanevasEnregistreur::Police(const QString& nom, int taille, StylePolice style)
{
    police_ = nom;
    taille_ = taille;
    style_ = style;
}

void CanevasEnregistreur::Rectangle(int x1, int y1, int x2, int y2)
{
    Trace t = nouvelle(Genre::Rectangle);
    t.x1 = x1, t.y1 = y1, t.x2 = x2, t.y2 = y2;
    traces.append(t);
}

void CanevasEnregistreur::DeplaceA(int x, int y)
{
    x_ = x;
    y_ = y;
}

void CanevasEnregistreur::LigneA(int x, int y)
{
    Trace t = nouvelle(Genre::Trait);
    t.x1 = x_, t.y1 = y_, t.x2 = x, t.y2 = y;
    traces.append(t);
    x_ = x;
    y_ = y;
}

void CanevasEnregistreur::Ecrit(int x, int y, const QString& texte)
{
    Trace t = nouvelle(Genre::Texte);
    t.x1 = x, t.y1 = y;
    t.texte = texte;
    traces.append(t);
}

int CanevasEnregistreur::LargeurTexte(const QString& texte)
{
    return int(texte.size()) * taille_;
}

int CanevasEnregistreur::HauteurTexte(const QString&)
{
    return 2 * taille_;
}

void CanevasEnregistreur::MarquePage()
{
    traces.append(nouvelle(Genre::Page));
}

QList<CanevasEnregistreur::Trace> CanevasEnregistreur::textes() const
{
    QList<Trace> r;
    for (const Trace& t : traces)
        if (t.genre == Genre::Texte)
            r.append(t);
    return r;
}

QList<CanevasEnregistreur::Trace> CanevasEnregistreur::traits() const
{
    QList<Trace> r;
    for (const Trace& t : traces)
        if (t.genre == Genre::Trait)
            r.append(t);
    return r;
}

CanevasEnregistreur::Trace CanevasEnregistreur::texte(const QString& texte) const
{
    for (const Trace& t : traces)
        if (t.genre == Genre::Texte && t.texte == texte)
            return t;
    Trace aucune;
    aucune.genre = Genre::Page;
    return aucune;
}

bool CanevasEnregistreur::contient(const QString& texte) const
{
    return this->texte(texte).genre == Genre::Texte;
}

QStringList CanevasEnregistreur::textesDeLaPage(int n) const
{
    QStringList r;
    int page = 1;
    for (const Trace& t : traces) {
        if (t.genre == Genre::Page)
            ++page;
        else if (t.genre == Genre::Texte && page == n)
            r.append(t.texte);
    }
    return r;
}

int CanevasEnregistreur::nombreDePages() const
{
    int n = 1;
    for (const Trace& t : traces)
        if (t.genre == Genre::Page)
            ++n;
    return n;
}

bool PaginationEnregistree::NouvellePage(PageDeDessin&)
{
    if (sauts >= maximum_)
        return false;
    ++sauts;
    canevas_.MarquePage();
    return true;
}
