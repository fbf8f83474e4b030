// The start-up baseline: a bare Qt Widgets dialog with the main window's size
// (240 x 268 client area and a 26-pixel menu bar) and nothing in it.
//
// With --text it also shows the text of the game's first frame, in plain Qt
// widgets: the menu bar with its two menus and the four labels. That is the
// least any Qt program showing this text pays, whatever else it does.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>

#include <cstring>

namespace {

void AddFirstFrameText(QDialog& dlg)
{
    auto* pMenuBar = new QMenuBar(&dlg);
    pMenuBar->setNativeMenuBar(false);
    pMenuBar->setGeometry(0, 268, 240, 26);
    pMenuBar->addMenu(QStringLiteral("Game"))->addAction(QStringLiteral("New"));
    QMenu* pTools = pMenuBar->addMenu(QStringLiteral("Tools"));
    for (const char* pszItem : {"About", "Best Scores...", "Options..."})
        pTools->addAction(QString::fromLatin1(pszItem));

    const struct {
        const char* pszText;
        QRect rect;
    } labels[] = {{"Moves ", {5, 245, 40, 16}}, {"0", {45, 245, 30, 16}},
                  {"Time ", {75, 245, 45, 16}}, {"00m00s", {120, 245, 80, 16}}};
    for (const auto& label : labels)
        (new QLabel(QString::fromLatin1(label.pszText), &dlg))->setGeometry(label.rect);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dlg;
    dlg.setFixedSize(240, 294);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        AddFirstFrameText(dlg);
    return dlg.exec();
}
