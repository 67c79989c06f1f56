// Renders the pictures of the windows, drawn as SVG, once at build time, at
// the size the windows show them, into raw pictures: the width and the
// height (32 bits each, in the machine's order), then the premultiplied
// ARGB pixels row by row. The program shows them straight from its
// resources, with nothing to parse, decode or load at start.
//   rend_images source.svg cible.argb largeur hauteur
#include <QSaveFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage : rend_images source.svg cible.argb largeur hauteur\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer rendu(QString::fromLocal8Bit(argv[1]));
    if (!rendu.isValid()) {
        std::fprintf(stderr, "image illisible : %s\n", argv[1]);
        return 1;
    }
    QImage image(QString::fromLatin1(argv[3]).toInt(), QString::fromLatin1(argv[4]).toInt(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    rendu.render(&peintre);
    peintre.end();
    QSaveFile cible(QString::fromLocal8Bit(argv[2]));
    if (!cible.open(QIODevice::WriteOnly))
        return 1;
    const quint32 taille[2] = {static_cast<quint32>(image.width()), static_cast<quint32>(image.height())};
    cible.write(reinterpret_cast<const char*>(taille), sizeof taille);
    for (int y = 0; y < image.height(); ++y)
        cible.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return cible.commit() ? 0 : 1;
}
