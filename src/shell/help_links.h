#ifndef QX_SHELL_HELP_LINKS_H
#define QX_SHELL_HELP_LINKS_H

namespace qx {

class Desktop;
class Messages;
enum class MessageOwner;

// The Help menu's Contents command of every window: shows the help at its contents
// page, or warns over owner when no viewer could show it.
void ShowHelpContents(Desktop& desktop, Messages& messages, MessageOwner owner);

// The Help menu's Home Page command of every window: opens the product's home page in
// the browser, or warns over owner when none could be started.
void OpenHomePage(Desktop& desktop, Messages& messages, MessageOwner owner);

}  // namespace qx

#endif  // QX_SHELL_HELP_LINKS_H
