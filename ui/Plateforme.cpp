#include "Plateforme.h"

#include "Echec.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

QString titreDe(GenreBoite genre)
{
    switch (genre) {
    case GenreBoite::Avertissement: return QStringLiteral("Avertissement");
    case GenreBoite::Erreur: return QStringLiteral("Erreur");
    case GenreBoite::Information: return QStringLiteral("Information");
    case GenreBoite::Confirmation: return QStringLiteral("Confirmation");
    }
    return {};
}

QString libelleDe(Bouton bouton)
{
    switch (bouton) {
    case Bouton::Oui: return QStringLiteral("&Oui");
    case Bouton::Non: return QStringLiteral("&Non");
    case Bouton::OK: return QStringLiteral("OK");
    case Bouton::Annuler: return QStringLiteral("Annuler");
    }
    return {};
}

namespace {

class PlateformeQt : public Plateforme {
public:
    Bouton boite(GenreBoite genre, const QString& texte, const std::vector<Bouton>& boutons) override
    {
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        switch (genre) {
        case GenreBoite::Avertissement: icone = QMessageBox::Warning; break;
        case GenreBoite::Erreur: icone = QMessageBox::Critical; break;
        case GenreBoite::Information: icone = QMessageBox::Information; break;
        case GenreBoite::Confirmation: icone = QMessageBox::Question; break;
        }
        QMessageBox box(icone, titreDe(genre), texte, QMessageBox::NoButton, QApplication::activeWindow());
        std::vector<std::pair<QPushButton*, Bouton>> poussoirs;
        for (Bouton b : boutons) {
            const auto role = (b == Bouton::Annuler) ? QMessageBox::RejectRole
                            : (b == Bouton::Non)     ? QMessageBox::NoRole
                                                     : QMessageBox::AcceptRole;
            poussoirs.emplace_back(box.addButton(libelleDe(b), role), b);
        }
        if (!poussoirs.empty()) {
            box.setDefaultButton(poussoirs.front().first);
            box.setEscapeButton(poussoirs.back().first);
        }
        box.exec();
        for (const auto& [poussoir, b] : poussoirs)
            if (box.clickedButton() == poussoir)
                return b;
        return boutons.empty() ? Bouton::OK : boutons.back();
    }
};

std::unique_ptr<Plateforme>& installee()
{
    static std::unique_ptr<Plateforme> p = std::make_unique<PlateformeQt>();
    return p;
}

}

Plateforme& plateforme()
{
    return *installee();
}

std::unique_ptr<Plateforme> installePlateforme(std::unique_ptr<Plateforme> p)
{
    std::swap(installee(), p);
    return p;
}

void ExecuteCommande(const std::function<void()>& commande)
{
    try {
        commande();
    } catch (const Echec& e) {
        boite(GenreBoite::Erreur, e.texte(), {Bouton::OK});
    } catch (const std::exception& e) {
        boite(GenreBoite::Erreur, QString::fromUtf8(e.what()), {Bouton::OK});
    }
}
