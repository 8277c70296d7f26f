// The page of moving figures and what it shows, all made by code: a wide landscape, a face whose
// mouth opens and closes with its voice, a bird and a ball.
#include "tools/demogen/DemoSpritePage.h"

#include "common/formats/ElementDefaults.h"
#include "common/formats/LangLines.h"
#include "common/formats/YesNo.h"
#include "common/platform/Bytes.h"
#include "common/platform/FileIo.h"
#include "editor/document/AnimationFields.h"
#include "editor/document/CharacterFields.h"
#include "editor/document/PanoramaFields.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace ztv::demo {
namespace {

using namespace editor;

// The character's frames come every 7 ticks of 1/64 s at its speed of 10 (10 000 / 10² ms, up to
// the next tick): one syllable of the voice lasts its four frames, loudest with the mouth open.
constexpr int kVoiceSpeed = 10;
constexpr int kRate = 22050;
constexpr int kSyllableSamples = kRate * 4 * 7 / 64;
constexpr int kSyllables = 6;

constexpr QSize kFace(120, 150);
constexpr QSize kBird(64, 48);
constexpr QSize kBall(48, 48);
constexpr QSize kPanorama(1800, 180);

// Frames side by side, drawn without smoothing on white so that the page shows through the
// white in the white-transparent mode.
QImage strip(QSize frame, int count, const std::function<void(QPainter&, int)>& draw) {
    QImage img(frame.width() * count, frame.height(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(frame.width() * i, 0);
        draw(p, i);
        p.restore();
    }
    return img;
}

// Mouth closed, half open, open, half open.
void drawFace(QPainter& p, int frame) {
    const int w = kFace.width();
    p.setBrush(QColor(250, 205, 160));
    p.drawEllipse(QRect(10, 10, w - 20, kFace.height() - 20));
    p.setBrush(QColor(40, 40, 60));
    p.drawEllipse(QRect(35, 50, 14, 18));
    p.drawEllipse(QRect(w - 49, 50, 14, 18));
    const int open[] = {4, 14, 26, 14};
    p.setBrush(QColor(150, 30, 40));
    p.drawEllipse(QRect(w / 2 - 22, 105 - open[frame] / 2, 44, open[frame]));
}

// Wings up, level, down, level.
void drawBird(QPainter& p, int frame) {
    const int tip[] = {2, 20, 40, 20};
    p.setBrush(QColor(40, 70, 140));
    p.drawEllipse(QRect(14, 18, 36, 16));
    p.drawPolygon(QPolygon({QPoint(22, 24), QPoint(42, 24), QPoint(32, tip[frame])}));
    p.setBrush(QColor(240, 170, 30));
    p.drawPolygon(QPolygon({QPoint(50, 23), QPoint(62, 26), QPoint(50, 29)}));
}

// A ball turning a quarter each frame.
void drawBall(QPainter& p, int frame) {
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QRect(2, 2, 44, 44));
    p.setBrush(QColor(250, 230, 80));
    p.drawPie(QRect(2, 2, 44, 44), frame * 90 * 16, 90 * 16);
}

// A landscape twice around: sky, hills and a sun, joined at its edges for the 360° view.
QImage panorama() {
    QImage img(kPanorama, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, kPanorama.height());
    sky.setColorAt(0, QColor(60, 120, 200));
    sky.setColorAt(1, QColor(200, 220, 240));
    p.fillRect(img.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 90));
    p.drawEllipse(QPoint(300, 50), 30, 30);
    QPolygonF hills;
    hills << QPointF(0, kPanorama.height());
    for (int x = 0; x <= kPanorama.width(); x += 20) {
        const double phase = 2 * M_PI * x / kPanorama.width();
        hills << QPointF(x, 120 - 30 * std::sin(3 * phase) - 15 * std::sin(7 * phase));
    }
    hills << QPointF(kPanorama.width(), kPanorama.height());
    p.setBrush(QColor(60, 130, 70));
    p.drawPolygon(hills);
    return img;
}

// Six syllables of a buzzing voice, each swelling and fading with one turn of the mouth.
QByteArray voiceWav() {
    const quint32 samples = kSyllableSamples * kSyllables;
    QByteArray out("RIFF");
    bytes::appendLe32(out, 36 + samples * 2);
    out.append("WAVEfmt ");
    bytes::appendLe32(out, 16);
    bytes::appendLe16(out, 1);  // PCM
    bytes::appendLe16(out, 1);  // mono
    bytes::appendLe32(out, kRate);
    bytes::appendLe32(out, kRate * 2);
    bytes::appendLe16(out, 2);
    bytes::appendLe16(out, 16);
    out.append("data");
    bytes::appendLe32(out, samples * 2);
    const double pitches[kSyllables] = {140, 165, 150, 180, 160, 130};
    for (const double f : pitches) {
        for (int i = 0; i < kSyllableSamples; ++i) {
            const double t = double(i) / kRate;
            const double swell = std::sin(M_PI * i / kSyllableSamples);
            const double buzz = std::sin(2 * M_PI * f * t) + 0.5 * std::sin(4 * M_PI * f * t) +
                                0.3 * std::sin(6 * M_PI * f * t);
            bytes::appendLe16(out, quint16(qint16(std::lround(7000 * swell * buzz))));
        }
    }
    return out;
}

