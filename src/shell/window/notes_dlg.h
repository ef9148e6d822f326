#ifndef QX_SHELL_WINDOW_NOTES_DLG_H
#define QX_SHELL_WINDOW_NOTES_DLG_H

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace qx {

// The notes window: free text about the position, edited in place in the document's
// notes. It stands beside the main window; closing it only hides it.
class NotesDlg : public QDialog {
    Q_OBJECT

  public:
    // A top-level window on the document's notes text, which must outlive it.
    explicit NotesDlg(std::string* notes);

    // Shows the notes text again after New or Open replaced it.
    void Refresh();

  private:
    void CopyTextToNotes();

    std::string* notes;  // the document's, never owned
    QPlainTextEdit* edit;
};

}  // namespace qx

#endif  // QX_SHELL_WINDOW_NOTES_DLG_H
