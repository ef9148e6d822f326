#ifndef QX_EDITOR_EDITOR_MODEL_H
#define QX_EDITOR_EDITOR_MODEL_H

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/edit_history.h"
#include "editor/editor_controls.h"
#include "editor/editor_snapshot.h"
#include "editor/option_row.h"
#include "editor/saved_document.h"
#include "platform/controls.h"
#include "platform/ctime.h"
#include "pricing/option.h"

namespace qx {

class Clock;
class Desktop;
class Document;
class EditorObserver;
class FileChooser;
class Messages;
class Settings;
class Stock;

// The main window without a window: it owns the open document, carries every input
// into the records, revalues them, and keeps the state of every control and menu item
// so that the window layer only mirrors it. Events arrive as named operations.
class EditorModel {
  public:
    // Opens the main window's state from the settings, dated by the clock; help and the
    // home page open through the desktop. The references must outlive the model.
    EditorModel(Settings& settings, Messages& messages, Desktop& desktop, FileChooser& files,
                const Clock& clock);
    ~EditorModel();

    EditorModel(const EditorModel&) = delete;
    EditorModel& operator=(const EditorModel&) = delete;

    // Tells the model which windows to keep up to date; none by default.
    void SetObserver(EditorObserver* observer);

    // Events of the window.

    // The user left a text box or an editable list after typing text into it.
    void LeaveBox(EditorControl control, const std::string& text);
    // The user chose item index of a list.
    void ChooseItem(EditorControl control, int item);
    // The user clicked a button or check box; the two command buttons return the
    // request of their command.
    EditorRequest ClickButton(EditorControl control);
    // The user moved a slider to position.
    void MoveSlider(EditorControl control, int position);
    // A menu command, command button, system-menu item, Enter or Escape. New, Open, a
    // strategy, Exit, Escape and the close box first ask whether to save a document
    // that has changed; Cancel, or a save that failed, keeps the window as it is.
    EditorRequest Command(EditorCommand command);
    // The close box of the main window.
    EditorRequest CloseBox();

    // Answers to requests.

    // Opens the document at path, replacing the current one, and brings the editor in
    // line with it; file errors and foreign files are shown through Messages.
    void Open(const std::string& path);
    // Saves the document to path; true when written, and the path becomes the document's.
    bool SaveTo(const std::string& path);
    // The tracker or an import changed the document: the change becomes an undo step of
    // its own, and the position table follows.
    void TakeOutsideChanges() { const EventScope scope(*this); }
    // Applies what the property sheet may have changed, accepted or cancelled, here or
    // in another window.
    void AfterProperties();
    // Copies of the four option records and the underlying for a new graph window.
    void CopyForGraph(Option (&options)[kOptionSlots], Stock& stock) const;

    // State shown by the window.

    // The state of a control (RowControlId gives a row's control).
    const Control& GetControl(EditorControl control) const;
    // The state of a menu item given by its command.
    const MenuItem& GetMenuItem(EditorCommand command) const;
    // The open document: the notes window and the tracker work on it in place.
    Document& GetDocument() { return *document; }
    const Document& GetDocument() const { return *document; }
    // The record row 0 or 1 shows, 0..3, or -1 for none.
    int GetRowRecord(int row) const { return rows[row].GetRecord(); }
    // The date the records are valued at.
    CTime GetValuationDate() const { return valuationDate; }
    // True once a valid underlying price has been entered.
    bool RowsEnabled() const { return rowsEnabled; }
    // True when the document holds work that would be lost: it is not blank and holds
    // anything other than when it was last opened, saved or made new, whether the
    // editor, the tracker or the notes changed it.
    bool HasUnsavedWork() const { return saved.HasUnsavedWork(*document); }
    // How many of the four records hold a side.
    int RecordsWithSide() const { return recordsWithSide; }
    // The window's title: the document's file name or "Untitled", marked with "*"
    // while it holds unsaved work.
    std::string WindowTitle() const;

  private:
    // Marks one event of the window: a change made elsewhere before it (the tracker, an
    // import) becomes an undo step of its own, and once the outermost event is done,
    // its change becomes one step and the position table and menus follow.
    class EventScope {
      public:
        explicit EventScope(EditorModel& model);
        ~EventScope();

      private:
        EditorModel& model;
    };

    Control& Ctl(EditorControl control) { return controls[static_cast<int>(control)]; }
    Option& Slot(int index);
    const Option& Slot(int index) const;
    template <class F>
    void ForEachSlot(F apply) {
        for (int i = 0; i < kOptionSlots; ++i) apply(Slot(i));
    }
    template <class F>
    void ForEachRow(F apply) {
        for (OptionRow& row : rows) apply(row);
    }

