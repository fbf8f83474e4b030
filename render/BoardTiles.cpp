#include "render/BoardTiles.h"

#include "render/LetterSheet.h"
#include "render/PicturePrepare.h"
#include "render/TilePicture.h"

#include <QPainter>

#include <cmath>

CBoardTiles::CBoardTiles(QObject* pParent)
    : QObject(pParent)
{
    m_startTimer.setSingleShot(true);
    m_startTimer.setInterval(0);
    connect(&m_startTimer, &QTimer::timeout, this, [this] {
        if (m_wanted && m_preparedFor != *m_wanted)
            m_loader.Start(*m_wanted);
    });
    connect(&m_loader, &CPictureLoader::Ready, this, &CBoardTiles::OnReady);
}

void CBoardTiles::SetSource(const STileSource& source)
{
    if (source.strPath != m_source.strPath || source.crFace != m_source.crFace) {
        m_preparedFor = {};
        m_prepared = QImage();
    }
    m_source = source;
    m_wanted.reset();
    m_tilesFor.reset();
}

const QImage& CBoardTiles::For(const SBoardLayout& layout, int nGridSize)
{
    const std::tuple<int, int, int> key(layout.nTileSize, layout.nRing, nGridSize);
    if (m_tilesFor != key || m_tiles.isNull()) {
        m_tilesFor = key;
        m_tiles = Make(layout, nGridSize);
    }
    return m_tiles;
}

QImage CBoardTiles::Make(const SBoardLayout& layout, int nGridSize)
{
    const int t = layout.nTileSize;
    if (m_source.strPath.isEmpty() || t <= 0)
        return Letters(layout, nGridSize);
    const int nSide = kPictureCanvasSide;
    const SPictureTarget target{m_source.bFit ? QSize(nGridSize * t, nGridSize * t) : QSize(nSide, nSide),
                                m_source.bFit};
    const SPictureJob job{m_source.strPath, target, m_source.crFace};
    if (m_wanted != job) {
        m_wanted = job;
        const QImage cached = CachedPicture(job.strPath, job.target, job.crBackground);
        if (!cached.isNull()) {
            m_preparedFor = job;
            m_prepared = cached;
        } else if (m_preparedFor != job) {
            m_startTimer.start();
        }
    }
    if (m_prepared.isNull() || m_preparedFor.target.bFit != m_source.bFit)
        return Letters(layout, nGridSize);
    m_bLetters = false;
    if (m_source.bFit)
        return Fitted(layout, nGridSize);
    const int nTile1x = BoardGeometry::TileSize(BoardGeometry::kClientWidth, nGridSize);
    if (t == nTile1x && layout.nRing == 1)
        return m_prepared;
    const auto scaled = [t, nTile1x](int nLength) {
        return static_cast<int>(std::lround(double(nLength) * t / nTile1x));
    };
    return m_prepared.scaled(scaled(m_prepared.width()), scaled(m_prepared.height()), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
}

QImage CBoardTiles::Letters(const SBoardLayout& layout, int nGridSize)
{
    m_bLetters = true;
    const int t = layout.nTileSize;
    if ((t == BoardGeometry::TileSize(BoardGeometry::kClientWidth, nGridSize) && layout.nRing == 1) || t <= 0)
        return LetterTiles(nGridSize);
    return LetterSheet::ToImage(LetterSheet::Draw(nGridSize, t, layout.nRing, nGridSize * t))
        .convertToFormat(QImage::Format_RGB32);
}

// A picture for another size stands in, scaled quickly, until its own is ready.
QImage CBoardTiles::Fitted(const SBoardLayout& layout, int nGridSize) const
{
    const int t = layout.nTileSize;
    const int nSide = nGridSize * t;
    QImage tiles = m_prepared.width() == nSide
                       ? m_prepared.copy()
                       : m_prepared.scaled(nSide, nSide, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter painter(&tiles);
    const int d = layout.nRing;
    for (int i = 1; i <= nGridSize; ++i) {
        painter.fillRect(i * t - d, 0, d, nSide, m_source.crLine);
        painter.fillRect(0, i * t - d, nSide, d, m_source.crLine);
    }
    return tiles;
}

void CBoardTiles::OnReady(const SPictureJob& job, const SPictureResult& result)
{
    if (m_wanted != job)
        return;
    m_preparedFor = result.image.isNull() ? SPictureJob() : job;
    m_prepared = result.image;
    m_tilesFor.reset();
    emit Changed();
    if (result.image.isNull())
        emit PictureNotShown(job.strPath, result.eFault);
}
