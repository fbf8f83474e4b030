// Takes the README's pictures of the installed game in a private Xvfb: the 4x4
// letter board in home order, the Best Scores dialog over a few records, the
// Options dialog, and a scrambled 5x5 board cut from a player's picture.

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include "scores/StatsCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "E2eSupport.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

using namespace E2e;

namespace {

// Where the Tools menu's title starts in the menu bar, and its entries.
constexpr int kToolsMenuX = 70;
constexpr int kToolsEntries = 3;
constexpr int kBestScoresEntry = 1;
constexpr int kOptionsEntry = 2;

// A harbour at sunset, drawn from shapes alone so that every machine draws the
// same picture: a sky fading into the sun, hills, the sea with the sun's path
// on it and a sailing boat.
QImage DrawPlayerPicture()
{
    constexpr int kSize = 232;
    constexpr double kHorizon = 140;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(0x1d, 0x3b, 0x6e));
    sky.setColorAt(0.55, QColor(0xc8, 0x6b, 0x7a));
    sky.setColorAt(1.0, QColor(0xf7, 0xc0, 0x6e));
    painter.fillRect(QRectF(0, 0, kSize, kHorizon), sky);

    const QPointF sun(150, 118);
    QRadialGradient glow(sun, 70);
    glow.setColorAt(0.0, QColor(255, 240, 200, 230));
    glow.setColorAt(1.0, QColor(255, 200, 120, 0));
    painter.setBrush(glow);
    painter.drawEllipse(sun, 70, 70);
    painter.setBrush(QColor(0xff, 0xf1, 0xbf));
    painter.drawEllipse(sun, 19, 19);

    QPainterPath farHills(QPointF(0, kHorizon));
    farHills.cubicTo(30, 96, 62, 100, 88, 122);
    farHills.cubicTo(104, 112, 118, 118, 128, kHorizon);
    farHills.closeSubpath();
    painter.setBrush(QColor(0x6b, 0x4f, 0x7a));
    painter.drawPath(farHills);
    QPainterPath nearHill(QPointF(160, kHorizon));
    nearHill.cubicTo(185, 118, 210, 104, kSize, 110);
    nearHill.lineTo(kSize, kHorizon);
    nearHill.closeSubpath();
    painter.setBrush(QColor(0x3e, 0x2f, 0x5b));
    painter.drawPath(nearHill);

    QLinearGradient sea(0, kHorizon, 0, kSize);
    sea.setColorAt(0.0, QColor(0xe0, 0x93, 0x62));
    sea.setColorAt(0.35, QColor(0x7a, 0x5c, 0x7e));
    sea.setColorAt(1.0, QColor(0x1c, 0x33, 0x5c));
    painter.fillRect(QRectF(0, kHorizon, kSize, kSize - kHorizon), sea);
    // The sun's path: short strokes that widen towards the viewer.
    painter.setBrush(QColor(0xff, 0xe2, 0xa0, 200));
    for (int i = 0; i < 14; ++i) {
        const double y = kHorizon + 3 + i * 6.5;
        const double half = 6 + i * 2.2 + (i % 3) * 3;
        painter.drawRoundedRect(QRectF(sun.x() - half + (i % 2) * 4, y, 2 * half, 2.2), 1, 1);
    }

    QPainterPath hull(QPointF(44, 170));
    hull.lineTo(92, 170);
    hull.lineTo(84, 179);
    hull.lineTo(52, 179);
    hull.closeSubpath();
    painter.setBrush(QColor(0x2a, 0x1e, 0x2e));
    painter.drawPath(hull);
    painter.fillRect(QRectF(67, 118, 2, 52), QColor(0x2a, 0x1e, 0x2e));
    QPainterPath mainSail(QPointF(70, 120));
    mainSail.quadTo(88, 142, 88, 166);
    mainSail.lineTo(70, 166);
    mainSail.closeSubpath();
    painter.setBrush(QColor(0xfb, 0xf3, 0xe4));
    painter.drawPath(mainSail);
    QPainterPath jib(QPointF(66, 126));
    jib.lineTo(66, 166);
    jib.lineTo(48, 166);
    jib.closeSubpath();
    painter.setBrush(QColor(0xf0, 0xd9, 0xc0));
    painter.drawPath(jib);

