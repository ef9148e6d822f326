#include "platform/qt/qt_messages.h"

#include <QMessageBox>

namespace qx {

void QtMessages::SetOwnerWindow(MessageOwner owner, QWidget* window) {
    windows[static_cast<std::size_t>(owner)] = window;
}

QWidget* QtMessages::OwnerWindow(MessageOwner owner) const {
    return windows[static_cast<std::size_t>(owner)];
}

void QtMessages::Warning(const std::string& text, const std::string& caption, MessageOwner owner) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, OwnerWindow(owner));
    box.exec();
}

bool QtMessages::AskYesNo(const std::string& text, const std::string& caption, MessageOwner owner) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                    OwnerWindow(owner));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Answer QtMessages::AskYesNoCancel(const std::string& text, const std::string& caption,
                                  MessageOwner owner) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption),
                    QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, OwnerWindow(owner));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::kYes;
        case QMessageBox::No: return Answer::kNo;
        default: return Answer::kCancel;
    }
}

}  // namespace qx
