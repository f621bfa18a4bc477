// Dragging measured from outside the program: the time from a mouse motion put into the X
// server (XTest) to the last damage it causes on the game's window (XDamage), while one piece
// of a 324-piece game is dragged, and the highest rate of motions at which every motion still
// gets a frame of its own. Measured at 1600 x 1000 and 3840 x 2160 for Tessellara and, when
// it is installed, for KDE's Palapeli (a puzzle of about 300 pieces) on the same server:
//   Xvfb :95 -screen 0 3900x2200x24 -noreset &
//   DISPLAY=:95 build/bench/tessellara_drag_latency [motions]
// Each program runs in a temporary HOME. Tessellara runs as this program started again with
// "--window WIDTH HEIGHT": the real main window with a 324-piece game opened.
#include "window/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>
#include <poll.h>
#include <vector>

namespace {

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The window program: a 324-piece game, every piece loose, in a window of width x height.
// Prints where the topmost piece's middle is on the screen, then runs.
int RunWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    tess::SettingsStore store(folder.path() + QStringLiteral("/settings.ini"));
    tess::MersenneRandom random(5u);
    tess::ProcessFacts facts;
    facts.ProgramFolder = folder.path();
    facts.AppDir = folder.path();
    tess::MainWindow window(store, random, facts);
    window.Start();
    window.move(0, 0);
    window.resize(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
    QApplication::processEvents();
    const QString path = folder.path() + QStringLiteral("/picture.bmp");
    QImage picture(2400, 1600, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb((x / 7 + y) & 0xFF, (y / 5) & 0xFF, ((x + y) / 9) & 0xFF));
        }
    }
    picture.save(path);
    tess::Game& game = window.game();
    game.settings.TimePuzzle = false;
    game.puzzle.NumberOfPieces = 324;
    tess::SetPictureFileName(game.puzzle, path);
    if (!game.SetWholeImage()) {
        return 1;
    }
    game.mnuFileScramble_Click();
    const tess::Puzzle& p = game.puzzle;
    const tess::PieceRecord& top = p.Pieces[p.Groups[p.GroupOrder[p.GroupOrderCount]].Members[1]];
    const qreal ratio = window.picPuzzle->devicePixelRatioF();
    const QPoint at = window.picPuzzle->mapToGlobal(
        QPoint(int((top.X + p.TabWidth + p.CellWidth / 2) / ratio),
               int((top.Y + p.TabHeight + p.CellHeight / 2) / ratio)));
    std::printf("ready %d %d\n", at.x(), at.y());
    std::fflush(stdout);
    return QApplication::exec();
}

struct X11 {
    Display* display = nullptr;
    int damageEvent = 0;
};

// The largest viewable top-level window of the process but `other`.
Window WindowOf(X11& x, qint64 pid, Window other = 0) {
    Display* d = x.display;
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window best = 0;
    long bestArea = 0;
    if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count) == 0) {
        return 0;
    }
    for (unsigned i = 0; i < count; ++i) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(d, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &items, &after, &data) == Success &&
            data != nullptr) {
            const long owner = items == 1 ? *reinterpret_cast<long*>(data) : 0;
            XFree(data);
            XWindowAttributes a{};
            if (owner == pid && children[i] != other && XGetWindowAttributes(d, children[i], &a) &&
                a.map_state == IsViewable && long(a.width) * a.height > bestArea) {
                best = children[i];
                bestArea = long(a.width) * a.height;
            }
        }
    }
    XFree(children);
    return best;
}

// Waits up to `ms` for damage; true when some came. Every damage report is taken off at once,
// so each frame of the window gives one report. `last` gets the time of the last.
int TakeDamage(X11& x, Damage damage, double ms, double* last) {
    int reports = 0;
    const double until = Now() + ms;
    for (;;) {
        while (XPending(x.display) > 0) {
            XEvent event;
            XNextEvent(x.display, &event);
            if (event.type == x.damageEvent + XDamageNotify) {
                XDamageSubtract(x.display, damage, None, None);
                ++reports;
                *last = Now();
            }
        }
        const double left = until - Now();
        if (left <= 0) {
            return reports;
        }
        pollfd fd{ConnectionNumber(x.display), POLLIN, 0};
        poll(&fd, 1, std::max(1, int(std::ceil(std::min(left, 1.0)))));
    }
}

struct Result {
    std::vector<double> latencies;
    int missed = 0;
    std::vector<std::pair<int, double>> rates; // motions a second, frames per motion
};

