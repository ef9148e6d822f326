#include "shell/help_links.h"

#include "platform/desktop.h"
#include "platform/messages.h"

namespace qx {

void ShowHelpContents(Desktop& desktop, Messages& messages, MessageOwner owner) {
    if (!desktop.OpenHelp(kHelpContentsPage))
        messages.Warning("The help pages could not be shown.", kMessageCaption, owner);
}

void OpenHomePage(Desktop& desktop, Messages& messages, MessageOwner owner) {
    if (!desktop.OpenAddress(kHomePageAddress))
        messages.Warning("No web browser could be started for the home page.", kMessageCaption,
                         owner);
}

}  // namespace qx
