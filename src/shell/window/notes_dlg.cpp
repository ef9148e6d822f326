#include "shell/window/notes_dlg.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/qt/dialog_units.h"
#include "shell/notes_text.h"

namespace qx {

NotesDlg::NotesDlg(std::string* notesText) : QDialog(nullptr), notes(notesText) {
    setWindowTitle(QStringLiteral("Notes"));
    setObjectName(QStringLiteral("notes"));
    edit = new QPlainTextEdit(this);
    edit->setObjectName(QStringLiteral("notesText"));
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto* layout = new QVBoxLayout(this);
    const QSize margin = DialogUnits(*this, 7, 7);
    layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    layout->addWidget(edit);
    resize(DialogUnits(*this, 263, 162));

    Refresh();
    connect(edit, &QPlainTextEdit::textChanged, this, &NotesDlg::CopyTextToNotes);
}

void NotesDlg::Refresh() {
    const QSignalBlocker quiet(edit);
    edit->setPlainText(QString::fromStdString(EditorTextFromNotes(*notes)));
}

void NotesDlg::CopyTextToNotes() {
    *notes = NotesFromEditorText(edit->toPlainText().toStdString());
}

}  // namespace qx
