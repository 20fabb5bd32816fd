#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Glarewell"));
    QCoreApplication::setOrganizationName(QStringLiteral("Brookvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLAREWELL_VERSION));
    return 0;
}
