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

namespace {

std::vector<QString> cles(const QStringList& lignes)
{
    std::vector<QString> c;
    c.reserve(static_cast<std::size_t>(lignes.size()));
    for (const QString& l : lignes)
        c.push_back(cle(l));
    return c;
}

}

QStringList fusionne(const QStringList& a, const QStringList& b)
{
    const std::vector<QString> ca = cles(a);
    const std::vector<QString> cb = cles(b);
    QStringList resultat;
    resultat.reserve(a.size() + b.size());
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ui = static_cast<std::size_t>(i);
        const auto uj = static_cast<std::size_t>(j);
        int c = QString::compare(cb[uj], ca[ui], Qt::CaseSensitive);
        if (c == 0)
            c = QString::compare(b[j], a[i], Qt::CaseSensitive);
        resultat.append(c < 0 ? b[j++] : a[i++]);
    }
    resultat += a.mid(i);
    resultat += b.mid(j);
    return resultat;
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
