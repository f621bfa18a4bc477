// The shell's part of the game: start-up, resize, Open, Close, Exit, the Preview
// toggle, the command states and the clock tick.
#include "game/game.h"
#include "display/picture_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>

namespace tess {

namespace {

// A directory lookup that must return exactly this name (the file system may differ in case).
bool FileNamedExactlyExists(const QString& folder, const QString& name) {
    const QStringList found = QDir(folder).entryList({name}, QDir::Files);
    return found.contains(name);
}

bool FolderHasAFile(const QString& folder) {
    const QDir dir(folder);
    return dir.exists() && !dir.entryList(QDir::Files).isEmpty();
}

} // namespace

Game::Game(GameHost& host, SettingsStore& store, RandomSource& random, ProcessFacts facts)
    : host_(host), store_(store), random_(random), facts_(std::move(facts)) {
    store_.SetWriteFailureHandler(this, [this](const QString& path, const QString& reason) {
        host_.ShowMessage(tr("The settings could not be saved to \"%1\": %2. Your "
                             "changes stay in effect and are saved again with the "
                             "next change of a setting.")
                              .arg(QDir::toNativeSeparators(path), reason),
                          facts_.Title);
    });
}

Game::~Game() { store_.RemoveWriteFailureHandler(this); }

void Game::SetTimer(bool enabled) {
    timerEnabled_ = enabled;
    host_.SetTimerEnabled(enabled);
}

void Game::Form_Load() {
    // The play field's handle is the play field widget itself, reached through the host.
    QDir::setCurrent(facts_.ProgramFolder);
    InitDirectDraw();
    store_.ReadAll(settings, puzzle.NumberOfPieces);
    host_.ShowWindow();

    const QString commandLine = facts_.CommandLine;
    if (!commandLine.isEmpty() && commandLine != QStringLiteral("%1")) {
        OpenCommandLineFile(commandLine);
    }

    host_.RegisterFileType();

    if (FileNamedExactlyExists(QDir::currentPath(), kBestTimesFileName)) {
        ReadBestTimes();
    }
}

void Game::Form_Resize() {
    if (host_.IsMinimized()) {
        return;
    }
    const QSize field = host_.PlayFieldSize();
    surfaces.BackBuffer.Release();
    surfaces.BackBuffer =
        Surface::CreateSurface(std::max(field.width(), 1), std::max(field.height(), 1));
    if (puzzle.PuzzleLoaded) {
        ResizePuzzle();
        ScalePiecesPosition();
        AlignAllGroups();
    }
    picPuzzle_Paint();
    puzzle.PreviousScaleHeight = field.height();
    puzzle.PreviousScaleWidth = field.width();
    AnnounceChanged();
}

void Game::Form_Unload() {
    SaveUnfinishedGame();
    mnuFileClose_Click();
    surfaces.BackBuffer.Release();
}

void Game::mnuFileClose_Click() {
    SetTimer(false);
    puzzle.ElapsedSeconds = 0;
    surfaces.PreviewSurface.Release();
    if (puzzle.PuzzleLoaded) {
        surfaces.PieceSurfaces.assign(1, Surface{});
        puzzle.PuzzleLoaded = kFalse;
        puzzle.ReduceToSlotZero();
    }
    // This copy's bitmap only: another running copy's is not touched.
    const QString bitmap = WholeImageTempPath();
    if (FileNamedExactlyExists(facts_.ProgramFolder, QFileInfo(bitmap).fileName())) {
        QFile::remove(bitmap);
    }
    host_.ClearPlayField();
    host_.SetPuzzleCommandsEnabled(false);
    AnnounceReplaced();
}

void Game::EnableCommands() { host_.SetPuzzleCommandsEnabled(true); }

void Game::mnuViewPreview_Click() {
    if (!settings.ViewPreview) {
        settings.ViewPreview = true;
        if (puzzle.PuzzleLoaded) {
            InitPreview();
        }
    } else {
        settings.ViewPreview = false;
    }
    picPuzzle_Paint();
    store_.WriteBoolean(QStringLiteral("View Preview"), settings.ViewPreview);
}

void Game::mnuFileOpen_Click() {
    // Cancel ends the command silently. A picture that cannot be read or cut throws to the
    // window's guard, which reports it; the game on the screen is only replaced once the new
    // picture has been accepted.
    QString initDir;
    if (!settings.InitDir.isEmpty() && FolderHasAFile(settings.InitDir)) {
        initDir = settings.InitDir;
    } else if (settings.InitDir.isEmpty() && !facts_.SamplesFolder.isEmpty() &&
               FolderHasAFile(facts_.SamplesFolder)) {
        // Nothing opened yet: start among the sample pictures.
        initDir = facts_.SamplesFolder;
    }
    const std::optional<QString> chosen = host_.AskOpenFileName(tr(kOpenFilter), initDir);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    OpenChosenFile(*chosen);
}

void Game::OpenChosenFile(const QString& chosen) {
    if (chosen.right(4) == QStringLiteral(".psf")) {
        puzzle.PuzzleStateFileName = chosen;
        // A file that did not load ends Open like any other failure.
        if (!LoadPuzzleState()) {
            return;
        }
    } else {
        // A refused picture ends Open and leaves the game on the screen naming its own
        // picture, so that saving or recutting it reads that one.
        const QString previousName = puzzle.PictureFileName;
        const QString previousPath = puzzle.PictureFullPath;
        auto keepPrevious = [&] {
            puzzle.PictureFileName = previousName;
            puzzle.PictureFullPath = previousPath;
        };
        SetPictureFileName(puzzle, chosen);
        bool cut = false;
        try {
            cut = SetWholeImage();
        } catch (...) {
            keepPrevious();
            throw;
        }
        if (!cut) {
            keepPrevious();
            return;
        }
        mnuFileScramble_Click();
    }
    SaveInitDir();
}

void Game::OpenCommandLineFile(const QString& path) {
    // A picture opens as File > Open opens it. Its failures are reported here, so that
    // start-up goes on to register the file type and read the best times.
    if (path.right(4) != QStringLiteral(".psf") && IsPictureFile(path)) {
        Guard([&] { OpenChosenFile(path); });
        return;
    }
    puzzle.PuzzleStateFileName = path;
    if (LoadPuzzleState()) {
        host_.AddRecentDocument(path);
    }
}

bool OpenTakesFile(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return false;
    }
    // The dialog offers a file by its name: the patterns of the filter's entries.
    const QStringList filter = QString::fromLatin1(kOpenFilter).split(QLatin1Char('|'));
    QStringList patterns;
    for (qsizetype i = 1; i < filter.size(); i += 2) {
        patterns += filter[i].split(QLatin1Char(';'));
    }
    return QDir::match(patterns, file.fileName()) || IsPictureFile(path);
}

void Game::SaveInitDir() {
    // The 128-character field, padding included, unless the whole path is longer.
    QString initDir = PicturePath(puzzle).leftJustified(kPictureFileNameLength, QLatin1Char(' '));
    const qsizetype slash = initDir.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        // No folder in the field: the last step of Open ends silently.
        return;
    }
    puzzle.PictureFileTitle = initDir.mid(slash + 1);
    initDir.truncate(slash + 1);
    settings.InitDir = initDir;
    store_.Write(QStringLiteral("InitDir"), settings.InitDir);
}

void Game::tmrPuzzle_Timer() { ++puzzle.ElapsedSeconds; }

} // namespace tess
