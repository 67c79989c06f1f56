// A Qt main window that shows one caption, started the way Vardel starts:
// the yardstick of the start-up timing script. The caption matters: a window
// without text never loads the font database, which every real window does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenetre nue"));
    fenetre.setCentralWidget(new QLabel(QStringLiteral("Caractéristiques du personnage"), &fenetre));
    fenetre.resize(777, 565);
    fenetre.showMaximized();
    return QApplication::exec();
}
