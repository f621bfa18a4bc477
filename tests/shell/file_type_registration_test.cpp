// The state file type on the desktop: files written on every start, and what xdg-mime answers.
#include "shell/file_type_registration.h"
#include "shell/main_window.h"
#include "support/qt_printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tess {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every test here writes desktop files: refuse to run unless they go to a temporary folder.
DesktopFolders TemporaryDesktopFolders() {
    const DesktopFolders folders = CurrentDesktopFolders();
    const QString temp = QDir(QDir::tempPath()).canonicalPath();
    EXPECT_TRUE(folders.DataHome.startsWith(temp) && folders.ConfigHome.startsWith(temp))
        << "XDG folders are not temporary: " << folders.DataHome.toStdString();
    if (!folders.DataHome.startsWith(temp) || !folders.ConfigHome.startsWith(temp)) {
        std::abort();
    }
    return folders;
}

QStringList FilesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next().mid(folder.size());
    }
    files.sort();
    return files;
}

void StartWindowIn(const QString& appDir) {
    QTemporaryDir programFolder;
    SettingsStore store(programFolder.path() + QStringLiteral("/settings.ini"));
    MersenneRandom random(1u);
    ProcessFacts facts;
    facts.ProgramFolder = programFolder.path();
    facts.AppDir = appDir;
    MainWindow window(store, random, facts);
    window.Start();
}

QString ExpectedDesktopEntry(const QString& appDir) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tessellara\n"
                          "Comment=Tessellara Puzzle State File\n"
                          "Exec=\"%1/%2\" %f\n"
                          "Icon=tessellara\n"
                          "MimeType=application/x-tessellara-psf;\n"
                          "NoDisplay=true\n"
                          "Terminal=false\n")
        .arg(appDir, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

const char* const kExpectedPackage = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-tessellara-psf">
    <comment>Tessellara Puzzle State File</comment>
    <sub-class-of type="text/plain"/>
    <icon name="tessellara"/>
    <glob pattern="*.psf" weight="80"/>
  </mime-type>
</mime-info>
)";

TEST(FileTypeRegistration, EveryStartRewritesTheSameFilesWithItsOwnFolder) {
    const DesktopFolders folders = TemporaryDesktopFolders();
    FileTypeRegistry paths(folders);
    const QString package = paths.MimePackagePath("psffile");
    const QString entry = paths.DesktopEntryPath("psffile");
    EXPECT_EQ(package, folders.DataHome + "/mime/packages/tessellara-psffile.xml");
    EXPECT_EQ(entry, folders.DataHome + "/applications/tessellara-psffile.desktop");

    QTemporaryDir first;
    QTemporaryDir second;
    StartWindowIn(first.path());
    EXPECT_EQ(ReadAll(package), QByteArray(kExpectedPackage));
    EXPECT_EQ(QString::fromUtf8(ReadAll(entry)), ExpectedDesktopEntry(first.path()));
    EXPECT_TRUE(ReadAll(paths.MimeAppsListPath())
                    .contains("application/x-tessellara-psf=tessellara-psffile.desktop"));
    const QStringList dataFiles = FilesUnder(folders.DataHome);
    const QStringList configFiles = FilesUnder(folders.ConfigHome);

    StartWindowIn(second.path());
    EXPECT_EQ(ReadAll(package), QByteArray(kExpectedPackage));
    EXPECT_EQ(QString::fromUtf8(ReadAll(entry)), ExpectedDesktopEntry(second.path()));
    EXPECT_EQ(FilesUnder(folders.DataHome), dataFiles);
    EXPECT_EQ(FilesUnder(folders.ConfigHome), configFiles);
    EXPECT_EQ(ReadAll(paths.MimeAppsListPath()).count("application/x-tessellara-psf="), 1);
}

