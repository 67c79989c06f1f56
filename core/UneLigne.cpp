#include "UneLigne.h"

#include <algorithm>

namespace {

bool finDeLigne(char16_t c)
{
    return c == u'\r' || c == u'\n' || c == 0x0085 || c == 0x2028 || c == 0x2029;
}

bool controle(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}

QString UneLigne(const QString& texte, int* position)
{
    // Most texts are already single lines: they are returned as they are.
    qsizetype premier = 0;
    while (premier < texte.size() && !controle(texte[premier].unicode()) && !finDeLigne(texte[premier].unicode()))
        ++premier;
    if (premier == texte.size())
        return texte;

    QString ligne = texte.left(premier);
    ligne.reserve(texte.size());
    const qsizetype avant = position ? std::clamp<qsizetype>(*position, 0, texte.size()) : 0;
    qsizetype nouvellePosition = avant;
    for (qsizetype i = premier; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        if (finDeLigne(c)) {
            ligne.append(u' ');
            if (c == u'\r' && i + 1 < texte.size() && texte[i + 1] == u'\n') {
                ++i;   // CR LF is one line end
                if (i < avant)
                    --nouvellePosition;
            }
        } else if (controle(c)) {
            if (i < avant)
                --nouvellePosition;
        } else {
            ligne.append(texte[i]);
        }
    }
    if (position)
        *position = static_cast<int>(nouvellePosition);
    return ligne;
}

bool ContientFinDeLigne(const QString& texte)
{
    for (QChar c : texte)
        if (finDeLigne(c.unicode()))
            return true;
    return false;
}

QString FinsDeLigneVisibles(const QString& texte)
{
    QString montre;
    montre.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (!finDeLigne(texte[i].unicode())) {
            montre.append(texte[i]);
            continue;
        }
        montre.append(QChar(0x21B5));
        if (texte[i] == u'\r' && i + 1 < texte.size() && texte[i + 1] == u'\n')
            ++i;
    }
    return montre;
}
