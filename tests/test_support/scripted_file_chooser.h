#ifndef QX_TEST_SUPPORT_SCRIPTED_FILE_CHOOSER_H
#define QX_TEST_SUPPORT_SCRIPTED_FILE_CHOOSER_H

#include <deque>
#include <string>
#include <vector>

#include "platform/file_chooser.h"

namespace qx {

// Stands in for the file dialogs: answers each one with the next path the test queued
// (an empty text, or none left, is a cancelled dialog) and remembers what was asked.
class ScriptedFileChooser : public FileChooser {
  public:
    std::string ChooseFileToOpen() override {
        ++openDialogs;
        return NextAnswer();
    }

    std::string ChooseFileToSave(const std::string& suggestedName) override {
        suggestedNames.push_back(suggestedName);
        return NextAnswer();
    }

    std::string ChooseFileToRead(const std::string& title,
                                 const std::vector<FileKind>& kinds) override {
        Ask(title, kinds);
        return NextAnswer();
    }

    std::string ChooseFileToWrite(const std::string& title, const std::vector<FileKind>& kinds,
                                  const std::string& suggestedName) override {
        Ask(title, kinds);
        suggestedNames.push_back(suggestedName);
        return NextAnswer();
    }

    std::deque<std::string> answers;          // paths the dialogs return, in turn
    std::vector<std::string> suggestedNames;  // the name each save dialog proposed
    int openDialogs = 0;
    std::vector<std::string> titles;  // the caption of each dialog of other files
    std::vector<FileKind> lastKinds;  // the kinds the last such dialog offered

  private:
    void Ask(const std::string& title, const std::vector<FileKind>& kinds) {
        titles.push_back(title);
        lastKinds = kinds;
    }

    std::string NextAnswer() {
        if (answers.empty()) return {};
        std::string path = answers.front();
        answers.pop_front();
        return path;
    }
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_SCRIPTED_FILE_CHOOSER_H
