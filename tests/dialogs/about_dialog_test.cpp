// The about box: its texts and links, and where System Info looks for a program.
#include "dialogs/about_dialog.h"
#include "support/window_test_support.h"

#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace tess {
namespace {

// Each showing: the version and links; System Info tries its sources in order; OK closes.
TEST(AboutDialog, ShowsItsVersionAndLinksAndSystemInfoTriesItsSourcesInOrder) {
    struct Case {
        QString pathValue, locationValue; // the two keys; empty: absent
        QStringList present;
        bool fails;
        QString started; // empty: nothing; a message shows when nothing started well
    };
    const Case cases[] = {
        {"/opt/m/msinfo", "/opt/t", {"hardinfo"}, false, "/opt/m/msinfo"},
        {"", "/opt/t", {"hardinfo"}, false, ""},
        {"", "/opt/t", {"/opt/t/MSINFO32.EXE"}, false, "/opt/t/MSINFO32.EXE"},
        {"", "", {"gnome-system-monitor", "hardinfo"}, false, "/usr/bin/hardinfo"},
        {"", "", {"kinfocenter", "hardinfo"}, true, "/usr/bin/kinfocenter"},
    };
    for (const Case& c : cases) {
        QStringList started;
        QList<QUrl> opened;
        // A desktop that holds the programs and files present (programs under /usr/bin) and
        // records what it is asked to start and open.
        AboutDesktop desktop;
        desktop.findProgram = [&c](const QString& name) {
            return c.present.contains(name) ? "/usr/bin/" + name : QString();
        };
        desktop.fileExists = [&c](const QString& path) { return c.present.contains(path); };
        desktop.startProgram = [&](const QString& path) { return started << path, !c.fails; };
        desktop.openUrl = [&opened](const QUrl& url) { opened << url; };
        const QString tools = "SOFTWARE\\Microsoft\\Shared Tools";
        if (!c.pathValue.isEmpty()) {
            desktop.keys.SetValue(kLocalMachine, tools + "\\MSINFO", "PATH", c.pathValue);
        }
        if (!c.locationValue.isEmpty()) {
            desktop.keys.SetValue(kLocalMachine, tools + " Location", "MSINFO", c.locationValue);
        }
        AboutDialog d(ProcessFacts{{}, {}, {}, {}, {}, "Tessellara", 10, 0, 3}, std::move(desktop));
        d.show();
        EXPECT_EQ(d.lblVersion->text(), "Version 10.0.3");
        // The e-mail label shows the bare address; the link keeps the mailto: prefix.
        EXPECT_TRUE(d.lblEmailAddress->text().contains(">players@tessellara.invalid<"));
        emit d.lblWebSiteURL->linkActivated({});
        emit d.lblEmailAddress->linkActivated({});
        EXPECT_EQ(opened, (QList<QUrl>{QUrl("https://tessellara.invalid/"),
                                       QUrl("mailto:players@tessellara.invalid")}));
        QString shown;
        test::AnswerModals(
            [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                shown = box->windowTitle() + "|" + box->text();
                box->accept();
            },
            [&] { QTest::mouseClick(d.cmdSysInfo, Qt::LeftButton); });
        EXPECT_EQ(started.join(',') + shown,
                  c.started + (c.started.isEmpty() || c.fails
                                   ? "Tessellara|System Information Is Unavailable At This Time"
                                   : ""));
    }
}

} // namespace
} // namespace tess
