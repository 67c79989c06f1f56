// Renders the program's icon, drawn as SVG, once at build time into a PNG
// file of the given size, for the desktop's icon theme (the hicolor sizes).
//   rend_icone source.svg cible.png taille
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage : rend_icone source.svg cible.png taille\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer rendu(QString::fromLocal8Bit(argv[1]));
    if (!rendu.isValid()) {
        std::fprintf(stderr, "image illisible : %s\n", argv[1]);
        return 1;
    }
    bool nombre = false;
    const int taille = QString::fromLatin1(argv[3]).toInt(&nombre);
    if (!nombre || taille < 1 || taille > 4096) {
        std::fprintf(stderr, "taille invalide : %s\n", argv[3]);
        return 2;
    }
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    rendu.render(&peintre);
    peintre.end();
    // Written beside, then renamed: an interrupted build never leaves half
    // a PNG that looks done.
    QSaveFile cible(QString::fromLocal8Bit(argv[2]));
    if (!cible.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "ne peut créer %s\n", argv[2]);
        return 1;
    }
    QImageWriter ecrivain(&cible, "png");
    if (!ecrivain.write(image)) {
        std::fprintf(stderr, "ne peut écrire %s : %s\n", argv[2], qPrintable(ecrivain.errorString()));
        return 1;
    }
    return cible.commit() ? 0 : 1;
}
