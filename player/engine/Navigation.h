#pragma once

#include <QImage>
#include <QString>

namespace ztv {

// What running an action may ask of the page play, and nothing more.
class Navigation {
  public:
    virtual ~Navigation() = default;

    virtual int currentPage() const = 0;
    // Shows the page from the column; a page the project does not have, or a column outside
    // the grid, changes nothing.
    virtual void goTo(int page, int column) = 0;
    // Plays another single-file project (a stored path) in place of this one.
    virtual void playOtherProject(const QString& storedPath) = 0;
    // Closes the run before something outside the page (a program, a print) takes over.
    virtual void closeRun() = 0;
    virtual void showBusy(bool busy) = 0;
    // The action is over: the page takes clicks again.
    virtual void actionDone() = 0;
    // The next appearance runs its effect as it is, not reversed.
    virtual void clearReversedEffect() = 0;
    virtual void quit() = 0;
    virtual void toggleSound() = 0;
    virtual void toggleVideo() = 0;
    // What the page shows, for printing.
    virtual const QImage& screen() const = 0;
};

}  // namespace ztv
