#pragma once

#include "common/formats/ElementKinds.h"
#include "player/elements/Element.h"

#include <functional>
#include <map>
#include <memory>

namespace ztv {

// Makes the element of a kind for a record at page load. The built-in kinds are defined from
// the start; a kind may be given another maker (a new kind, or one a test plays). Kinds
// without a maker (click zones) get no element.
class ElementFactory {
  public:
    using Maker = std::function<std::unique_ptr<Element>()>;

    ElementFactory();

    void define(ElementKind kind, Maker maker);
    std::unique_ptr<Element> make(ElementKind kind) const;

  private:
    std::map<ElementKind, Maker> makers_;
};

}  // namespace ztv
