#include "player/elements/ElementFactory.h"

#include "player/elements/AnimationElement.h"
#include "player/elements/CharacterElement.h"
#include "player/elements/ImageElement.h"
#include "player/elements/KeywordListElement.h"
#include "player/elements/LongTextElement.h"
#include "player/elements/PanoramaElement.h"
#include "player/elements/SoundElement.h"
#include "player/elements/TextElement.h"
#include "player/elements/VideoElement.h"

namespace ztv {
namespace {

template <class T>
ElementFactory::Maker maker() {
    return [] { return std::make_unique<T>(); };
}

}  // namespace

ElementFactory::ElementFactory() {
    define(ElementKind::Sound, maker<SoundElement>());
    define(ElementKind::Video, maker<VideoElement>());
    define(ElementKind::Background, maker<ImageElement>());
    define(ElementKind::Picture, maker<ImageElement>());
    define(ElementKind::Character, maker<CharacterElement>());
    define(ElementKind::Panorama, maker<PanoramaElement>());
    define(ElementKind::Animation, maker<AnimationElement>());
    define(ElementKind::Text, maker<TextElement>());
    define(ElementKind::KeywordList, maker<KeywordListElement>());
    define(ElementKind::LongText, maker<LongTextElement>());
}

void ElementFactory::define(ElementKind kind, Maker maker) {
    makers_[kind] = std::move(maker);
}

std::unique_ptr<Element> ElementFactory::make(ElementKind kind) const {
    const auto it = makers_.find(kind);
    return it == makers_.end() ? nullptr : it->second();
}

}  // namespace ztv
