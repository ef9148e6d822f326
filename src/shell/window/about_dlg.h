#ifndef QX_SHELL_WINDOW_ABOUT_DLG_H
#define QX_SHELL_WINDOW_ABOUT_DLG_H

#include <QDialog>

namespace qx {

class Settings;

// The about box: the application icon, the program's name and its version.
class AboutDlg : public QDialog {
    Q_OBJECT

  public:
    // A modal box over parent showing the version the settings hold.
    AboutDlg(const Settings& settings, QWidget* parent);
};

}  // namespace qx

#endif  // QX_SHELL_WINDOW_ABOUT_DLG_H