// A point on the circle of the drag around the grab point.
QPoint Around(QPoint grab, int i) {
    const double a = i * 0.21;
    return grab + QPoint(int(std::lround(60 * std::cos(a))), int(std::lround(40 * std::sin(a))));
}

Result Measure(X11& x, Window window, QPoint grab, int motions) {
    Display* d = x.display;
    Result result;
    const Damage damage = XDamageCreate(d, window, XDamageReportNonEmpty);
    XTestFakeMotionEvent(d, -1, grab.x(), grab.y(), 0);
    XTestFakeButtonEvent(d, 1, True, 0);
    XFlush(d);
    double last = 0;
    TakeDamage(x, damage, 300, &last);
    // Warm up, then one motion at a time, each followed by quiet.
    for (int i = -20; i < motions; ++i) {
        const QPoint to = Around(grab, i);
        const double sent = Now();
        XTestFakeMotionEvent(d, -1, to.x(), to.y(), 0);
        XFlush(d);
        last = 0;
        if (TakeDamage(x, damage, 25, &last) == 0 && TakeDamage(x, damage, 500, &last) == 0) {
            result.missed += i >= 0;
            continue;
        }
        // Wait for the end of what this motion causes.
        while (TakeDamage(x, damage, 25, &last) > 0) {
        }
        if (i >= 0) {
            result.latencies.push_back(last - sent);
        }
    }
    // At a steady rate: frames against motions.
    for (const int rate : {60, 125, 250, 500, 750, 1000, 1500, 2000}) {
        TakeDamage(x, damage, 100, &last);
        const int count = std::max(motions, rate / 2);
        int frames = 0;
        const double start = Now();
        for (int i = 0; i < count; ++i) {
            const double due = start + i * 1000.0 / rate;
            frames += TakeDamage(x, damage, due - Now(), &last);
            const QPoint to = Around(grab, i);
            XTestFakeMotionEvent(d, -1, to.x(), to.y(), 0);
            XFlush(d);
        }
        frames += TakeDamage(x, damage, 300, &last);
        result.rates.emplace_back(rate, double(frames) / count);
    }
    XTestFakeButtonEvent(d, 1, False, 0);
    XFlush(d);
    XDamageDestroy(d, damage);
    XSync(d, False);
    return result;
}

// Palapeli's view in one plain colour, so that its pieces can be found on it.
constexpr QRgb kTableColour = 0xFF00FF;

QImage WindowImage(X11& x, Window window) {
    XWindowAttributes a{};
    XGetWindowAttributes(x.display, window, &a);
    XImage* image = XGetImage(x.display, window, 0, 0, unsigned(a.width), unsigned(a.height),
                              AllPlanes, ZPixmap);
    if (image == nullptr) {
        return {};
    }
    QImage copy(a.width, a.height, QImage::Format_RGB32);
    for (int y = 0; y < a.height; ++y) {
        for (int px = 0; px < a.width; ++px) {
            copy.setPixel(px, y, QRgb(XGetPixel(image, px, y)) & 0xFFFFFFu);
        }
    }
    XDestroyImage(image);
    return copy;
}

// A point on a piece lying on the table: off the table colour all around it, with the table
// within reach on both sides of its row (so not in the tool bar).
std::optional<QPoint> FindPiece(const QImage& image) {
    auto table = [&image](int px, int y) {
        return px >= 0 && y >= 0 && px < image.width() && y < image.height() &&
               (image.pixel(px, y) & 0xFFFFFFu) == kTableColour;
    };
    for (int y = image.height() / 2; y < image.height() - 8; y += 3) {
        for (int px = 8; px < image.width() / 2; px += 3) {
            bool on = true;
            for (int dy = -3; dy <= 3 && on; ++dy) {
                for (int dx = -3; dx <= 3 && on; ++dx) {
                    on = !table(px + dx, y + dy);
                }
            }
            bool left = false, right = false;
            for (int r = 5; r < 60; ++r) {
                left = left || table(px - r, y);
                right = right || table(px + r, y);
            }
            if (on && left && right) {
                return QPoint(px, y);
            }
        }
    }
    return std::nullopt;
}

struct Started {
    Window window = 0;
    QPoint grab;
};

