#include "Echec.h"
#include "Fichiers.h"
#include "ListeTexte.h"
#include "Windows1252.h"

#include <QFile>
#include <QDir>
#include <QSaveFile>
#include <gtest/gtest.h>

namespace {

QString messageDe(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Echec& e) {
        return e.texte();
    }
    return QStringLiteral("(aucun échec)");
}

}

TEST(ListeTexte, FinsDeLigne)
{
    struct Cas {
        QByteArray octets;
        QStringList lignes;
    };
    const Cas cas[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},   // LF then CR: two line ends
        {"", {}},
        {"\r\n", {""}},
        {"sans fin", {"sans fin"}},
    };
    DossierTemporaire dossier;
    for (const Cas& c : cas) {
        const QString nom = dossier.ecrit("f.txt", c.octets);
        EXPECT_EQ(ListeTexte::charge(nom).lignes(), c.lignes) << c.octets.toStdString();
    }
}

TEST(ListeTexte, LesOctetsSurviventAuChargementEtALaSauvegarde)
{
    QByteArray octets;
    for (int i = 0; i < 256; ++i)
        if (i != '\r' && i != '\n')
            octets.append(static_cast<char>(i));
    octets.append("\r\n\xC9t\xE9\r\n");
    DossierTemporaire dossier;
    const QString nom = dossier.ecrit("tous.txt", octets);
    const ListeTexte liste = ListeTexte::charge(nom);
    ASSERT_EQ(liste.count(), 2);
    EXPECT_EQ(liste.at(1), QStringLiteral("Été"));
    EXPECT_EQ(liste.at(0)[0x80 - 2], QChar(0x20AC));   // the euro sign
    liste.sauve(dossier.chemin("copie.txt"));
    EXPECT_EQ(dossier.lit("copie.txt"), octets);
}

TEST(ListeTexte, SauvegardeEnCrLf)
{
    DossierTemporaire dossier;
    ListeTexte({"un", "", "deux"}).sauve(dossier.chemin("s.txt"));
    EXPECT_EQ(dossier.lit("s.txt"), QByteArray("un\r\n\r\ndeux\r\n"));
}

TEST(ListeTexte, Echecs)
{
    DossierTemporaire dossier;
    const QString absent = dossier.chemin("absent.dat");
    EXPECT_EQ(messageDe([&] { ListeTexte::charge(absent); }), "Ne peut ouvrir le fichier " + absent);
    EXPECT_EQ(messageDe([&] { ListeTexte::charge(dossier.racine()); }), "Ne peut ouvrir le fichier " + dossier.racine());

    const ListeTexte liste({"a"});
    EXPECT_EQ(messageDe([&] { liste.at(1); }), "Index liste hors bornes");
    EXPECT_EQ(messageDe([&] { liste.at(-1); }), "Index liste hors bornes");

    const QString dansRienDuTout = dossier.chemin("pas/de/dossier.txt");
    EXPECT_EQ(messageDe([&] { liste.sauve(dansRienDuTout); }), "Ne peut créer le fichier " + dansRienDuTout);
}

TEST(ListeTexte, UneSauvegardeRateeLaisseLAncienFichierEntier)
{
    DossierTemporaire dossier;
    const QString nom = dossier.ecrit("perso.vdl", "ancien\r\n");
    // A character that has no byte in the file's encoding fails the save
    // before anything is written.
    EXPECT_EQ(messageDe([&] { ListeTexte({"nouveau", QStringLiteral("ő")}).sauve(nom); }),
              "Ne peut créer le fichier " + nom + "\nLa valeur « ő » contient un caractère qu'un fichier de Vardel "
                                                  "ne peut garder.");
    EXPECT_EQ(dossier.lit("perso.vdl"), QByteArray("ancien\r\n"));

    // A device that fails halfway through the writing (a full disk).
    class FichierQuiEchoue : public QSaveFile {
    public:
        using QSaveFile::QSaveFile;
    protected:
        qint64 writeData(const char* donnees, qint64 taille) override
        {
            QSaveFile::writeData(donnees, taille / 2);
            return -1;
        }
    };
    FichierQuiEchoue fichier(nom);
    EXPECT_EQ(messageDe([&] { ListeTexte({"nouveau", "plus long que l'ancien"}).sauve(fichier); }),
              "Ne peut créer le fichier " + nom);
    EXPECT_EQ(dossier.lit("perso.vdl"), QByteArray("ancien\r\n"));
    EXPECT_EQ(QDir(dossier.racine()).entryList(QDir::Files), QStringList{"perso.vdl"});
}

TEST(Windows1252, CaracteresHorsDuJeu)
{
    EXPECT_TRUE(Windows1252::peutCoder(QStringLiteral("Dextérité œ € “”")));
    EXPECT_FALSE(Windows1252::peutCoder(QStringLiteral("ő")));
    EXPECT_FALSE(Windows1252::peutCoder(QString::fromUtf8("\xF0\x9F\x98\x80")));   // an emoji
}

// The code page's table, checked both ways: a byte decodes to its
// character and that character encodes back to the same byte. A pair of
// neighbouring entries swapped (the curly quotes) fails both directions.
TEST(Windows1252, OctetsEtCaracteresDansLesDeuxSens)
{
    struct Cas {
        unsigned char octet;
        char16_t caractere;
    };
    const Cas cas[] = {
        {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F},
        {0x80, 0x20AC}, {0x81, 0x0081}, {0x8C, 0x0152}, {0x8D, 0x008D},
        {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D},
        {0x96, 0x2013}, {0x9C, 0x0153}, {0x9D, 0x009D}, {0x9F, 0x0178},
        {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const Cas& c : cas) {
        const QByteArray octet(1, static_cast<char>(c.octet));
        EXPECT_EQ(Windows1252::decode(octet), QString(QChar(c.caractere))) << std::hex << int(c.octet);
        QByteArray code;
        EXPECT_TRUE(Windows1252::encode(QString(QChar(c.caractere)), code)) << std::hex << int(c.octet);
        EXPECT_EQ(code, octet) << std::hex << int(c.octet);
    }
}

// The C1 characters that the code page replaced by printable ones have no
// byte: encoding them would give a byte that reads back as another
// character. Neither has anything past U+00FF that the table lacks.
TEST(Windows1252, CaracteresSansOctet)
{
    const char16_t sansOctet[] = {0x0080, 0x0082, 0x0093, 0x0094, 0x009E, 0x0100, 0x2017, 0x201F};
    for (char16_t c : sansOctet) {
        const QString texte{QChar(c)};
        QByteArray code;
        EXPECT_FALSE(Windows1252::encode(texte, code)) << std::hex << int(c);
        EXPECT_FALSE(Windows1252::peutCoder(texte)) << std::hex << int(c);
    }
}
