// debt: plans the repayment of personal debts.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvane"));
    QMainWindow window;
    window.setObjectName(QStringLiteral("MainWin"));
    window.setWindowTitle(QStringLiteral("Zelvane"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