    painter.setPen(QPen(QColor(0x2a, 0x1e, 0x2e), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& bird : {QPointF(48, 40), QPointF(66, 30), QPointF(82, 46)}) {
        QPainterPath wings(bird + QPointF(-7, -3));
        wings.quadTo(bird + QPointF(-3, -5), bird);
        wings.quadTo(bird + QPointF(3, -5), bird + QPointF(7, -3));
        painter.drawPath(wings);
    }
    return image;
}

// Records of three players on the three grid sizes.
std::string CraftedStats()
{
    SStatsRecords records;
    records.leastMoves = {24, 87, 231};
    records.fastestTime = {31, 139, 655};
    records.movesName = {QStringLiteral("Ingrid"), QStringLiteral("Tomás"), QStringLiteral("Maja")};
    records.timeName = {QStringLiteral("Ola"), QStringLiteral("Ingrid"), QStringLiteral("Maja")};
    const QByteArray bytes = CStatsCodec::Encode(records);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The window once it has looked the same for 200 ms and done() holds.
SShot Settled(Display* dpy, Window win, const std::function<bool(const SShot&)>& done = nullptr)
{
    SShot last;
    SShot shot;
    if (!WaitFor(20, [&] {
            last = shot;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            return Grab(dpy, win, shot) && shot == last && (!done || done(shot));
        }))
        Fail("the window " + WindowName(dpy, win) + " did not settle");
    return shot;
}

void SavePng(const SShot& shot, const std::string& path)
{
    QImage image(shot.width, shot.height, QImage::Format_RGB32);
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            image.setPixel(x, y, static_cast<QRgb>(0xff000000u | shot.At(x, y)));
    if (!image.save(QString::fromStdString(path), "PNG"))
        Fail("cannot write " + path);
    Step("saved " + path);
}

Window OpenDialog(Display* dpy, Window win, int nEntry, const std::string& title)
{
    Step("choosing Tools, then " + title);
    ChooseMenu(dpy, win, kToolsMenuX, nEntry, kToolsEntries);
    return WaitForWindow(dpy, title, 10);
}

void CloseDialog(Display* dpy, Window dialog)
{
    SendDeleteWindow(dpy, dialog);
    if (!WaitFor(10, [&] {
            const std::vector<Window> shown = ViewableTopLevels(dpy);
            return std::find(shown.begin(), shown.end(), dialog) == shown.end();
        }))
        Fail("the dialog did not close");
}

} // namespace

int main(int argc, char** argv)
{
    // Loads Qt's image format plugins, for the JPEG picture.
    QCoreApplication app(argc, argv);
    const SRun run = Begin(argc, argv, "slydra-shots", {"--out"});
    Display* dpy = run.dpy;
    if (!run.args.count("--out"))
        Fail("usage: screenshot_driver --prefix PREFIX --out FOLDER [--build-dir DIR --built-binary FILE]");
    const std::string out = run.args.at("--out");
    if (!QDir().mkpath(QString::fromStdString(out)))
        Fail("cannot create " + out);
    const std::string settings = run.workDir + "/config/Brevik/Slydra.conf";
    QDir().mkpath(QString::fromStdString(run.workDir + "/data/Brevik/Slydra"));
    WriteFile(run.workDir + "/data/Brevik/Slydra/Stats.bin", CraftedStats());
    auto cornerBlank = [](int nGrid) {
        return [nGrid](const SShot& shot) { return PlainCell(shot, nGrid, nGrid - 1, nGrid - 1); };
    };

    Step("the letter board and the records");
    WriteFile(settings, "[Settings]\nDims=4\nUseAnim=1\nUsePic=0\n");
    Window win = StartGame(run);
    SavePng(Settled(dpy, win, cornerBlank(4)), out + "/board-4x4.png");
    Window dialog = OpenDialog(dpy, win, kBestScoresEntry, "Best Scores");
    SavePng(Settled(dpy, dialog), out + "/best-scores.png");
    CloseDialog(dpy, dialog);
    CloseGame(dpy, win);

    Step("the player's picture");
    // The field shows the end of the path: a folder name longer than the
    // field keeps the work folder's random name out of the picture.
    const std::string folder = run.workDir + "/home/Pictures/Summer by the sea";
    const std::string picture = folder + "/harbour.jpg";
    QDir().mkpath(QString::fromStdString(folder));
    if (!DrawPlayerPicture().save(QString::fromStdString(picture), "JPG", 92))
        Fail("cannot write " + picture);
    WriteFile(settings, "[Settings]\nDims=5\nUseAnim=1\nUsePic=1\nLocation=" + picture + "\n");
    win = StartGame(run);
    const SShot home = Settled(dpy, win, cornerBlank(5));
    dialog = OpenDialog(dpy, win, kOptionsEntry, "Options");
    SavePng(Settled(dpy, dialog), out + "/options.png");
    CloseDialog(dpy, dialog);

    ChooseGameNew(dpy, win);
    SavePng(Settled(dpy, win, [&](const SShot& shot) { return !(shot == home); }), out + "/board-5x5-picture.png");
    CloseGame(dpy, win);
    XCloseDisplay(dpy);
    Step("done");
    return 0;
}
