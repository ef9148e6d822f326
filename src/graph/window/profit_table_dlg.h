#ifndef QX_GRAPH_WINDOW_PROFIT_TABLE_DLG_H
#define QX_GRAPH_WINDOW_PROFIT_TABLE_DLG_H

#include <QDialog>
#include <memory>
#include <string>

#include "graph/profit_table_controls.h"
#include "platform/qt/window_file_chooser.h"
#include "platform/qt/window_messages.h"
#include "pricing/option.h"

class QTableWidget;

namespace qx {

class ControlBinding;
class ProfitTableWindowModel;
class Settings;
class Stock;
template <class Command>
class MenuBinding;

// A profit table window: the position's NET profit (or value, or percent) by price and
// date, with its own Volatility slider, Copy, Export and Print. Every widget is bound to
// a control of its ProfitTableWindowModel; the window mirrors the cells into the grid.
// Each window works on copies of its own and deletes itself when closed.
class ProfitTableDlg : public QDialog {
    Q_OBJECT

  public:
    // Opens a new top-level, non-modal table on copies of the options and the holding,
    // shows it and returns it; or warns and returns null when no option has a side.
    // documentName heads the printed table.
    static ProfitTableDlg* Open(const Option (&options)[kOptionSlots], const Stock& stock,
                                const Settings& settings, Messages& messages, FileChooser& files,
                                const std::string& documentName = {});
    ~ProfitTableDlg() override;

    ProfitTableWindowModel& GetModel() { return *model; }
    QTableWidget* GetGrid() const { return grid; }
    QWidget* GetControlWidget(TableControl control) const;
    // Carries out a menu command as the menu would.
    void RunCommand(TableCommand command);

  public slots:
    void reject() override;

  protected:
    // Coming back to the window recomputes under settings changed meanwhile.
    void changeEvent(QEvent* event) override;

  private:
    ProfitTableDlg(const Option (&options)[kOptionSlots], const Stock& stock,
                   const Settings& settings, Messages& messages, FileChooser& files,
                   const std::string& documentName);

    QWidget* BuildControls();
    void Handle(TableRequest request = TableRequest::kNone);
    void Export();
    void Print();
    void MirrorModel();
    void MirrorGrid();

    const Settings& settings;
    WindowMessages messages;
    WindowFileChooser files;
    std::unique_ptr<ProfitTableWindowModel> model;
    ControlBinding* binding;
    MenuBinding<TableCommand>* menus;
    QTableWidget* grid;
};

}  // namespace qx

#endif  // QX_GRAPH_WINDOW_PROFIT_TABLE_DLG_H
