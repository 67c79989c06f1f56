#include "Images.h"

#include <QImage>
#include <QResource>
#include <cstring>

QPixmap Image(const char* nom)
{
    // Stored uncompressed: the data lie in the program itself.
    const QResource ressource(QStringLiteral(":/images/%1.argb").arg(QLatin1String(nom)));
    const uchar* donnees = ressource.data();
    quint32 taille[2] = {0, 0};
    if (!donnees || ressource.compressionAlgorithm() != QResource::NoCompression || ressource.size() < qint64(sizeof taille))
        return {};
    std::memcpy(taille, donnees, sizeof taille);
    if (ressource.size() != qint64(sizeof taille) + qint64(taille[0]) * taille[1] * 4)
        return {};
    const QImage image(donnees + sizeof taille, int(taille[0]), int(taille[1]), int(taille[0] * 4),
                       QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}

QIcon Icone(const char* nom)
{
    return QIcon(Image(nom));
}
