#ifndef QX_PLATFORM_QT_TEXT_TABLE_H
#define QX_PLATFORM_QT_TEXT_TABLE_H

#include <QTableWidget>
#include <string>
#include <vector>

namespace qx {

// A read-only table of texts, one row selected at a time, with its columns sized to
// their contents and numbers right-aligned; name is its accessible name.
QTableWidget* MakeTextTable(const std::vector<std::string>& columns,
                            const std::vector<std::vector<std::string>>& rows, const QString& name,
                            QWidget* parent);

}  // namespace qx

#endif  // QX_PLATFORM_QT_TEXT_TABLE_H
