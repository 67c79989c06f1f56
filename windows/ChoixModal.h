#pragma once

#include <QObject>
#include <functional>

// What a dialog of the character is told to follow while it is open: its
// part as it stands, at each change the user makes there. The command that
// shows it lets the recovery file follow; no step is made of it.
template <typename Part>
using SuiviDuChoix = std::function<void(const Part&)>;

// Shows `dialogue` modally and gives its part back as it stands when it
// closes. While it is open, each of its signals Change tells `suivi` the part
// as `part` reads it.
template <typename Dialogue, typename Lecture>
auto ChoixModal(Dialogue& dialogue, const SuiviDuChoix<std::invoke_result_t<Lecture>>& suivi, Lecture part)
{
    QMetaObject::Connection connexion;
    if (suivi)
        connexion = QObject::connect(&dialogue, &Dialogue::Change, &dialogue, [&] { suivi(part()); });
    struct Deconnecte {
        QMetaObject::Connection& c;
        ~Deconnecte() { QObject::disconnect(c); }
    } deconnecte{connexion};
    dialogue.exec();
    return part();
}
