#pragma once

#include "render/BoardGeometry.h"
#include "render/PictureLoader.h"

#include <QImage>
#include <QTimer>

#include <optional>
#include <tuple>

// What the tiles show: the letters of the grid size, or the player's picture file.
struct STileSource
{
    QString strPath;  // empty: the letters
    bool bFit = false;
    QColor crFace;  // behind see-through pixels
    QColor crLine;  // between the tiles of a fitted picture
    bool operator==(const STileSource&) const = default;
};

// The picture the tiles are cut from, at the tile size shown: a letter sheet,
// drawn afresh for other sizes; a picture on the 232 x 232 canvas, scaled
// smoothly for them; or a fitted picture, prepared from its file for the size
// in device pixels, with a line one ring wide along each tile's right and
// bottom edges. A picture is prepared off the user-interface thread; until it
// is ready the tiles show the same picture prepared for another size, scaled,
// or else the letters.
class CBoardTiles : public QObject
{
    Q_OBJECT
public:
    explicit CBoardTiles(QObject* pParent = nullptr);

    // Takes the source afresh: a picture that could not be shown is tried again.
    void SetSource(const STileSource& source);
    // Made once for each layout.
    const QImage& For(const SBoardLayout& layout, int nGridSize);
    bool ShowsLetters() const { return m_bLetters; }
    bool IsPreparing() const { return m_startTimer.isActive() || m_loader.IsBusy(); }

signals:
    // A picture is ready, or cannot be shown: the tiles are made anew at the next For.
    void Changed();
    void PictureNotShown(const QString& strPath, EPictureFault eFault);

private:
    QImage Make(const SBoardLayout& layout, int nGridSize);
    QImage Letters(const SBoardLayout& layout, int nGridSize);
    QImage Fitted(const SBoardLayout& layout, int nGridSize) const;
    void OnReady(const SPictureJob& job, const SPictureResult& result);

    STileSource m_source;
    std::optional<SPictureJob> m_wanted;  // what the size shown needs
    SPictureJob m_preparedFor;  // empty while nothing is
    QImage m_prepared;  // for m_source's file, maybe for another size
    QTimer m_startTimer;  // starts m_wanted once the layouts of one turn of the event loop are done
    CPictureLoader m_loader;
    QImage m_tiles;
    std::optional<std::tuple<int, int, int>> m_tilesFor;  // tile size, ring width and grid size of m_tiles
    bool m_bLetters = true;
};