std::optional<Started> StartTessellara(X11& x, QProcess& process, QSize size) {
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QCoreApplication::applicationFilePath(),
                  {"--window", QString::number(size.width()), QString::number(size.height())});
    if (!process.waitForStarted(10000) || !process.waitForReadyRead(120000)) {
        return std::nullopt;
    }
    const QStringList ready = QString::fromLocal8Bit(process.readLine()).split(' ');
    if (ready.size() != 3 || ready[0] != "ready") {
        return std::nullopt;
    }
    Started started{WindowOf(x, process.processId()),
                    QPoint(ready[1].toInt(), ready[2].trimmed().toInt())};
    return started.window != 0 ? std::optional(started) : std::nullopt;
}

// Palapeli cuts the puzzles of its collection when it starts: one of its own pictures in
// 300 pieces (308 as cut) is added to the collection, and the file it cuts is opened.
QString PalapeliPuzzle(const QString& program, const QString& home,
                       const QProcessEnvironment& env) {
    const QString system = QStringLiteral("/usr/share/palapeli/collection/");
    const QString collection = home + "/.local/share/palapeli/collection/";
    QDir(home).mkpath(".local/share/palapeli/collection");
    QFile job(system + "castle-maintenon.desktop");
    QFile mine(collection + "castle-300.desktop");
    if (!job.open(QIODevice::ReadOnly) || !mine.open(QIODevice::WriteOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(job.readAll());
    text.replace(QStringLiteral("020_PieceCount=80"), QStringLiteral("020_PieceCount=300"));
    text.replace(QStringLiteral("Image=castle-maintenon.jpg"),
                 QStringLiteral("Image=castle-300.jpg"));
    mine.write(text.toUtf8());
    mine.close();
    QFile::copy(system + "castle-maintenon.jpg", collection + "castle-300.jpg");
    QFile rc(home + "/.config/palapeli-collectionrc");
    rc.open(QIODevice::WriteOnly);
    rc.write("[Palapeli Collection][bench]\nLocation=palapeli:///collection/castle-300.puzzle\n");
    rc.close();
    QProcess cutting;
    cutting.setProcessEnvironment(env);
    // Unread output would fill the pipe and stop it.
    cutting.setStandardOutputFile(QProcess::nullDevice());
    cutting.setStandardErrorFile(QProcess::nullDevice());
    cutting.start(program, {});
    const QString puzzle = collection + "castle-300.puzzle";
    // Written when its size has stayed the same for three seconds.
    qint64 size = -1;
    for (int i = 0, still = 0; i < 240 && still < 6; ++i) {
        QThread::msleep(500);
        const qint64 now = QFileInfo(puzzle).size();
        still = now > 0 && now == size ? still + 1 : 0;
        size = now;
    }
    cutting.kill();
    cutting.waitForFinished(5000);
    return QFileInfo::exists(puzzle) ? puzzle : QString();
}

std::optional<Started> StartPalapeli(X11& x, QProcess& process, QSize size, const QString& program,
                                     const QString& home) {
    QDir(home).mkpath(".config");
    QFile rc(home + "/.config/palapelirc");
    rc.open(QIODevice::WriteOnly);
    rc.write("[Appearance]\nViewBackground=__color__\nViewBackgroundColor=#ff00ff\n"
             "[PuzzlePreview]\nPuzzlePreviewVisible=false\n");
    rc.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CACHE_HOME", home + "/.cache");
    env.remove("QT_QPA_PLATFORM");
    const QString puzzle = PalapeliPuzzle(program, home, env);
    if (puzzle.isEmpty()) {
        std::fprintf(stderr, "Palapeli cut no puzzle\n");
        return std::nullopt;
    }
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {puzzle});
    if (!process.waitForStarted(10000)) {
        return std::nullopt;
    }
    Window window = 0;
    for (int i = 0; i < 600 && window == 0; ++i) {
        QThread::msleep(100);
        window = WindowOf(x, process.processId());
    }
    if (window == 0) {
        std::fprintf(stderr, "Palapeli showed no window\n");
        return std::nullopt;
    }
    // Until the pieces lie still on the table, at the size (resizing while the puzzle loads
    // stops the loading).
    QImage before;
    for (int i = 0; i < 240; ++i) {
        QThread::msleep(500);
        if (const Window notice = WindowOf(x, process.processId(), window)) {
            // The notice about saving, closed as a window manager closes a window.
            XEvent close{};
            close.xclient.type = ClientMessage;
            close.xclient.window = notice;
            close.xclient.message_type = XInternAtom(x.display, "WM_PROTOCOLS", False);
            close.xclient.format = 32;
            close.xclient.data.l[0] = long(XInternAtom(x.display, "WM_DELETE_WINDOW", False));
            close.xclient.data.l[1] = CurrentTime;
            XSendEvent(x.display, notice, False, NoEventMask, &close);
            XSync(x.display, False);
            continue;
        }
        const QImage now = WindowImage(x, window);
        const std::optional<QPoint> piece = FindPiece(now);
        const bool table = !now.isNull() && (now.pixel(now.width() / 2, now.height() / 2) &
                                             0xFFFFFFu) == kTableColour;
        if ((table || piece) && now.size() != size) {
            XMoveResizeWindow(x.display, window, 0, 0, unsigned(size.width()),
                              unsigned(size.height()));
            XSync(x.display, False);
        } else if (piece && now == before) {
            int dx = 0, dy = 0;
            Window child = 0;
            XTranslateCoordinates(x.display, window, DefaultRootWindow(x.display), 0, 0, &dx, &dy,
                                  &child);
            return Started{window, *piece + QPoint(dx, dy)};
        }
        before = now;
    }
    std::fprintf(stderr, "Palapeli's table did not settle with a piece on it\n");
    return std::nullopt;
}

// The process's peak resident memory (VmHWM) in MiB, 0 when it cannot be read.
double PeakMemoryMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
        }
    }
    return 0;
}