    // Construction and events (editor_model.cpp).
    void InitControls();
    void OpenWindow();
    void SetListItems(EditorControl control, std::vector<std::string> items);
    void SetListText(EditorControl control, const std::string& text);
    static bool IsControl(EditorControl control) {
        return static_cast<int>(control) >= 0 && static_cast<int>(control) < kEditorControlCount;
    }
    // The row and row control of a control id; false for a control outside the rows.
    static bool FindRowControl(EditorControl id, int& row, RowControl& control);

    // Environment (editor_environment.cpp).
    // Carries volatility, interest, dividend and fees of the settings into all records.
    void ApplyEnvironment();
    // Charges every record and the underlying the fees in force.
    void ApplyFees();
    // Shows the underlying's net cash and fees.
    void ShowEnvironmentNet();
    void EnterPrice(const std::string& text);
    void ClearPrice();
    void EnterShares(const std::string& text, bool chosen);
    void ClickSide(Side side);
    void ChooseAssetType(AssetType type);
    void ShowAssetType();
    void EnterUnits(const std::string& text);
    void EnterDate(const std::string& text);
    void ShowDateBox();
    void ShowSliders();
    void RebuildSharesList();
    void RebuildExpirationLists();
    void RebuildStrikeLists();
    void RewritePrices();
    // Shows both rows' fair values and implied volatilities after the market moved.
    void RevalueRows();

    // The two option rows together (editor_rows.cpp).
    // Clears all four records, gives them the environment, and empties both rows.
    void ResetAllRecords();
    // What every row change leaves to the editor: the titles, the record lists, Graph,
    // the status line and the windows beside the editor.
    void RefreshAfterRowChange();
    // Rebuilds both rows' record-choice lists and titles.
    void RefreshOptionLists();
    // Recounts the records with a side and enables or disables Graph.
    void UpdateGraphCommand();
    // Shows slot item in the row, unless the other row shows it.
    void ChooseRecord(int row, int item);

    // Status line (editor_prompt.cpp): what to enter next, and the time.
    void UpdatePrompt();

    // Strategies, the position table and undo (editor_position.cpp).
    // Lays out a strategy around the underlying's price in the four slots and the holding.
    void ApplyStrategy(Strategy strategy);
    // Fills the position table and shows the line chosen in it in a row.
    void ShowPosition();
    void ChoosePositionLine(int line);
    EditorSnapshot Snapshot() const;
    // The document as opened or made new is the first state; nothing to undo.
    void StartHistory();
    // Makes what changed since the last step a step of its own.
    void RecordStep();
    void ShowSnapshot(const EditorSnapshot& snapshot);
    // Undo, Redo and the strategies greyed when they cannot act.
    void UpdateEditCommands();

    // Modes, rules and toggles of the Settings menu (editor_modes.cpp).
    // Basic mode (positions in the editor) or Advanced mode (values only).
    void SetBasicMode(bool on);
    // The closed form (European) or the lattice with the settings' steps (American).
    void SetEuropeanRule(bool on);
    // Fees counted in every leg while they are in force, or none.
    void ShowFees();
    // The continuous dividend yield in every record, or none.
    void SetDividendShown(bool on);
    // Prices and strikes in 64ths, or in decimals.
    void SetFractionsShown(bool on);
    // The "Units/Contract" box shown or hidden.
    void SetUnitsShown(bool on);
    // Replaces the document with a new, empty one and resets the editor.
    void NewDocument();
    void ShowRuleLabel();
    void ShowPositionControls();
    void ResetUnderlying();

    // Commands and documents (editor_commands.cpp).
    void RefreshAfterOpen();
    // The slots with days left, in slot order, for the rows; -1 where none is left.
    std::array<int, kEditorRows> SlotsWithDaysLeft() const;
    // Shows the document as it now stands, the rows on slots, in the settings' modes.
    void ShowDocument(const std::array<int, kEditorRows>& slots);
    void ShowUnderlying();
    static bool Discards(EditorCommand command);
    bool MayDiscard();
    // Save, Save As and the way there: each true when the document was written.
    bool Save();
    bool SaveAs();
    std::string SuggestedFileName() const;
    void OpenChosen();

    Settings& settings;
    Messages& messages;
    Desktop& desktop;
    FileChooser& files;
    const Clock& clock;
    EditorObserver* observer = nullptr;

    std::unique_ptr<Document> document;
    SavedDocument saved;  // the document as last opened, saved or made new
    Control controls[kEnvironmentControlCount];
    MenuItems<EditorCommand> menu;
    CTime valuationDate;
    OptionRow rows[kEditorRows];  // never showing the same slot
    CTime startupDate;
    bool rowsEnabled = false;
    int recordsWithSide = 0;
    EditHistory history;
    int eventDepth = 0;  // events under way, nested ones included
    // The slider the event under way moves, and the one the last step moved: moves of
    // one slider in a row merge into one step.
    std::optional<EditorControl> stepSlider;
    std::optional<EditorControl> lastStepSlider;
};

}  // namespace qx

#endif  // QX_EDITOR_EDITOR_MODEL_H
