#include "platform/qt/qt_desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

namespace qx {

namespace {

const QString kHelpResources = QStringLiteral(":/help");

// A page name from the caller must name a resource of the help, nothing else.
bool IsHelpPage(const QString& page) {
    return !page.isEmpty() && !page.contains('/') && !page.contains('\\') &&
           QFile::exists(kHelpResources + '/' + page);
}

}  // namespace

QtDesktop::QtDesktop(QString folder) : helpFolder(std::move(folder)) {}

QtDesktop::~QtDesktop() = default;

QString QtDesktop::DefaultHelpFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/help";
}

bool QtDesktop::CopyHelpPages() const {
    if (!QDir().mkpath(helpFolder)) return false;
    QDirIterator it(kHelpResources, QDir::Files);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = helpFolder + '/' + it.fileName();
        // A copy from an older build is replaced; QFile::copy never overwrites.
        QFile::remove(target);
        if (!QFile::copy(source, target)) return false;
        QFile::setPermissions(
            target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return true;
}

bool QtDesktop::OpenHelp(const std::string& page) {
    const QString name = QString::fromStdString(page);
    if (!IsHelpPage(name)) return false;
    if (CopyHelpPages() && QDesktopServices::openUrl(QUrl::fromLocalFile(helpFolder + '/' + name)))
        return true;
    return ShowInOwnViewer(name);
}

bool QtDesktop::ShowInOwnViewer(const QString& page) {
    if (!viewer) {
        viewer = std::make_unique<QTextBrowser>();
        viewer->setWindowTitle(QStringLiteral("Qualtrixon Help"));
        viewer->setOpenExternalLinks(true);
        viewer->resize(720, 640);
        // Closes like any other help window.
        for (const QKeySequence& key :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            auto* shortcut = new QShortcut(key, viewer.get());
            QObject::connect(shortcut, &QShortcut::activated, viewer.get(), &QWidget::close);
        }
    }
    viewer->setSource(QUrl(QStringLiteral("qrc") + kHelpResources + '/' + page));
    viewer->showNormal();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

bool QtDesktop::OpenAddress(const std::string& address) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != "https" && url.scheme() != "http")) return false;
    return QDesktopServices::openUrl(url);
}

}  // namespace qx
