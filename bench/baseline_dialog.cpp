// The start-up baseline: a bare Qt Widgets dialog with the main window's size
// (240 x 268 client area and a 26-pixel menu bar) and nothing in it.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dlg;
    dlg.setFixedSize(240, 294);
    return dlg.exec();
}
