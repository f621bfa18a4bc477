// The about box and the start of a system-information program.
#include "dialogs/about_dialog.h"

#include "dialogs/app_icon.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tess {

AboutDesktop AboutDesktop::Current() {
    AboutDesktop desktop;
    desktop.findProgram = [](const QString& name) { return QStandardPaths::findExecutable(name); };
    desktop.fileExists = [](const QString& path) { return QFileInfo(path).isFile(); };
    desktop.startProgram = [](const QString& path) { return QProcess::startDetached(path, {}); };
    desktop.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return desktop;
}

namespace {

QLabel* LinkLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    return label;
}

QFrame* RuleLine(QWidget* parent, const char* name, QPalette::ColorRole role) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::NoFrame);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(role));
    line->setPalette(palette);
    return line;
}

} // namespace

AboutDialog::AboutDialog(const ProcessFacts& facts, AboutDesktop desktop, QWidget* parent)
    : QDialog(parent), facts_(facts), desktop_(std::move(desktop)) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QPixmap::fromImage(AppIconImage()));
    picIcon->setFixedSize(32, 32);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription =
        new QLabel(tr("A jigsaw puzzle made from any picture you like. Open a BMP, JPEG or GIF "
                      "file, choose how many pieces to cut it into, and put it back together "
                      "by dragging the pieces into place. Joined pieces move together, the "
                      "clock keeps your time, and your best games are remembered."),
                   this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setFixedWidth(300);

    Line1 = RuleLine(this, "Line1", QPalette::Dark);
    Line1Highlight = RuleLine(this, "Line1Highlight", QPalette::Light);

    lblWebSite = new QLabel(tr("Web Site:"), this);
    lblWebSite->setObjectName(QStringLiteral("lblWebSite"));
    lblWebSiteURL = LinkLabel(this, "lblWebSiteURL");
    lblEmail = new QLabel(tr("E-mail:"), this);
    lblEmail->setObjectName(QStringLiteral("lblEmail"));
    lblEmailAddress = LinkLabel(this, "lblEmailAddress");
    connect(lblWebSiteURL, &QLabel::linkActivated, this, [this] { lblWebSiteURL_Click(); });
    connect(lblEmailAddress, &QLabel::linkActivated, this, [this] { lblEmailAddress_Click(); });

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });

    auto* heading = new QVBoxLayout;
    heading->addWidget(lblTitle);
    heading->addWidget(lblVersion);
    heading->addSpacing(8);
    heading->addWidget(lblDescription);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(heading);

    auto* links = new QGridLayout;
    links->addWidget(lblWebSite, 0, 0);
    links->addWidget(lblWebSiteURL, 0, 1);
    links->addWidget(lblEmail, 1, 0);
    links->addWidget(lblEmailAddress, 1, 1);
    links->setColumnStretch(1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(links, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    // The etched rule: the highlight line right below the shadow line.
    auto* rule = new QVBoxLayout;
    rule->setSpacing(0);
    rule->addWidget(Line1);
    rule->addWidget(Line1Highlight);
    layout->addLayout(rule);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void AboutDialog::Form_Load() {
    setWindowTitle(tr("About ") + facts_.Title);
    lblVersion->setText(
        tr("Version %1.%2.%3").arg(facts_.Major).arg(facts_.Minor).arg(facts_.Revision));
    lblTitle->setText(facts_.Title);
    lblWebSiteURL->setText(
        QStringLiteral("<a href=\"%1\">%1</a>").arg(kWebSiteUrl.toHtmlEscaped()));
    const QString address = kEmailLink.mid(7);
    lblEmailAddress->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                 .arg(kEmailLink.toHtmlEscaped(), address.toHtmlEscaped()));
}

void AboutDialog::lblWebSiteURL_Click() {
    if (desktop_.openUrl) {
        desktop_.openUrl(QUrl(kWebSiteUrl));
    }
}

void AboutDialog::lblEmailAddress_Click() {
    if (desktop_.openUrl) {
        desktop_.openUrl(QUrl(kEmailLink));
    }
}

void AboutDialog::cmdSysInfo_Click() { StartSysInfo(); }

bool AboutDialog::StartProgram(const QString& path) {
    return desktop_.startProgram && desktop_.startProgram(path);
}

void AboutDialog::StartSysInfo() {
    if (const auto path = desktop_.keys.GetKeyValue(
            kLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
            QStringLiteral("PATH"))) {
        if (StartProgram(*path)) {
            return;
        }
    } else if (const auto folder = desktop_.keys.GetKeyValue(
                   kLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                   QStringLiteral("MSINFO"))) {
        const QString program = QDir(*folder).filePath(QStringLiteral("MSINFO32.EXE"));
        if (desktop_.fileExists && desktop_.fileExists(program) && StartProgram(program)) {
            return;
        }
    } else if (desktop_.findProgram) {
#ifndef Q_OS_WIN
        for (const QString& name : kSysInfoPrograms) {
            const QString program = desktop_.findProgram(name);
            if (!program.isEmpty()) {
                if (StartProgram(program)) {
                    return;
                }
                break;
            }
        }
#endif
    }
    QMessageBox box(QMessageBox::NoIcon, facts_.Title,
                    tr("System Information Is Unavailable At This Time"), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace tess
