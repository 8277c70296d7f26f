// The character on a played page, read from the canvas tick by tick: its frames, its loops or
// its voice, its end pose, and the page background coming back.
#include "common/formats/GifWriter.h"
#include "common/formats/LangLines.h"
#include "tests/engine/PagePlayFixture.h"

#include <QPainter>
#include <climits>

namespace ztv::test {
namespace {

const QRect kRect(100, 100, 40, 30);
const QPoint kRight(130, 110);  // in the frames' coloured half
const QPoint kLeft(105, 110);   // in their white half, when they have one
const QColor kFrames[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
const QColor kGround = Qt::gray;

class CharacterPlayback : public PagePlayFixture {
  protected:
    // `count` frames of the rectangle's size, in the colours of kFrames; the left half of each
    // white when `whiteLeft`.
    static QList<QImage> frames(int count, bool whiteLeft = false) {
        QList<QImage> list;
        for (int i = 0; i < count; ++i) {
            QImage frame(kRect.size(), QImage::Format_RGB32);
            frame.fill(kFrames[i]);
            if (whiteLeft) {
                QPainter(&frame).fillRect(0, 0, kRect.width() / 2, kRect.height(), Qt::white);
            }
            list.append(frame);
        }
        return list;
    }
    // The frames side by side in a BMP file.
    QString stripBmp(const QString& name, int count, bool whiteLeft = false) const {
        QImage strip(kRect.width() * count, kRect.height(), QImage::Format_RGB32);
        QPainter painter(&strip);
        const QList<QImage> list = frames(count, whiteLeft);
        for (int i = 0; i < count; ++i) {
            painter.drawImage(kRect.width() * i, 0, list[i]);
        }
        painter.end();
        strip.save(host(QStringLiteral("media/") + name), "BMP");
        return QStringLiteral("\\media\\") + name;
    }
    // A gray page in column 1.
    ElementRecord ground() const {
        return picture(3, 1, solidBmp(QStringLiteral("fond.bmp"), kGround, {640, 480}),
                       QRect(0, 0, 640, 480));
    }
    // A silent character of four frames playing `loops` times, in `column`.
    ElementRecord character(int column, int loops = 3, int endPose = 0) const {
        ElementRecord r = picture(24, column, stripBmp(QStringLiteral("perso.bmp"), 4), kRect);
        r.Couleur = 4;
        r.Couldegra = loops;
        r.size = endPose;
        return r;
    }
    ElementRecord speaking(int column, const QString& voice) const {
        ElementRecord r = character(column, 1, 1);
        r.style = text(lang::CharacterSpeaks);
        writeMedia(voice, QByteArray("RIFF"));
        r.sensdegra = QStringLiteral("\\media\\") + voice;
        return r;
    }
    MediaDeviceId device(const char* name) const {
        return media_->deviceOf(QString::fromLatin1(name));
    }

    // The colours the point shows, each change once, from the start of the page until it is
    // idle; `onTick` runs after every tick.
    QList<QRgb> playWatching(QPoint at, const std::function<void(int)>& onTick = {}) {
        QList<QRgb> seen;
        const auto look = [&] {
            const QRgb c = canvasAt(at.x(), at.y());
            if (c != rgb(Qt::black) && (seen.isEmpty() || seen.last() != c)) {
                seen.append(c);
            }
        };
        engine_->playPage();
        look();
        for (int i = 0; i < 10000 && engine_->timer().isActive(); ++i) {
            tick();
            look();
            if (onTick) {
                onTick(i);
            }
        }
        EXPECT_FALSE(engine_->timer().isActive());
        return seen;
    }
    static QList<QRgb> colours(std::initializer_list<QColor> list) {
        QList<QRgb> out;
        for (const QColor& c : list) {
            out.append(rgb(c));
        }
        return out;
    }
    static QList<QRgb> loopsOfFrames(int loops, int count = 4) {
        QList<QRgb> out;
        for (int l = 0; l < loops; ++l) {
            for (int i = 0; i < count; ++i) {
                out.append(rgb(kFrames[i]));
            }
        }
        return out;
    }
    QRgb backgroundAt(QPoint at) const { return engine_->background().pixel(at) & 0xffffff; }
};

// Frames 0 1 2 3 three times, then the end pose; the page background receives the end image
// (the first frame when the last one shown stays).
TEST_F(CharacterPlayback, ThreeLoopsOfFramesThenEachEndPose) {
    struct Case {
        int pose;
        QList<QRgb> after;  // after the loops
        QColor joined;      // what the background gets
    };
    const Case cases[] = {{0, {}, Qt::red},
                          {1, colours({Qt::red}), Qt::red},
                          {2, {}, Qt::yellow},
                          {3, colours({kGround}), kGround}};
    for (const Case& c : cases) {
        ElementRecord figure = character(2, 3, c.pose);
        figure.IntegrFond = QStringLiteral("oui");
        writePage(1, {ground(), figure});
        startPreview();
        EXPECT_EQ(playWatching(kRight), colours({kGround}) + loopsOfFrames(3) + c.after)
            << "end pose " << c.pose;
        EXPECT_EQ(backgroundAt(kRight), rgb(c.joined)) << "end pose " << c.pose;
        EXPECT_TRUE(engine_->pagePlay().runFinished);
    }
}

// In a see-through mode the white of every frame shows the page as it was when the character
// started, and its disappearing end pose leaves that page.
TEST_F(CharacterPlayback, SeeThroughFramesShowThePageAsItWas) {
    ElementRecord figure = character(2, 1, 3);
    figure.Fichier = stripBmp(QStringLiteral("moitie.bmp"), 4, true);
    figure.Transparent = text(lang::AppearanceWhiteClear);
    writePage(1, {ground(), figure});
    startPreview();
    EXPECT_EQ(playWatching(kLeft), colours({kGround}));
    startPreview();
    EXPECT_EQ(playWatching(kRight), colours({kGround}) + loopsOfFrames(1) + colours({kGround}));
}

// A speaking character plays for as long as its voice does, whatever its loops; the video of
// the page is silent meanwhile and gets its sound back after.
TEST_F(CharacterPlayback, ASpeakingCharacterPlaysWhileItsVoiceDoes) {
    writeMedia(QStringLiteral("film.avi"), QByteArray("RIFF"));
    ElementRecord video =
        picture(2, 1, QStringLiteral("\\media\\film.avi"), QRect(300, 300, 64, 48));
    video.sensdegra = text(lang::VideoPlay);
    writePage(1, {ground(), video, speaking(2, QStringLiteral("voix.wav"))});
    startPreview();
    bool mutedWhileSpeaking = true;
    const QList<QRgb> seen = playWatching(kRight, [&](int i) {
        if (i < 20) {
            mutedWhileSpeaking = mutedWhileSpeaking && media_->isMuted(device("film.avi"));
        } else if (i == 20) {
            media_->finish(device("voix.wav"));
        }
    });
    EXPECT_TRUE(media_->calls().contains(QStringLiteral("play voix.wav 0 0")));
    EXPECT_GE(seen.size(), 20) << "more frames than one loop";
    EXPECT_EQ(seen.mid(0, 9), colours({kGround}) + loopsOfFrames(2));
    EXPECT_EQ(seen.last(), rgb(Qt::red)) << "the first frame is its end pose";
    EXPECT_TRUE(mutedWhileSpeaking);
    EXPECT_FALSE(media_->isMuted(device("film.avi")));
}

// The voice preloaded for the page is the one the first character speaks with; a second
// character with the same voice does not open it again, one with another voice does.
TEST_F(CharacterPlayback, TheSameVoiceIsNotOpenedAgain) {
    writePage(1, {speaking(1, QStringLiteral("voix.wav")), speaking(2, QStringLiteral("voix.wav")),
                  speaking(3, QStringLiteral("autre.wav"))});
    startPreview();
    playWatching(kRight, [&](int i) {
        if (i % 5 == 4) {
            media_->finish(device("voix.wav"));
            media_->finish(device("autre.wav"));
        }
    });
    const QStringList& calls = media_->calls();
    EXPECT_EQ(calls.count(QStringLiteral("open voix.wav")), 1);
    EXPECT_EQ(calls.count(QStringLiteral("play voix.wav 0 0")), 2);
    EXPECT_EQ(calls.count(QStringLiteral("open autre.wav")), 1);
    EXPECT_LT(calls.indexOf(QStringLiteral("close voix.wav")),
              calls.indexOf(QStringLiteral("open autre.wav")));
}

// Without a sound card, or a voice file that cannot be opened: two loops without a voice, or
// nothing at all, and the page goes on either way.
TEST_F(CharacterPlayback, AVoiceThatCannotSpeak) {
    ElementRecord noFile = speaking(2, QStringLiteral("voix.wav"));
    noFile.sensdegra.clear();
    writePage(1, {ground(), noFile});
    startPreview();
    EXPECT_EQ(playWatching(kRight), colours({kGround}) + loopsOfFrames(2) + colours({Qt::red}));

    media_->refuse(QStringLiteral("muet.wav"));
    writePage(1, {ground(), speaking(2, QStringLiteral("muet.wav"))});
    startPreview();
    EXPECT_EQ(playWatching(kRight), colours({kGround}));
    EXPECT_TRUE(prompter_.texts().last().startsWith(QStringLiteral("jouperso2")));
}

// The background marker on the character's row brings the page back over its rectangle.
TEST_F(CharacterPlayback, TheBackgroundMarkerRestoresThePage) {
    ElementRecord marker = character(3);
    marker.Fichier = text(lang::MarkerBackgroundDisappear);
    writePage(1, {ground(), character(2, 1, 2), marker});
    startPreview();
    EXPECT_EQ(playWatching(kRight), colours({kGround}) + loopsOfFrames(1) + colours({kGround}));
}

// A strip with fewer frames than its record says cycles through the ones it has.
TEST_F(CharacterPlayback, FewerFramesThanAskedCycleThroughTheOnesThereAre) {
    ElementRecord bmp = character(2, 2);
    bmp.Couleur = 6;
    ElementRecord gif = bmp;
    gif.Fichier = QStringLiteral("\\media\\perso.gif");
    ASSERT_EQ(writeAnimatedGif(host(QStringLiteral("media/perso.gif")), frames(4), {}), 0);
    for (const ElementRecord& figure : {bmp, gif}) {
        writePage(1, {ground(), figure});
        startPreview();
        EXPECT_EQ(playWatching(kRight), colours({kGround}) + loopsOfFrames(2))
            << figure.Fichier.toStdString();
    }
}

// A picture that does not load shows nothing, and the page still goes on to its next column.
TEST_F(CharacterPlayback, AMissingPictureEndsItsColumnAtOnce) {
    ElementRecord missing = character(2);
    missing.Fichier = QStringLiteral("\\media\\absent.bmp");
    ElementRecord after = picture(4, 3, solidBmp(QStringLiteral("w.bmp"), Qt::white), kRect);
    writePage(1, {ground(), missing, after});
    startPreview();
    EXPECT_EQ(playWatching(kRight), colours({kGround, Qt::white}));
    EXPECT_TRUE(engine_->pagePlay().runFinished);
}

// 10 000 / Vitesse² ms between frames; a speed of 0 or less counts as 1, and the largest one
// does not overflow into a wait.
TEST_F(CharacterPlayback, TheSpeedSetsTheTimeBetweenFrames) {
    const std::pair<int, qint64> cases[] = {{100, 1},   {10, 100},   {1, 10000},
                                            {0, 10000}, {-7, 10000}, {INT_MAX, 0}};
    for (const auto& [vitesse, delay] : cases) {
        ElementRecord figure = character(2, 1);
        figure.Vitesse = vitesse;
        writePage(1, {ground(), figure});
        startPreview();
        QList<qint64> changes;
        QRgb last = 0;
        engine_->playPage();
        for (int i = 0; i < 2000 && engine_->timer().isActive() && changes.size() < 2; ++i) {
            if (canvasAt(kRight.x(), kRight.y()) == rgb(Qt::red) && changes.isEmpty()) {
                changes.append(clock_.nowMs());
            }
            tick();
            const QRgb c = canvasAt(kRight.x(), kRight.y());
            if (c == rgb(Qt::green) && last != c) {
                changes.append(clock_.nowMs());
            }
            last = c;
        }
        ASSERT_EQ(changes.size(), 2) << vitesse;
        const qint64 gap = changes[1] - changes[0];
        EXPECT_GE(gap, std::max<qint64>(1, delay)) << vitesse;
        EXPECT_LE(gap, delay + 16) << vitesse;
    }
}

}  // namespace
}  // namespace ztv::test
