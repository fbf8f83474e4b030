#pragma once

#include <QByteArray>

#include <array>

// Which won game set each record of the stats file. The stats file's bytes
// have no room for it, so it lives in a file beside (Stats.bin.games), which
// speaks only for the very bytes of the stats file it was written with: a
// game of another version, or a file copied in, makes it say nothing. A name
// typed after a win goes only to the records that still carry that game's id.
struct SRecordSetters
{
    static constexpr int kSlots = 6;
    // A real one is about 240 bytes.
    static constexpr qint64 kMaxFileBytes = 4096;

    // The slots follow the names in the stats file: least moves of 3x3, 4x4
    // and 5x5, then the fastest times.
    static int MovesSlot(int nLevel) { return nLevel; }
    static int TimeSlot(int nLevel) { return kSlots / 2 + nLevel; }
    // An id no other game has, on any machine.
    static QByteArray NewGame();

    bool IsEmpty() const { return *this == SRecordSetters(); }
    // The file's bytes for the stats file's bytes.
    QByteArray Encode(const QByteArray& statsBytes) const;
    // No setters unless the file was written for these stats file bytes.
    static SRecordSetters Decode(const QByteArray& bytes, const QByteArray& statsBytes);

    std::array<QByteArray, kSlots> games;
    bool operator==(const SRecordSetters&) const = default;
};
