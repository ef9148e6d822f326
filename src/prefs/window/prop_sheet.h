#ifndef QX_PREFS_WINDOW_PROP_SHEET_H
#define QX_PREFS_WINDOW_PROP_SHEET_H

#include <QDialog>
#include <functional>
#include <memory>

#include "prefs/prop_controls.h"

class QTabWidget;

namespace qx {

class ColorButton;
class ColorChooser;
class ControlBinding;
class Messages;
class PropColors;
class PropSheetModel;
class Settings;

// The modal "Properties" sheet with its General, Graph and Colors pages. Every widget is
// bound to a control of a PropSheetModel, which edits working copies of the settings;
// OK writes them back, Cancel and Escape leave the settings as they were. Callers run
// exec() and then apply the settings, whatever the result.
class PropSheet : public QDialog {
    Q_OBJECT

  public:
    // A sheet over parent on the settings; a null chooser picks colours with the
    // desktop's colour dialog. The references must outlive the sheet.
    PropSheet(Settings& settings, Messages& messages, QWidget* parent,
              ColorChooser* chooser = nullptr);
    ~PropSheet() override;

    // The model behind the sheet.
    const PropSheetModel& GetModel() const { return *model; }
    // The widget bound to a control.
    QWidget* GetControlWidget(PropControl control) const;
    // The swatch button of a colour.
    ColorButton* GetSwatch(Swatch swatch) const;
    // The tabs of the three pages.
    QTabWidget* GetTabs() const { return tabs; }

    // What the program does each time settings are confirmed with OK, on any window's
    // sheet: keep them and show them everywhere. Nothing until a handler is set.
    static void SetAcceptedHandler(std::function<void()> handler);

  public slots:
    // OK: the settings take the sheet's values, unless the page shown refuses them.
    void accept() override;

  private:
    void ChangePage(int index);
    void ClickSwatch(Swatch swatch);
    void FocusRefusedBox();
    void MirrorModel();

    std::unique_ptr<ColorChooser> desktopChooser;  // when the caller gave none
    std::unique_ptr<PropSheetModel> model;
    ControlBinding* binding;
    QTabWidget* tabs;
    PropColors* colors;
};

}  // namespace qx

#endif  // QX_PREFS_WINDOW_PROP_SHEET_H