bool save(const QString& dirHost, const QImage& img, const char* name, QString* error) {
    if (!img.save(QDir(dirHost).filePath(QString::fromLatin1(name)))) {
        *error = QStringLiteral("cannot write %1").arg(QString::fromLatin1(name));
        return false;
    }
    return true;
}

// The figures are made as the editor's dialogs make them, and checked as the dialogs check them.
ElementRecord checked(ElementRecord record, FieldProblem problem) {
    if (problem != FieldProblem::None) {
        qFatal("the demo's figure in row %d would be refused (%d)", record.Ligne, int(problem));
    }
    return record;
}

ElementRecord cell(int row, int column) {
    ElementRecord r;
    r.Ligne = row;
    r.Colonne = column;
    return r;
}

// Four frames side by side, seen through the white, starting at `from`, no action.
template <class Fields>
Fields sprite(const LanguageFile& lang, const QString& fichier, QSize frame, QPoint from) {
    Fields f;
    f.fichier = fichier;
    f.appearance = lang.text(lang::AppearanceWhiteClear);
    f.frames = 4;
    f.rect = QRect(from, QSize(frameWidthOf(frame.width() * 4, 4), frame.height()));
    f.action = lang.text(lang::ActionNone);
    f.afterClick = false;
    return f;
}

ElementRecord animation(const LanguageFile& lang, int row, const QString& fichier, QSize size,
                        QPoint from, QPoint to, int endPose) {
    auto f = sprite<AnimationFields>(lang, fichier, size, from);
    f.arrivalLeft = QString::number(to.x());
    f.arrivalTop = QString::number(to.y());
    f.steps = 90;
    f.speed = 15;  // about 44 ms a step
    f.endPose = endPose;
    ElementRecord r = cell(row, 2);
    writeAnimationFields(f, lang, r);
    return checked(r, animationProblem(f, size.width() * 4));
}

ElementRecord face(const LanguageFile& lang, const QString& fichier, const QString& voice) {
    auto f = sprite<CharacterFields>(lang, fichier, kFace, QPoint(260, 230));
    f.sound = voice;
    f.endPose = 1;  // the mouth closed at the end
    f.speed = kVoiceSpeed;
    ElementRecord r = cell(24, 2);
    writeCharacterFields(f, lang, r);
    return checked(r, characterProblem(f, kFace.width() * 4));
}

ElementRecord landscape(const LanguageFile& lang, const QString& fichier) {
    PanoramaFields f;
    f.fichier = fichier;
    f.pictureSize = kPanorama;
    f.view = QRect(20, 20, 600, 180);
    f.effect = lang.text(lang::EffectNone);
    f.wrapAround = true;
    f.stepX = 25;  // a quarter of the view a click
    f.stepY = 25;
    f.speed = 50;
    ElementRecord r = cell(25, 1);
    writePanoramaFields(f, lang, r);
    return checked(r, panoramaProblem(f));
}

}  // namespace

bool saveSpritePageMedia(const QString& dirHost, QString* error) {
    return save(dirHost, panorama(), "panorama.bmp", error) &&
           save(dirHost, strip(kFace, 4, drawFace), "visage.bmp", error) &&
           save(dirHost, strip(kBird, 4, drawBird), "oiseau.bmp", error) &&
           save(dirHost, strip(kBall, 4, drawBall), "ballon.bmp", error) &&
           save(dirHost,
                strip(QSize(140, 40), 1,
                      [](QPainter& p, int) {
                          p.fillRect(0, 0, 140, 40, QColor(40, 60, 120));
                          p.setPen(Qt::white);
                          p.drawText(QRect(0, 0, 140, 40), Qt::AlignCenter, QStringLiteral("Menu"));
                      }),
                "retour.bmp", error) &&
           writeFileAtomically(QDir(dirHost).filePath(QStringLiteral("voix.wav")), voiceWav(),
                               error);
}

QList<ElementRecord> spritePage(const LanguageFile& lang,
                                const std::function<QString(const QString&)>& stored,
                                int menuPage) {
    ElementRecord ground =
        plainElement(lang, 3, 1, lang.text(lang::MarkerPlainBackground), QRect(0, 0, 640, 480));
    ground.Couleur = 0x604020;  // a dark blue (red in the low byte)
    ground.Vitesse = 100;
    const ElementRecord view = landscape(lang, stored(QStringLiteral("panorama.bmp")));
    const ElementRecord character =
        face(lang, stored(QStringLiteral("visage.bmp")), stored(QStringLiteral("voix.wav")));
    const ElementRecord bird = animation(lang, 26, stored(QStringLiteral("oiseau.bmp")), kBird,
                                         QPoint(0, 220), QPoint(576, 300), 0);
    const ElementRecord ball = animation(lang, 27, stored(QStringLiteral("ballon.bmp")), kBall,
                                         QPoint(592, 420), QPoint(0, 420), 2);

    ElementRecord back =
        plainElement(lang, 4, 3, stored(QStringLiteral("retour.bmp")), QRect(490, 430, 140, 40));
    back.Acte = lang.text(lang::ActionGoToPage);
    back.Destination = QString::number(menuPage);
    back.Click = ouiNon(true);
    back.Vitesse = 100;
    return {ground, view, character, bird, ball, back};
}

}  // namespace ztv::demo
