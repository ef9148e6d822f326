#ifndef QX_TRACKER_WINDOW_TRACKER_DLG_H
#define QX_TRACKER_WINDOW_TRACKER_DLG_H

#include <QDialog>
#include <array>
#include <memory>

#include "platform/qt/window_file_chooser.h"
#include "platform/qt/window_messages.h"
#include "pricing/option.h"
#include "tracker/tracker_controls.h"

class QKeyEvent;
class QListWidget;
class QGridLayout;

namespace qx {

class Clock;
class ControlBinding;
class FileChooser;
class GraphOpener;
class Messages;
class Settings;
class Stock;
class TrackerListCtrl;
class TrackerWindowModel;
class TranList;

// The "Trade Tracker" window: the entry form and the list of the document's
// transactions. Every widget mirrors a control of the TrackerWindowModel; each user
// event goes to the model, and the window carries out what the model asks of it: the
// editor to the front, or a graph window on the open positions through graphs. It stands beside the
// main window; closing it only hides it. Its own messages and file dialogs appear over it.
class TrackerDlg : public QDialog {
    Q_OBJECT

  public:
    // A top-level window on the editor's records and the document's transactions;
    // editor is the window that gets the focus when an entry needs it first. Every
    // reference must outlive the window.
    TrackerDlg(const Stock& stock, std::array<const Option*, kOptionSlots> options,
               TranList& transactions, Settings& settings, Messages& messages, GraphOpener& graphs,
               FileChooser& files, const Clock& clock, QWidget* editor);
    ~TrackerDlg() override;

    // Shows the window again with its entries brought up to date, in front and focused.
    void ShowAgain();
    // Lists the entries again after an editor row changed.
    void RefillEntries();
    // Lists the transactions and entries of a new or opened document.
    void DocumentReplaced();

    // The model behind the window.
    TrackerWindowModel& GetModel() { return *model; }
    // The widget of a control.
    QWidget* GetControlWidget(TrackerControl control) const;
    // The list of transactions or positions.
    TrackerListCtrl* GetList() const { return list; }

  protected:
    // Enter in the form presses Record, once the box it was typed in has been read.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* BuildForm();
    QWidget* BuildButtons();
    QWidget* BuildViewLine();
    QWidget* BuildList();
    void AddField(QGridLayout* grid, int line, TrackerControl label, QWidget* field);
    void ChooseEntry(int entry);
    // Presses Record when the form is complete.
    void RecordOnEnter();
    void Handle(TrackerRequest request = TrackerRequest::kNone);
    // The preview of a broker statement; the book takes its rows when it is accepted.
    void ImportStatement();
    void ShowResults();
    void MirrorModel();
    void MirrorEntries();
    void MirrorList();

    const Stock& stock;
    TranList& transactions;
    Settings& settings;
    GraphOpener& graphs;
    QWidget* editor;
    WindowMessages trackerMessages;  // the tracker's own, over this window
    WindowFileChooser trackerFiles;
    std::unique_ptr<TrackerWindowModel> model;
    ControlBinding* binding;
    QListWidget* entries;
    TrackerListCtrl* list;
};

}  // namespace qx

#endif  // QX_TRACKER_WINDOW_TRACKER_DLG_H