TEST(FileTypeRegistration, ExecLinesQuoteThePathAsDesktopEntriesWant) {
    struct Case {
        QString command;
        QString exec;
    };
    for (const Case& c :
         {Case{"/opt/tessellara/tessellara %1", R"("/opt/tessellara/tessellara" %f)"},
          Case{"/home/a b/tessellara %1", R"("/home/a b/tessellara" %f)"},
          Case{"/x/100%/$HOME\"q\"/t %1", R"("/x/100%%/\\$HOME\\"q\\"/t" %f)"},
          Case{"/x/back\\slash/t %1", R"("/x/back\\\\slash/t" %f)"}}) {
        EXPECT_EQ(ExecLineFor(c.command), c.exec) << c.command.toStdString();
    }
}

TEST(FileTypeRegistration, MimeAppsListKeepsEveryOtherLine) {
    struct Case {
        QByteArray before;
        QByteArray after;
    };
    const QString type = "application/x-tessellara-psf";
    const QString app = "tessellara-psffile.desktop";
    for (const Case& c : {
             Case{"", "[Default "
                      "Applications]\napplication/x-tessellara-psf=tessellara-psffile.desktop\n"},
             Case{"[Added Associations]\ntext/plain=gedit.desktop;\n",
                  "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
                  "application/x-tessellara-psf=tessellara-psffile.desktop\n"},
             Case{
                 "[Default Applications]\ntext/html=firefox.desktop\n\n[Added "
                 "Associations]\nimage/png=gimp.desktop;\n",
                 "[Default Applications]\ntext/html=firefox.desktop\n"
                 "application/x-tessellara-psf=tessellara-psffile.desktop\n\n[Added Associations]\n"
                 "image/png=gimp.desktop;\n"},
             Case{
                 "# mine\n[Default "
                 "Applications]\napplication/x-tessellara-psf=other.desktop\nimage/gif=eog.desktop",
                 "# mine\n[Default "
                 "Applications]\napplication/x-tessellara-psf=tessellara-psffile.desktop\n"
                 "image/gif=eog.desktop"},
         }) {
        EXPECT_EQ(SetDefaultApplication(c.before, type, app), c.after) << c.before.toStdString();
    }
}

TEST(FileTypeRegistration, AStartWithoutWriteAccessRegistersNothingAndGoesOn) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root, which may write into a read-only folder";
    }
    QTemporaryDir locked;
    QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    RegisterStateFileType("/opt/t", "tessellara",
                          {locked.path() + "/data", locked.path() + "/config"});
    EXPECT_TRUE(FilesUnder(locked.path()).isEmpty());
    QFile::setPermissions(locked.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString RunXdgMime(const QStringList& arguments) {
    QProcess process;
    // xdg-mime answers through GIO on GNOME, the shared-mime-info reader that honours glob
    // weights; its generic fallback (File::MimeInfo) lets the first *.psf of /usr/share win.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CURRENT_DESKTOP", "GNOME");
    process.setProcessEnvironment(environment);
    process.start("xdg-mime", arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

TEST(FileTypeRegistration, XdgMimeKnowsTheTypeAndItsDefaultApplication) {
    if (QStandardPaths::findExecutable("xdg-mime").isEmpty() ||
        QStandardPaths::findExecutable("gio").isEmpty()) {
        GTEST_SKIP() << "xdg-mime (xdg-utils) or gio (libglib2.0-bin) is not installed";
    }
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        GTEST_SKIP() << "update-mime-database (shared-mime-info) is not installed";
    }
    TemporaryDesktopFolders();
    QTemporaryDir folder;
    RegisterStateFileType(folder.path(), "tessellara", CurrentDesktopFolders());
    const QString game = folder.path() + "/saved game.psf";
    QFile file(game);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("/pictures/sea.jpg").leftJustified(128, ' ') + QByteArray("\x40\x00", 2));
    file.close();

    EXPECT_EQ(RunXdgMime({"query", "filetype", game}), "application/x-tessellara-psf");
    EXPECT_EQ(RunXdgMime({"query", "default", "application/x-tessellara-psf"}),
              "tessellara-psffile.desktop");
}

} // namespace
} // namespace tess