void Report(const char* who, QSize size, const Result& r, double peakMiB) {
    std::vector<double> l = r.latencies;
    std::sort(l.begin(), l.end());
    if (l.empty()) {
        std::printf("%-10s %4d x %4d  no damage seen\n", who, size.width(), size.height());
        return;
    }
    auto at = [&l](double q) {
        return l[std::min(l.size() - 1, std::size_t(q * double(l.size())))];
    };
    // The highest rate up to which every rate kept (at most one motion in a hundred merged).
    int kept = 0;
    for (const auto& [rate, frames] : r.rates) {
        if (frames < 0.99) {
            break;
        }
        kept = rate;
    }
    std::printf("%-10s %4d x %4d  median %6.2f ms  p95 %6.2f ms  max %6.2f ms  (%zu motions, %d "
                "missed)  one frame per motion up to %d/s  peak memory %.1f MiB  [",
                who, size.width(), size.height(), at(0.5), at(0.95), l.back(), l.size(), r.missed,
                kept, peakMiB);
    for (const auto& [rate, frames] : r.rates) {
        std::printf(" %d:%.2f", rate, frames);
    }
    std::printf(" ]\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "--window") {
        return RunWindow(argc, argv);
    }
    QCoreApplication app(argc, argv);
    const int motions = argc > 1 ? std::max(QByteArray(argv[1]).toInt(), 10) : 300;
    X11 x;
    x.display = XOpenDisplay(nullptr);
    int error = 0, major = 0, minor = 0, ignored = 0;
    if (x.display == nullptr ||
        !XTestQueryExtension(x.display, &ignored, &ignored, &major, &minor) ||
        !XDamageQueryExtension(x.display, &x.damageEvent, &error)) {
        std::fprintf(stderr, "needs an X display with XTest and DAMAGE (DISPLAY=:95 under Xvfb)\n");
        return 2;
    }
    const QString palapeli = QStandardPaths::findExecutable("palapeli", {"/usr/games", "/usr/bin"});
    if (palapeli.isEmpty()) {
        std::printf("Palapeli is not installed: measuring Tessellara alone\n");
    }
    for (const QSize size : {QSize(1600, 1000), QSize(3840, 2160)}) {
        {
            QProcess process;
            if (const std::optional<Started> s = StartTessellara(x, process, size)) {
                const Result r = Measure(x, s->window, s->grab, motions);
                Report("Tessellara", size, r, PeakMemoryMiB(process.processId()));
            } else {
                std::printf("Tessellara did not start at %d x %d\n", size.width(), size.height());
            }
            process.kill();
            process.waitForFinished(5000);
        }
        if (!palapeli.isEmpty()) {
            QTemporaryDir home;
            QProcess process;
            if (const std::optional<Started> s =
                    StartPalapeli(x, process, size, palapeli, home.path())) {
                const Result r = Measure(x, s->window, s->grab, motions);
                Report("Palapeli", size, r, PeakMemoryMiB(process.processId()));
            } else {
                std::printf("Palapeli did not open its puzzle at %d x %d\n", size.width(),
                            size.height());
            }
            process.kill();
            process.waitForFinished(5000);
        }
    }
    XCloseDisplay(x.display);
    return 0;
}
