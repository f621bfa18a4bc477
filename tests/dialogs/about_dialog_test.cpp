#include "dialogs/about_dialog.h"
#include "dialogs/app_icon.h"
#include "dialogs/dialog_test_support.h"
#include "support/qt_printers.h"

#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

using test::WithNextModal;

// A desktop that records what it is asked to start and open.
struct FakeDesktop {
    QStringList programsOnPath; // names findProgram knows, found under /usr/bin
    QStringList existingFiles;
    bool startSucceeds = true;
    QStringList started;
    QList<QUrl> opened;

    AboutDesktop Make() {
        AboutDesktop desktop;
        desktop.findProgram = [this](const QString& name) {
            return programsOnPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        };
        desktop.fileExists = [this](const QString& path) { return existingFiles.contains(path); };
        desktop.startProgram = [this](const QString& path) {
            started << path;
            return startSucceeds;
        };
        desktop.openUrl = [this](const QUrl& url) { opened << url; };
        return desktop;
    }
};

ProcessFacts Facts(int major, int minor, int revision) {
    ProcessFacts facts;
    facts.Major = major;
    facts.Minor = minor;
    facts.Revision = revision;
    return facts;
}

TEST(AboutDialog, ShowsTitleVersionAndLinks) {
    FakeDesktop fake;
    AboutDialog d(Facts(1, 0, 12), fake.Make());
    EXPECT_EQ(d.windowTitle(), "About Tessellara");
    EXPECT_EQ(d.lblTitle->text(), "Tessellara");
    EXPECT_EQ(d.lblVersion->text(), "Version 1.0.12");
    EXPECT_FALSE(d.lblDescription->text().isEmpty());
    EXPECT_EQ(d.lblWebSite->text(), "Web Site:");
    EXPECT_EQ(d.lblEmail->text(), "E-mail:");
    EXPECT_EQ(d.cmdOK->text(), "OK");
    EXPECT_EQ(d.cmdSysInfo->text(), "&System Info...");
    // The e-mail label shows the bare address; the link keeps the mailto: prefix.
    EXPECT_TRUE(d.lblEmailAddress->text().contains(">players@tessellara.invalid<"));
    EXPECT_TRUE(d.lblWebSiteURL->text().contains(">https://tessellara.invalid/<"));

    emit d.lblWebSiteURL->linkActivated(kWebSiteUrl);
    emit d.lblEmailAddress->linkActivated(kEmailLink);
    EXPECT_EQ(fake.opened, (QList<QUrl>{QUrl("https://tessellara.invalid/"),
                                        QUrl("mailto:players@tessellara.invalid")}));
    EXPECT_EQ(AboutDialog(Facts(10, 20, 3), fake.Make()).lblVersion->text(), "Version 10.20.3");
}

TEST(AboutDialog, IconHasItsFourColoursOnBlack) {
    const QImage icon = AppIconImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(QColor(icon.pixel(0, 0)), QColor(Qt::black));
    auto dominant = [&](int x, int y) {
        const QColor c(icon.pixel(x, y));
        return QStringLiteral("%1%2%3").arg(c.red() > 128).arg(c.green() > 128).arg(c.blue() > 128);
    };
    EXPECT_EQ(dominant(5, 5), "010");   // green
    EXPECT_EQ(dominant(26, 5), "110");  // yellow
    EXPECT_EQ(dominant(5, 26), "100");  // red
    EXPECT_EQ(dominant(26, 26), "001"); // blue
}

TEST(AboutDialog, SystemInfoTriesItsSourcesInOrder) {
    const QString tools = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    const QString location = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
    struct Case {
        const char* name;
        const char* pathValue;     // empty: absent
        const char* locationValue; // empty: absent
        QStringList onPath;
        QStringList files;
        bool startSucceeds;
        QStringList expectedStarts;
        bool expectMessage;
    };
    const Case cases[] = {
        {"nothing anywhere", "", "", {}, {}, true, {}, true},
        {"first value",
         "/opt/msinfo/msinfo",
         "/opt/tools",
         {"hardinfo"},
         {},
         true,
         {"/opt/msinfo/msinfo"},
         false},
        {"first value fails to start",
         "/opt/msinfo/msinfo",
         "",
         {},
         {},
         false,
         {"/opt/msinfo/msinfo"},
         true},
        {"second value without the program", "", "/opt/tools", {"hardinfo"}, {}, true, {}, true},
        {"second value with the program",
         "",
         "/opt/tools",
         {},
         {"/opt/tools/MSINFO32.EXE"},
         true,
         {"/opt/tools/MSINFO32.EXE"},
         false},
        {"a desktop program",
         "",
         "",
         {"gnome-system-monitor", "hardinfo"},
         {},
         true,
         {"/usr/bin/hardinfo"},
         false},
        {"a desktop program that fails",
         "",
         "",
         {"kinfocenter"},
         {},
         false,
         {"/usr/bin/kinfocenter"},
         true},
    };
    for (const Case& c : cases) {
        FakeDesktop fake;
        fake.programsOnPath = c.onPath;
        fake.existingFiles = c.files;
        fake.startSucceeds = c.startSucceeds;
        AboutDesktop desktop = fake.Make();
        if (*c.pathValue) {
            desktop.keys.SetValue(kLocalMachine, tools, "PATH", c.pathValue);
        }
        if (*c.locationValue) {
            desktop.keys.SetValue(kLocalMachine, location, "MSINFO", c.locationValue);
        }
        AboutDialog d(ProcessFacts{}, std::move(desktop));
        d.show();
        QString shown;
        WithNextModal(
            [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                shown = box->windowTitle() + "|" + box->text();
                box->accept();
            },
            [&] { QTest::mouseClick(d.cmdSysInfo, Qt::LeftButton); });
        EXPECT_EQ(fake.started, c.expectedStarts) << c.name;
        EXPECT_EQ(shown,
                  c.expectMessage
                      ? QStringLiteral("Tessellara|System Information Is Unavailable At This Time")
                      : QString())
            << c.name;
    }
}

TEST(AboutDialog, OkCloses) {
    FakeDesktop fake;
    AboutDialog d(ProcessFacts{}, fake.Make());
    d.show();
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
}

} // namespace
} // namespace tess
