#pragma once

#include <QStringList>
#include <functional>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The preview of the current page in the player, which plays the working copy in place, and
// its web variant. The first preview of a run starts the player with "somm" and the page; later
// ones first close the running player and also name the data folder.
class PreviewLauncher {
  public:
    // Asks the running player, if any, to close (its window listens for the request).
    using CloseRequester = std::function<void()>;

    PreviewLauncher(SessionSettings& state, Prompter& prompter);

    // Play: page 0 means no current page (message 60).
    void preview(int page);
    // WebPreview: writes run.htm in the data folder and opens it in the browser.
    void webPreview(int page);
    // Closes a running preview player; the position editor and the main window call it when
    // they close.
    void closeRunningPreview();

    // The player's arguments for the page, given whether a preview ran before.
    QStringList playerArguments(int page, bool later) const;
    // The 14 lines of run.htm for the page.
    QStringList webPageLines(int page) const;

    void setCloseRequester(CloseRequester requester) { closeRequester_ = std::move(requester); }

  private:
    // The running flag's rule shared by both previews: false when there is no page. later
    // tells whether a preview ran before this one.
    bool beginPreview(int page, bool* later);

    SessionSettings& state_;
    Prompter& prompter_;
    CloseRequester closeRequester_;
};

}  // namespace ztv::editor
