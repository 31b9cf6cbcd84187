// The reference of the start-up time in bench/run.sh: a bare Qt window with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Tidemark"));
    label.show();
    return QApplication::exec();
}
