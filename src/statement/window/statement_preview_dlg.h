#ifndef QX_STATEMENT_WINDOW_STATEMENT_PREVIEW_DLG_H
#define QX_STATEMENT_WINDOW_STATEMENT_PREVIEW_DLG_H

#include <QDialog>

namespace qx {

class StatementPreviewModel;

// The modal preview of a statement: every row with what becomes of it and why, the
// summary above, and "Import" (Enter) or "Cancel" (Escape) below. Accepting imports.
class StatementPreviewDlg : public QDialog {
    Q_OBJECT

  public:
    StatementPreviewDlg(StatementPreviewModel& model, QWidget* parent);
};

}  // namespace qx

#endif  // QX_STATEMENT_WINDOW_STATEMENT_PREVIEW_DLG_H
