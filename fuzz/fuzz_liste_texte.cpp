// The text list of every file: the Windows-1252 decoding of the bytes, the
// cutting into lines, and what a save writes of those lines.

#include "Entree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets = OctetsDe(donnees, taille);
    const QString texte = Windows1252::decode(octets);

    // One character per byte, and every byte comes back as it was.
    VERIFIE(texte.size() == octets.size());
    VERIFIE(Windows1252::peutCoder(texte));
    QByteArray recode;
    VERIFIE(Windows1252::encode(texte, recode));
    VERIFIE(recode == octets);

    // The lines hold every character but the line ends: CR LF, a lone CR
    // and a lone LF each end one line, and a last line without its end
    // still counts.
    const ListeTexte liste(ListeTexte::decoupe(texte));
    qsizetype caracteres = 0;
    for (const QString& ligne : liste.lignes()) {
        VERIFIE(!ligne.contains(u'\r') && !ligne.contains(u'\n'));
        caracteres += ligne.size();
    }
    const qsizetype cr = texte.count(u'\r');
    const qsizetype lf = texte.count(u'\n');
    const qsizetype crlf = texte.count(QStringLiteral("\r\n"));
    VERIFIE(caracteres == texte.size() - cr - lf);
    const bool finSansFinDeLigne = !texte.isEmpty() && !texte.endsWith(u'\r') && !texte.endsWith(u'\n');
    VERIFIE(liste.count() == cr + lf - crlf + (finSansFinDeLigne ? 1 : 0));

    // What a save writes of the lines reads back as the same lines.
    QByteArray ecrit;
    VERIFIE(OctetsDeListe(liste, ecrit));
    VERIFIE(ListeDepuisOctets(ecrit).lignes() == liste.lignes());

    // Every line is reached, and a read past either end fails.
    for (qsizetype i = 0; i < liste.count(); ++i)
        VERIFIE(&liste.at(i) == &liste.lignes()[i]);
    for (qsizetype horsBornes : {qsizetype(-1), liste.count()}) {
        bool echoue = false;
        try {
            liste.at(horsBornes);
        } catch (const Echec& e) {
            echoue = e.texte() == Messages::indexHorsBornes();
        }
        VERIFIE(echoue);
    }
    return 0;
}
