#pragma once

#include "common/formats/ElementRecord.h"
#include "player/elements/ElementRoles.h"

namespace ztv {

struct DisplayGeometry;

// A page element: its record (adapted to the display) and the hooks the engine calls on it in
// the life of a page. A kind overrides what it does and uses the roles it needs.
//
// The engine owns every element. An element never deletes itself: where it is done for good it
// calls requestFree(), and the engine frees it once the element's call has returned.
class Element {
  public:
    Element() = default;
    virtual ~Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    // Copies the record (the index-th of the page file), then adapts its rectangle to the
    // display.
    void setRecord(int index, const ElementRecord& record, const DisplayGeometry& geometry);
    const ElementRecord& record() const { return record_; }
    int recordIndex() const { return recordIndex_; }
    // What plays the element; set before any hook below.
    void attach(const ElementRoles& roles) { roles_ = roles; }

    // --- the hooks ---
    // Page load, whatever the record holds.
    virtual void link() {}
    // The record holds a marker that keeps this kind from being prepared at page load.
    virtual bool skipsPreparation() const;
    // The record holds a marker that makes this kind disappear instead of appearing.
    virtual bool disappears() const;
    // Page load: everything that can be ready before the column is shown.
    virtual void prepare() {}
    // The element's column is shown. False: the column waits (for the end of a medium) before
    // its display goes on.
    virtual bool show() { return true; }
    // The element's column is shown and the record holds a disappearance marker.
    virtual void disappear() {}
    // A timer step that has come due.
    virtual void step() {}
    // The element's transition has finished; what steps on is a picture's animation only.
    virtual bool transitionFinished() const { return false; }
    // Seconds the column waits once its effects are done (`Attente` where the kind keeps one).
    virtual double columnPause() const { return 0; }
    // The mouse entered (on) or left (off) the element's row.
    virtual void hover(bool /*on*/) {}
    // A click on the element scrolls it (the panorama): 0 left, 1 right, 2 up, 3 down.
    virtual void scroll(int /*direction*/) {}
    // The page changes: the element's own display goes away.
    virtual void hide() {}

    bool freeRequested() const { return freeRequested_; }

  protected:
    const ElementRoles& roles() const { return roles_; }
    // `Fichier` is the text of one of these marker lines.
    bool fichierIsOneOf(std::initializer_list<int> lines) const;
    // The engine removes this element after the current call.
    void requestFree() { freeRequested_ = true; }
    // The row is no longer shown in the column, and the cell needs no more steps.
    void finishSteps();
    // Asks for the next step after the transition delay of `Vitesse`.
    void scheduleTransitionStep();
    // Something changed on the page (where a column is played).
    void restartColumnPause();

  private:
    ElementRecord record_;
    int recordIndex_ = 0;
    ElementRoles roles_;
    bool freeRequested_ = false;
};

}  // namespace ztv
