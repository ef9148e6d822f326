#ifndef QX_PLATFORM_QT_QT_DESKTOP_H
#define QX_PLATFORM_QT_QT_DESKTOP_H

#include <QString>
#include <memory>

#include "platform/desktop.h"

class QTextBrowser;

namespace qx {

// The desktop shell through QDesktopServices. Help pages live in the program's
// resources under :/help; the desktop's browser shows a copy of them in a folder of
// the user's cache, and when no browser starts the program shows them itself.
class QtDesktop : public Desktop {
  public:
    // Help pages are copied into helpFolder before the desktop opens them.
    explicit QtDesktop(QString helpFolder);
    ~QtDesktop() override;

    bool OpenHelp(const std::string& page) override;
    bool OpenAddress(const std::string& address) override;

    // The folder of the user's cache that holds the copied help pages.
    static QString DefaultHelpFolder();

    // Copies every help resource into helpFolder; false when the folder cannot be written.
    bool CopyHelpPages() const;

  private:
    bool ShowInOwnViewer(const QString& page);

    QString helpFolder;
    std::unique_ptr<QTextBrowser> viewer;  // created the first time the desktop fails
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_QT_DESKTOP_H
