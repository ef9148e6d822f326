#ifndef QX_EDITOR_WINDOW_EDITOR_DLG_H
#define QX_EDITOR_WINDOW_EDITOR_DLG_H

#include <QDialog>
#include <memory>
#include <string>

#include "editor/editor_controls.h"
#include "editor/editor_observer.h"
#include "tracker/graph_opener.h"

class QAction;
class QGridLayout;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace qx {

class Clock;
class ControlBinding;
class Desktop;
class EditorModel;
class FileChooser;
class Messages;
class NotesDlg;
class Settings;
class TrackerDlg;
template <class Command>
class MenuBinding;

// The main window: the position editor with its menu. Every widget is bound to a
// control of the EditorModel; each user event goes to the model, and the widgets then
// mirror the model's state. The window only carries out the model's requests to open
// dialogs and windows, and to end; it opens the graph windows the tracker asks for.
class EditorDlg : public QDialog, private EditorObserver, private GraphOpener {
    Q_OBJECT

  public:
    // Opens the editor on the settings; the references must outlive the window.
    EditorDlg(Settings& settings, Messages& messages, Desktop& desktop, FileChooser& files,
              const Clock& clock);
    ~EditorDlg() override;

    // The model behind the window.
    EditorModel& GetModel() { return *model; }

    // The widget bound to a control (RowControlId gives a row's).
    QWidget* GetControlWidget(EditorControl control) const;

    // The menu item of a command, or null when the menu has none.
    QAction* GetMenuAction(EditorCommand command) const;

    // Opens the document at path as File > Open does once a file is chosen.
    void OpenDocument(const std::string& path);

    // Shows what the property sheet changed, from this window or another.
    void ApplySettings();

    // The position table.
    QListWidget* GetPositionTable() const { return position; }

    // The notes window, or null until the Notes command first ran.
    NotesDlg* GetNotesWindow() const { return notes.get(); }

    // The trade tracker, or null until the Tracker command first ran.
    TrackerDlg* GetTrackerWindow() const { return tracker.get(); }

  signals:
    // The user asked for a new graph window on the position.
    void graphRequested();
    // The user asked for the trade tracker.
    void trackerRequested();

  public slots:
    // Escape: the window ends with Cancel, the settings are not saved.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void RowChanged() override;
    void DocumentReplaced() override;
    void OpenGraph(const Option (&options)[kOptionSlots], const Stock& stock) override;

    QWidget* BuildEnvironment();
    QWidget* BuildShellLabels();
    QWidget* BuildRow(int row);
    QWidget* BuildPositionTable();
    QWidget* BuildStatusLine();
    void ChoosePositionLine(QListWidgetItem* item);
    void MirrorPosition();
    void AddField(QGridLayout* grid, int line, int column, EditorControl label, QWidget* field);

    void RunCommand(EditorCommand command);
    void Handle(EditorRequest request = EditorRequest::kNone);
    void ShowNotes();
    void ShowTracker();
    void ApplyHighlightColors();
    void MirrorModel();

    Settings& settings;
    Messages& messages;
    Desktop& desktop;
    FileChooser& files;
    const Clock& clock;
    std::unique_ptr<EditorModel> model;
    ControlBinding* binding;
    MenuBinding<EditorCommand>* menus;
    QListWidget* position = nullptr;
    std::unique_ptr<NotesDlg> notes;
    std::unique_ptr<TrackerDlg> tracker;
};

}  // namespace qx

#endif  // QX_EDITOR_WINDOW_EDITOR_DLG_H
