// Renders the pictures of the windows, drawn as SVG, into PNG files at the
// size the windows show them, once at build time: the program then loads
// plain pictures at start instead of parsing and drawing vector files.
//   rend_images source.svg cible.png largeur hauteur
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage : rend_images source.svg cible.png largeur hauteur\n");
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
    // Stored, not deflated: the program reads it at start, and a stored
    // picture decodes at the speed of a copy.
    return image.save(QString::fromLocal8Bit(argv[2]), "PNG", 100) ? 0 : 1;
}
