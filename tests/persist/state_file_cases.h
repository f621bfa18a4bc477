// Damaged puzzle state files, each with the words its error must contain, made from the
// hand-built 3 x 2 game in play.
#pragma once

#include "state_file_bytes.h"

#include <functional>
#include <random>

namespace tess::test {

struct BrokenFile {
    QString name;
    QByteArray bytes;
    QString expected;
};

inline std::vector<BrokenFile> BrokenFiles(const QString& picture) {
    const HandGame good = MidGameThreeByTwo(picture);
    const QByteArray base = good.Bytes();
    std::vector<BrokenFile> cases;

    // Cut at every record boundary, just inside every record, and one byte short.
    for (int record = 1; record <= good.RecordCount(); ++record) {
        const qsizetype start = HandGame::RecordOffset(record);
        cases.push_back({QStringLiteral("cut before record %1").arg(record), base.left(start),
                         QStringLiteral("the file ends before")});
        cases.push_back({QStringLiteral("cut inside record %1").arg(record), base.left(start + 1),
                         QStringLiteral("the file ends inside")});
    }
    cases.push_back({QStringLiteral("last byte missing"), base.left(base.size() - 1),
                     QStringLiteral("the file ends inside the elapsed time")});

    auto patched = [&](const char* name, std::function<void(QByteArray&)> change,
                       const char* expected) {
        QByteArray bytes = base;
        change(bytes);
        cases.push_back({QString::fromLatin1(name), bytes, QString::fromLatin1(expected)});
    };
    auto edited = [&](const char* name, std::function<void(HandGame&)> change,
                      const char* expected) {
        HandGame game = good;
        change(game);
        cases.push_back({QString::fromLatin1(name), game.Bytes(), QString::fromLatin1(expected)});
    };
    const qsizetype pieces = HandGame::RecordOffset(2);
    const qsizetype columns = HandGame::RecordOffset(3);
    const qsizetype rows = HandGame::RecordOffset(4);
    const qsizetype placed = HandGame::RecordOffset(5);

    patched(
        "no pieces", [&](QByteArray& b) { PutI16(b, pieces, 0); },
        "the number of pieces is 0, outside 1 to 1024");
    patched(
        "negative pieces", [&](QByteArray& b) { PutI16(b, pieces, -6); },
        "the number of pieces is -6");
    patched(
        "too many pieces", [&](QByteArray& b) { PutI16(b, pieces, 1025); },
        "the number of pieces is 1025");
    patched(
        "grid short of the pieces", [&](QByteArray& b) { PutI16(b, pieces, 5); },
        "a grid of 3 columns and 2 rows does not hold 5 pieces");
    patched(
        "no columns", [&](QByteArray& b) { PutI16(b, columns, 0); },
        "the number of columns is 0, outside 1 to 6");
    patched(
        "rows beyond the pieces", [&](QByteArray& b) { PutI16(b, rows, 7); },
        "the number of rows is 7");
    patched(
        "more placed than pieces", [&](QByteArray& b) { PutI16(b, placed, 7); },
        "the number of placed pieces is 7, outside 0 to 6 (the number of pieces)");
    patched(
        "negative placed", [&](QByteArray& b) { PutI16(b, placed, -1); },
        "the number of placed pieces is -1");
    patched(
        "slot count beyond the pieces",
        [&](QByteArray& b) { PutI16(b, good.SlotCountOffset(), 7); }, "the group slot count is 7");
    patched(
        "drawing order longer than the slots",
        [&](QByteArray& b) { PutI16(b, good.OrderCountOffset(), 7); },
        "the number of groups in the drawing order is 7, outside 0 to 6");
    patched(
        "negative drawing order", [&](QByteArray& b) { PutI16(b, good.OrderCountOffset(), -2); },
        "the number of groups in the drawing order is -2");

    edited(
        "piece both placed and in a group",
        [](HandGame& g) {
            g.GroupRecords[3] = {0, {3, 4}, 0, 2, 0, 1};
            g.PieceRecords[2].Group = 4;
        },
        "piece 3 is listed 2 times");
    edited(
        "piece listed twice in one group",
        [](HandGame& g) {
            g.GroupRecords[0].Members = {1, 1};
        },
        "the members of group slot 1 are not in ascending order");
    edited(
        "members out of order",
        [](HandGame& g) {
            g.GroupRecords[4].Members = {6, 5};
        },
        "the members of group slot 5 are not in ascending order");
    edited(
        "piece in no group",
        [](HandGame& g) {
            g.GroupRecords[3].Members = {};
            g.Order = {1, 5};
        },
        "piece 4 is neither in a group nor placed");
    edited(
        "member out of range", [](HandGame& g) { g.GroupRecords[3].Members = {7}; },
        "group slot 4 lists piece 7, outside 1 to 6");
    edited(
        "bounds that miss a member", [](HandGame& g) { g.GroupRecords[4].MaxCol = 1; },
        "bounds of group slot 5 do not match");
    edited(
        "piece naming another group", [](HandGame& g) { g.PieceRecords[3].Group = 5; },
        "piece 4 is listed in group slot 4 but names slot 5");
    edited(
        "placed piece naming a group", [](HandGame& g) { g.PieceRecords[2].Group = 3; },
        "placed piece 3 names group slot 3 instead of 0");
    edited(
        "group slot out of range", [](HandGame& g) { g.PieceRecords[3].Group = 9; },
        "piece 4 names group slot 9, outside 0 to 6");
    edited(
        "piece in the wrong cell", [](HandGame& g) { g.PieceRecords[3].Col = 1; },
        "piece 4 is stored at column 1, row 1, but its place is column 0, row 1");
    edited(
        "knob where a socket belongs", [](HandGame& g) { g.PieceRecords[4].TopOut = -1; },
        "piece 5 has knobs and sockets that do not match");
    edited(
        "flag holding 1", [](HandGame& g) { g.PieceRecords[1].JoinedLeft = 1; },
        "piece 2 has JoinedLeft set to 1, where only -1 and 0 are allowed");
    edited(
        "in-place flag holding 5", [](HandGame& g) { g.GroupRecords[2].InPlace = 5; },
        "group slot 3 has InPlace set to 5");
    edited(
        "live group marked in place", [](HandGame& g) { g.GroupRecords[3].InPlace = -1; },
        "group slot 4 holds pieces but is marked as fixed in place");
    edited(
        "piece far away", [](HandGame& g) { g.PieceRecords[0].X = 100000; },
        "piece 1 lies at (100000, 50), far outside any play field");
    edited(
        "placed entry out of range", [](HandGame& g) { g.Placed = {0}; },
        "placed piece entry 1 names piece 0, outside 1 to 6");
    edited(
        "drawing order naming an empty slot",
        [](HandGame& g) {
            g.Order = {4, 1, 5, 2};
        },
        "drawing order entry 4 names group slot 2, which holds no pieces");
    edited(
        "drawing order out of range",
        [](HandGame& g) {
            g.Order = {4, 1, 7};
        },
        "drawing order entry 3 names group slot 7, outside 1 to 6");
    edited(
        "group drawn twice",
        [](HandGame& g) {
            g.Order = {4, 1, 1};
        },
        "the drawing order lists group slot 1 more than once");
    edited(
        "group never drawn",
        [](HandGame& g) {
            g.Order = {4, 1};
        },
        "group slot 5 holds pieces but is missing from the drawing order");
    edited(
        "negative clock", [](HandGame& g) { g.ElapsedSeconds = -5; },
        "the elapsed time is negative (-5 seconds)");

    const qsizetype group1 = HandGame::GroupOffset(1);
    patched(
        "member list of two dimensions", [&](QByteArray& b) { PutI16(b, group1 + 2, 2); },
        "group slot 1 has a member list of 2 dimensions instead of 1");
    patched(
        "member list too long for a record", [&](QByteArray& b) { PutI32(b, group1 + 4, 54); },
        "group slot 1 has a member list of 54 elements, where a record holds 1 to 53");
    patched(
        "member list without element 0", [&](QByteArray& b) { PutI32(b, group1 + 4, 0); },
        "group slot 1 has a member list of 0 elements");
    patched(
        "member list from index 1", [&](QByteArray& b) { PutI32(b, group1 + 8, 1); },
        "group slot 1 has a member list starting at index 1 instead of 0");
    patched(
        "element 0 in use", [&](QByteArray& b) { PutI16(b, group1 + 12, 9); },
        "group slot 1 holds 9 in element 0");
    patched(
        "member count disagreeing with the list",
        [&](QByteArray& b) { PutI16(b, group1 + 12 + 2 * 3, 3); },
        "group slot 1 counts 3 members but its member list holds 2");

    // Random bytes of several lengths, from a fixed seed; and random bytes behind a sound
    // start, where the piece records are the first to be read from them.
    std::mt19937 random(20261205u);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const int size : {1, 127, 128, 700, 3000, 20000}) {
        QByteArray noise(size, '\0');
        for (char& c : noise) {
            c = static_cast<char>(byte(random));
        }
        cases.push_back({QStringLiteral("%1 random bytes").arg(size), noise, QString()});
        cases.push_back({QStringLiteral("%1 random bytes behind a sound start").arg(size),
                         base.left(HandGame::PieceOffset(1)) + noise, QString()});
    }
    return cases;
}

} // namespace tess::test
