// A bare Qt main window, started the way Vardel starts: the yardstick of the
// start-up timing script.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenetre nue"));
    fenetre.resize(777, 565);
    fenetre.showMaximized();
    return QApplication::exec();
}
