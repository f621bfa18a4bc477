// The about box: its texts and links, its icon, and where System Info looks for a program.
#include "dialogs/about_dialog.h"
#include "dialogs/app_icon.h"
#include "support/qt_printers.h"
#include "support/window_test_support.h"

#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

// A desktop that holds the programs and files named in `present` (programs under /usr/bin)
// and records what it is asked to start and open.
struct FakeDesktop {
    QStringList present;
    bool startSucceeds = true;
    QStringList started;
    QList<QUrl> opened;

    AboutDesktop Make() {
        AboutDesktop d;
        d.findProgram = [this](const QString& name) {
            return present.contains(name) ? "/usr/bin/" + name : QString();
        };
        d.fileExists = [this](const QString& path) { return present.contains(path); };
        d.startProgram = [this](const QString& path) {
            started << path;
            return startSucceeds;
        };
        d.openUrl = [this](const QUrl& url) { opened << url; };
        return d;
    }
};

TEST(AboutDialog, ShowsItsTextsOpensItsLinksAndClosesWithOk) {
    FakeDesktop fake;
    ProcessFacts facts;
    facts.Major = 10;
    facts.Minor = 0;
    facts.Revision = 3;
    AboutDialog d(facts, fake.Make());
    d.show();
    EXPECT_EQ(QStringList({d.windowTitle(), d.lblTitle->text(), d.lblVersion->text(),
                           d.lblWebSite->text(), d.lblEmail->text(), d.cmdOK->text(),
                           d.cmdSysInfo->text()})
                  .join('|'),
              "About Tessellara|Tessellara|Version 10.0.3|Web Site:|E-mail:|OK|&System Info...");
    EXPECT_FALSE(d.lblDescription->text().isEmpty());
    // The e-mail label shows the bare address; the link keeps the mailto: prefix.
    EXPECT_TRUE(d.lblEmailAddress->text().contains(">players@tessellara.invalid<"));
    EXPECT_TRUE(d.lblWebSiteURL->text().contains(">https://tessellara.invalid/<"));
    emit d.lblWebSiteURL->linkActivated(kWebSiteUrl);
    emit d.lblEmailAddress->linkActivated(kEmailLink);
    EXPECT_EQ(fake.opened, (QList<QUrl>{QUrl("https://tessellara.invalid/"),
                                        QUrl("mailto:players@tessellara.invalid")}));
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
}

TEST(AboutDialog, IconHasItsFourColoursOnBlack) {
    const QImage icon = AppIconImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(QColor(icon.pixel(0, 0)), QColor(Qt::black));
    QStringList corners; // which of red, green, blue are strong inside each corner piece
    for (const QPoint p : {QPoint(5, 5), QPoint(26, 5), QPoint(5, 26), QPoint(26, 26)}) {
        const QColor c(icon.pixel(p));
        corners << QString("%1%2%3").arg(c.red() > 128).arg(c.green() > 128).arg(c.blue() > 128);
    }
    EXPECT_EQ(corners, (QStringList{"010", "110", "100", "001"})) << "green, yellow, red, blue";
}

TEST(AboutDialog, SystemInfoTriesItsSourcesInOrder) {
    struct Case {
        QString pathValue, locationValue; // the two keys; empty: absent
        QStringList present;
        bool startSucceeds;
        QString started; // empty: nothing; a message shows when nothing started well
    };
    const Case cases[] = {
        {"", "", {}, true, ""},
        {"/opt/m/msinfo", "/opt/t", {"hardinfo"}, true, "/opt/m/msinfo"},
        {"/opt/m/msinfo", "", {}, false, "/opt/m/msinfo"},
        {"", "/opt/t", {"hardinfo"}, true, ""},
        {"", "/opt/t", {"/opt/t/MSINFO32.EXE"}, true, "/opt/t/MSINFO32.EXE"},
        {"", "", {"gnome-system-monitor", "hardinfo"}, true, "/usr/bin/hardinfo"},
        {"", "", {"kinfocenter"}, false, "/usr/bin/kinfocenter"},
    };
    for (const Case& c : cases) {
        FakeDesktop fake{c.present, c.startSucceeds, {}, {}};
        AboutDesktop desktop = fake.Make();
        if (!c.pathValue.isEmpty()) {
            desktop.keys.SetValue(kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                  "PATH", c.pathValue);
        }
        if (!c.locationValue.isEmpty()) {
            desktop.keys.SetValue(kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                                  "MSINFO", c.locationValue);
        }
        AboutDialog d(ProcessFacts{}, std::move(desktop));
        d.show();
        QString shown;
        test::AnswerModals(
            [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                shown = box->windowTitle() + "|" + box->text();
                box->accept();
            },
            [&] { QTest::mouseClick(d.cmdSysInfo, Qt::LeftButton); });
        const std::string name =
            (c.pathValue + c.locationValue + c.present.join(',')).toStdString();
        EXPECT_EQ(fake.started.join(','), c.started) << name;
        const bool failed = c.started.isEmpty() || !c.startSucceeds;
        EXPECT_EQ(shown, failed ? "Tessellara|System Information Is Unavailable At This Time" : "")
            << name;
    }
}

} // namespace
} // namespace tess
