// Random play with Undo and Redo in a child process killed at random moments, again and
// again, each child going on with the game the last one left through Continue Last Game.
#include "history/history_fixture.h"
#include "persist/state_file.h"
#include "puzzle/invariants.h"

#include <array>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tess::test {
namespace {

// What a child shares with the test: the changes it has made, the kept file each of the last
// two should have left (its path and the hash of its bytes; empty: none), whether a change is
// under way, and the play done.
struct Shared {
    std::atomic<int> changes, drags, pairs;
    std::atomic<bool> changing;
    std::array<std::size_t, 2> hashes;
    std::array<std::array<char, 512>, 2> paths;
};

// Plays until killed: drags a piece by its middle to within 6 pixels of its fit to a
// neighbour (one time in nine of its home), and one time in twenty an Undo and a Redo; after
// each change what the kept file should become is noted, then it is written (as the timer
// would). The picture is cut into 6 x 4 pieces.
[[noreturn]] void Play(Shared& shared, const QString& data, unsigned seed) {
    qputenv("TMPDIR", QFileInfo(data).path().toUtf8()); // its folders go with the test's
    HistoryFixture f(data);
    f.host.playFieldSize = QSize(520, 400);
    Puzzle& p = f.game->puzzle;
    std::mt19937 rng(seed);
    auto uniform = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    auto note = [&shared](int k, const QString& path, const QByteArray& file) {
        shared.hashes[k % 2] = qHash(file);
        qstrncpy(shared.paths[k % 2].data(), path.toUtf8().constData(), shared.paths[0].size());
    };
    auto change = [&](const std::function<void()>& making) {
        shared.changing = true;
        making();
        const QString path = f.history->KeptPath();
        note(shared.changes + 1, path,
             path.isEmpty() ? QByteArray() : WriteStateFile(p, path).bytes);
        ++shared.changes;
        f.history->SaveNow();
        shared.changing = false;
    };
    if (f.history->ContinueLastGame()) {
        note(0, f.history->KeptPath(), ReadAll(f.history->KeptPath()));
    } else {
        change([&] { f.Open("p.bmp", 24); });
    }
    for (;;) {
        if (p.PuzzleSolved) {
            change([&] { f.game->mnuFileScramble_Click(); });
        } else if (uniform(0, 19) == 0) {
            change([&] { f.history->Undo(); });
            change([&] { f.history->Redo(); });
            ++shared.pairs;
        } else {
            const GroupRecord& group = p.Groups[p.GroupOrder[uniform(1, p.GroupOrderCount)]];
            const Integer i = group.Members[uniform(1, group.MemberCount)];
            const int n = i + std::array{-6, 6, -1, 1}[uniform(0, 3)];
            const bool near = uniform(0, 8) > 0 && n >= 1 && n <= 24;
            const int dx = uniform(-6, 6), dy = uniform(-6, 6);
            change([&] { f.DragBeside(i, near ? n : 0, dx, dy); });
            ++shared.drags;
        }
    }
}

TEST(HistorySoak, KilledAtRandomMomentsEveryKeptGameLoadsWholeAtMostOneChangeBehind) {
    QTemporaryDir folder;
    const QString data = folder.path() + "/data";
    auto* shared = static_cast<Shared*>(
        mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(shared, MAP_FAILED);
    std::mt19937 rng(20261207u);
    int drags = 0, pairs = 0;
    while (drags < 2000 || pairs < 100) {
        new (shared) Shared{};
        const unsigned seed = rng();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Play(*shared, data, seed);
        }
        usleep(std::uniform_int_distribution<useconds_t>(20000, 300000)(rng));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        drags += shared->drags;
        pairs += shared->pairs;

        const int c = shared->changes;
        // A child killed while making a lock file leaves one that names no process, and the
        // next child may start a game of its own beside that one: the child's game is the
        // file it last noted.
        auto holds = [&](int k) {
            return qHash(ReadAll(QString::fromUtf8(shared->paths[k % 2].data()))) ==
                   shared->hashes[k % 2];
        };
        // A child killed before it took the last one's game up leaves that as it was; a change
        // under way may have finished the game and removed its file.
        EXPECT_TRUE(
            c == 0 || holds(c) || holds(c + 1) ||
            (shared->changing && !QFile::exists(QString::fromUtf8(shared->paths[c % 2].data()))))
            << "after " << drags << " drags, change " << c;
        for (const QString& name : QDir(data).entryList({"*.psf"}, QDir::Files)) {
            GameFixture check;
            check.game->puzzle.PuzzleStateFileName = data + '/' + name;
            ASSERT_TRUE(check.game->LoadPuzzleState())
                << check.host.messages.join('\n').toStdString();
            ASSERT_EQ(CheckModelInvariants(check.game->puzzle).join('\n').toStdString(), "");
        }
    }
    munmap(shared, sizeof(Shared));
}

} // namespace
} // namespace tess::test
