#ifndef QX_JOURNAL_WINDOW_RESULTS_DLG_H
#define QX_JOURNAL_WINDOW_RESULTS_DLG_H

#include <QDialog>

namespace qx {

class ResultsModel;

// The "Results" view of the book: one page per table of the model (realised by entry,
// by month, the trades, the open positions), "Export..." and "Close".
class ResultsDlg : public QDialog {
    Q_OBJECT

  public:
    ResultsDlg(ResultsModel& model, QWidget* parent);
};

}  // namespace qx

#endif  // QX_JOURNAL_WINDOW_RESULTS_DLG_H
