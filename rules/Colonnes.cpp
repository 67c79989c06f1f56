#include "Colonnes.h"

#include "Champs.h"

QStringList DecoupeColonnes(const QString& ligne, int nombre)
{
    QStringList colonnes;
    if (nombre <= 0)
        return colonnes;
    colonnes.reserve(nombre);
    QString reste = ligne;
    for (int k = 1; k < nombre; ++k) {
        colonnes.append(Champ1(reste));
        reste = ChampsDepuis2(reste);
    }
    colonnes.append(reste);
    return colonnes;
}

int DebutColonne(const std::vector<int>& largeurs, int k)
{
    constexpr int Ecart = 30;
    int x = 0;
    for (int i = 0; i < k && i < static_cast<int>(largeurs.size()); ++i)
        x += largeurs[static_cast<std::size_t>(i)] + Ecart;
    return x;
}
