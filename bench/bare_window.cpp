// The reference for the start-up benchmark: a bare Qt window showing one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Savanto"));
    label.resize(418, 309);
    label.show();
    return QApplication::exec();
}
