#ifndef QX_TEST_SUPPORT_HELP_FAILURES_H
#define QX_TEST_SUPPORT_HELP_FAILURES_H

#include <gtest/gtest.h>

#include <utility>

#include "platform/messages.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"

namespace qx {

// Checks that a window model's Help commands, on a desktop that can show nothing, ask for
// no window of their own and warn over the owner, as every window of the program does.
template <class Command, class Model>
void ExpectHelpFailuresSaid(Model& model, RecordingDesktop& desktop,
                            const RecordingMessages& messages, MessageOwner owner) {
    using Request = decltype(model.Command(Command::kContents));
    desktop.succeed = false;
    const std::pair<Command, const char*> cases[] = {
        {Command::kContents, "The help pages could not be shown."},
        {Command::kHomePage, "No web browser could be started for the home page."}};
    for (const auto& [command, text] : cases) {
        EXPECT_EQ(model.Command(command), Request::kNone);
        EXPECT_EQ(messages.LastText(), text);
        EXPECT_EQ(messages.shown.back().owner, owner);
    }
}

}  // namespace qx

#endif  // QX_TEST_SUPPORT_HELP_FAILURES_H
