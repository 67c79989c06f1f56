#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>

// The control of `fenetre` named `nom` (objectName), of type T; a control
// missing or of another type ends the test with an exception that names it.
template <typename T>
T* Controle(const QObject& fenetre, const QString& nom)
{
    T* c = fenetre.findChild<T*>(nom);
    if (c == nullptr)
        throw std::logic_error("Contrôle introuvable : " + nom.toStdString() + " dans "
                               + fenetre.objectName().toStdString());
    return c;
}

// The same through a pointer to the window (plain or smart).
template <typename T, typename Pointeur>
    requires requires(const Pointeur& p) { static_cast<const QObject&>(*p); }
T* Controle(const Pointeur& fenetre, const QString& nom)
{
    return Controle<T>(static_cast<const QObject&>(*fenetre), nom);
}
