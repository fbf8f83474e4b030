#include "scores/RecordSetters.h"

#include <QCryptographicHash>
#include <QList>
#include <QUuid>

namespace {

QByteArray Fingerprint(const QByteArray& statsBytes)
{
    return QCryptographicHash::hash(statsBytes, QCryptographicHash::Sha1).toHex();
}

} // namespace

QByteArray SRecordSetters::NewGame()
{
    return QUuid::createUuid().toByteArray(QUuid::Id128);
}

// One line for the stats file's fingerprint, then one a slot: the game's id,
// or nothing.
QByteArray SRecordSetters::Encode(const QByteArray& statsBytes) const
{
    QByteArray bytes = Fingerprint(statsBytes) + '\n';
    for (const QByteArray& game : games)
        bytes += game + '\n';
    return bytes;
}

SRecordSetters SRecordSetters::Decode(const QByteArray& bytes, const QByteArray& statsBytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    SRecordSetters setters;
    if (lines.size() <= kSlots || lines.front() != Fingerprint(statsBytes))
        return setters;
    for (int slot = 0; slot < kSlots; ++slot)
        setters.games[slot] = lines[slot + 1];
    return setters;
}
