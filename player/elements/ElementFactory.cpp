#include "player/elements/ElementFactory.h"

#include "player/elements/ZtvCaseImage.h"
#include "player/elements/ZtvCaseKinds.h"
#include "player/elements/ZtvCaseSon.h"
#include "player/elements/ZtvCaseTexte.h"
#include "player/elements/ZtvCaseVideo.h"

namespace ztv {
namespace {

template <class T>
ElementFactory::Maker maker() {
    return [] { return std::make_unique<T>(); };
}

}  // namespace

ElementFactory::ElementFactory() {
    define(ElementKind::Sound, maker<TZtvCaseSon>());
    define(ElementKind::Video, maker<TZtvCaseVideo>());
    define(ElementKind::Background, maker<TZtvCaseImage>());
    define(ElementKind::Picture, maker<TZtvCaseImage>());
    define(ElementKind::Character, maker<TZTVCasePerso>());
    define(ElementKind::Panorama, maker<TZtvCasePano>());
    define(ElementKind::Animation, maker<TZtvCaseAnim>());
    define(ElementKind::Text, maker<TZtvCaseTexte>());
    define(ElementKind::KeywordList, maker<TZtvCaseMotCle>());
    define(ElementKind::LongText, maker<TZtvCaseLongTexte>());
}

void ElementFactory::define(ElementKind kind, Maker maker) {
    makers_[kind] = std::move(maker);
}

std::unique_ptr<TZtvCase> ElementFactory::make(ElementKind kind) const {
    const auto it = makers_.find(kind);
    return it == makers_.end() ? nullptr : it->second();
}

}  // namespace ztv
