#include "player/engine/Engine.h"

namespace ztv {

Engine::Engine(PlayerEnvironment env, QObject* parent)
    : QObject(parent), env_(std::move(env)), session_(env_), player_(env_, session_) {
    connect(&session_, &ProjectSession::titleChanged, this, &Engine::titleChanged);
    connect(&player_, &PagePlayer::windowPlaced, this, &Engine::windowPlaced);
    connect(&player_, &PagePlayer::canvasChanged, this, &Engine::canvasChanged);
    connect(&player_, &PagePlayer::videoChanged, this, &Engine::videoChanged);
    connect(&player_, &PagePlayer::cursorChanged, this, &Engine::cursorChanged);
    connect(&player_, &PagePlayer::terminateRequested, this, &Engine::terminateRequested);
    connect(&player_, &PagePlayer::quitRequested, this, &Engine::quitRequested);
}

bool Engine::start(const QString& playerFolderHost) {
    if (!session_.open(playerFolderHost)) {
        return false;
    }
    player_.prepareDisplay();
    return true;
}

void Engine::showEndScreen(const QImage* endPicture, bool keepLanguageFile) {
    if (endPicture) {
        player_.showEndScreen(*endPicture);
    }
    session_.removeRunFiles(keepLanguageFile);
}

}  // namespace ztv
