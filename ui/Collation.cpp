#include "Collation.h"

#include <algorithm>

namespace Collation {

QString cle(const QString& texte)
{
    QString resultat;
    resultat.reserve(texte.size());
    for (QChar c : texte) {
        switch (c.unicode()) {
        case u'œ': case u'Œ': resultat += QStringLiteral("oe"); continue;
        case u'æ': case u'Æ': resultat += QStringLiteral("ae"); continue;
        case u'ß': resultat += QStringLiteral("ss"); continue;
        default: break;
        }
        if (c.unicode() >= 0x80 && c.decompositionTag() == QChar::Canonical) {
            const QString decompose = c.decomposition();
            for (QChar d : decompose)
                if (d.category() != QChar::Mark_NonSpacing)
                    resultat += d.toLower();
            continue;
        }
        resultat += c.toLower();
    }
    return resultat;
}

int compare(const QString& a, const QString& b)
{
    const int c = QString::compare(cle(a), cle(b), Qt::CaseSensitive);
    if (c != 0)
        return c;
    return QString::compare(a, b, Qt::CaseSensitive);
}

void trie(QStringList& lignes)
{
    // Keys computed once per line, not once per comparison.
    std::vector<std::pair<QString, QString>> paires;
    paires.reserve(lignes.size());
    for (const QString& l : lignes)
        paires.emplace_back(cle(l), l);
    std::stable_sort(paires.begin(), paires.end(), [](const auto& x, const auto& y) {
        const int c = QString::compare(x.first, y.first, Qt::CaseSensitive);
        return c != 0 ? c < 0 : QString::compare(x.second, y.second, Qt::CaseSensitive) < 0;
    });
    for (qsizetype i = 0; i < lignes.size(); ++i)
        lignes[i] = paires[static_cast<std::size_t>(i)].second;
}

}
