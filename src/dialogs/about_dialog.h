// The about box frmAbout: title, version, description, links and the system-information button.
#pragma once

#include "dialogs/system_keys.h"
#include "game/process_facts.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace tess {

inline const QString kWebSiteUrl = QStringLiteral("https://tessellara.invalid/");
inline const QString kEmailLink = QStringLiteral("mailto:players@tessellara.invalid");

// System-information programs that Linux desktops provide, in the order they are tried.
inline const QStringList kSysInfoPrograms = {
    QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
    QStringLiteral("gnome-system-monitor")};

// What the about box asks of the desktop; tests replace any of it.
struct AboutDesktop {
    SystemKeys keys;
    // The full path of a program found on PATH, or empty.
    std::function<QString(const QString& name)> findProgram;
    std::function<bool(const QString& path)> fileExists;
    // Starts a program detached from this one; false when it could not start.
    std::function<bool(const QString& path)> startProgram;
    std::function<void(const QUrl& url)> openUrl;

    // The real desktop.
    static AboutDesktop Current();
};

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const ProcessFacts& facts, AboutDesktop desktop, QWidget* parent = nullptr);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line1Highlight = nullptr;
    QLabel* lblWebSite = nullptr;
    QLabel* lblWebSiteURL = nullptr;
    QLabel* lblEmail = nullptr;
    QLabel* lblEmailAddress = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    void lblWebSiteURL_Click();
    void lblEmailAddress_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

private:
    void Form_Load();
    bool StartProgram(const QString& path);

    ProcessFacts facts_;
    AboutDesktop desktop_;
};

} // namespace tess
