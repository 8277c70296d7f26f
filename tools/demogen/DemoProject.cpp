#include "tools/demogen/DemoProject.h"

#include "common/formats/Container.h"
#include "common/formats/ElementDefaults.h"
#include "common/formats/ElementKinds.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/GifWriter.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/LangLines.h"
#include "common/formats/PageTable.h"
#include "common/formats/ProjectSettings.h"
#include "common/formats/YesNo.h"
#include "common/platform/DriveTable.h"
#include "common/platform/FileIo.h"
#include "common/platform/WinPath.h"
#include "editor/document/ClickZoneFields.h"
#include "editor/document/RecordGeometry.h"
#include "tools/demogen/DemoMedia.h"
#include "tools/demogen/DemoSpritePage.h"
#include "tools/demogen/DemoTexts.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace ztv::demo {
namespace {

struct Demo {
    QString dir;
    const LanguageFile& lang;
    DriveTable drives = DriveTable::fromMounts({}, {});

    QString text(int line) const { return lang.text(line); }

    // Records store paths without their drive.
    QString stored(const QString& fileName) const {
        return winpath::withoutDrive(drives.toWindows(QDir(dir).filePath(fileName)));
    }

    ElementRecord element(int row, int column, const QString& fichier, QRect rect) const {
        ElementRecord r = plainElement(lang, row, column, fichier, rect);
        r.Vitesse = 5;
        return r;
    }

    // A click zone as its dialog makes it: over rect, acting on a click.
    editor::ClickZoneFields zoneFields(QRect rect, int actionLine,
                                       const QString& destination = {}) const {
        editor::ClickZoneFields zone = editor::ClickZoneFields::newZone(lang);
        zone.rect = rect;
        zone.acte = text(actionLine);
        zone.destination = destination;
        return zone;
    }
    ElementRecord zone(int row, int column, const editor::ClickZoneFields& fields) const {
        ElementRecord r;
        r.Colonne = column;
        // A zone shows no colour: the dialog's remembered colours do not matter here.
        fields.store(r, lang, row, Qt::black, Qt::black);
        return r;
    }
};

// The caption's height is a share of the picture's: 8 for 1/8. It is centred in captionBox, or in
// the whole picture when captionBox is empty.
QImage gradientPicture(int w, int h, QColor from, QColor to, const QString& caption,
                       int captionShare = 8, QRect captionBox = {}) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(img.rect(), g);
    p.setPen(Qt::white);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(h / captionShare);
    font.setBold(true);
    p.setFont(font);
    p.drawText(captionBox.isEmpty() ? img.rect() : captionBox, Qt::AlignCenter, caption);
    return img;
}

QImage shapesPicture(int w, int h, QColor ground, QColor shape) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ground);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(shape);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(w / 8, h / 8, w * 3 / 4, h * 3 / 4));
    p.setBrush(ground.lighter(160));
    p.drawRect(QRect(w * 3 / 8, h * 3 / 8, w / 4, h / 4));
    return img;
}

// A small spinning wheel, as an animated GIF of eight frames.
QList<QImage> wheelFrames(int side) {
    QList<QImage> frames;
    for (int f = 0; f < 8; ++f) {
        QImage img(side, side, QImage::Format_RGB32);
        img.fill(QColor(240, 240, 230));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(side / 2.0, side / 2.0);
        p.rotate(f * 45.0 / 2);
        for (int spoke = 0; spoke < 4; ++spoke) {
            p.setBrush(QColor::fromHsv(spoke * 90, 200, 230));
            p.setPen(Qt::NoPen);
            p.drawPie(QRectF(-side * 0.4, -side * 0.4, side * 0.8, side * 0.8), spoke * 90 * 16,
                      45 * 16);
        }
        p.end();
        frames.append(img);
    }
    return frames;
}

// A turning star on white, drawn without smoothing so that every pixel off the star is pure
// white: the page shows through it in the white-transparent appearance mode.
QList<QImage> starFrames(int side) {
    QList<QImage> frames;
    for (int f = 0; f < 6; ++f) {
        QImage img(side, side, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.translate(side / 2.0, side / 2.0);
        p.rotate(f * 12.0);
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = (i % 2 == 0 ? 0.48 : 0.2) * side;
            const double a = i * M_PI / 5 - M_PI / 2;
            star << QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 200, 40));
        p.drawPolygon(star);
        p.end();
        frames.append(img);
    }
    return frames;
}

// loopCount 0 turns for ever: a page keeps running while such a picture moves.
bool saveGif(const Demo& demo, const QList<QImage>& frames, const QString& name, int loopCount,
             QString* error, bool transparent = false) {
    GifWriteOptions options;
    options.loopCount = loopCount;
    options.delayMs = 120;
    options.transparent = transparent;
    if (writeAnimatedGif(QDir(demo.dir).filePath(name), frames, options) != 0) {
        *error = QStringLiteral("cannot write %1").arg(name);
        return false;
    }
    return true;
}

bool savePicture(const Demo& demo, const QImage& img, const QString& name, QString* error) {
    if (!img.save(QDir(demo.dir).filePath(name))) {
        *error = QStringLiteral("cannot write %1").arg(name);
        return false;
    }
    return true;
}

// Page 3: a plain background, then a circular gradient zooming in over it, pictures coming in
// with a range of effects, a turning star whose white lets the page through, and a button that
// lights up under the mouse, with a click zone over it.
// The star's frames are this size, and so is its box: a picture is not stretched to its box.
constexpr int kStarSide = 120;

QList<ElementRecord> effectsPage(const Demo& demo) {
    const auto coming = [&](int row, int column, const QString& fichier, QRect rect,
                            int effectLine) {
        ElementRecord r = demo.element(row, column, fichier, rect);
        r.Effet = demo.text(effectLine);
        r.Vitesse = 95;
        r.EffetPas = 4;
        return r;
    };
    const QRect screen(0, 0, 640, 480);
    ElementRecord plain =
        coming(3, 1, demo.text(lang::MarkerPlainBackground), screen, lang::EffectNone);
    plain.Couleur = 0x402010;
    ElementRecord gradient = coming(3, 2, demo.text(lang::MarkerGradient), screen, 247);
    gradient.Couleur = 0x602818;
    gradient.Couldegra = 0xE0C090;
    gradient.sensdegra = demo.text(lang::GradientCircular);
    QList<ElementRecord> page{plain, gradient};

    const char* pictures[] = {"soleil.bmp", "feuille.jpg", "lune.jpg"};
    const int effects[] = {251, 254, 225, 239, 256, 229};
    for (int i = 0; i < 6; ++i) {
        const QRect rect(30 + (i % 3) * 200, 30 + (i / 3) * 170, 180, 135);
        ElementRecord r = coming(4 + i, 3 + i / 3, demo.stored(pictures[i % 3]), rect, effects[i]);
        r.size = effects[i] == 239 ? 8 : 0;  // eight bands
        r.Attente = i % 3 == 2 ? 0.5 : 0;
        page.append(r);
    }
    ElementRecord star =
        coming(10, 5, demo.stored("etoile.gif"), QRect(490, 350, kStarSide, kStarSide), 223);
    star.Transparent = demo.text(lang::AppearanceWhiteClear);
    ElementRecord button =
        coming(11, 5, demo.stored("bouton.bmp"), QRect(40, 380, 180, 60), lang::EffectNone);
    button.SurvolFichier = demo.stored("bouton-survol.bmp");
    button.SurvolRetablir = 1;
    const ElementRecord next =  // to the music and video
        demo.zone(
            firstRowOf(ElementKind::ClickZone), 5,
            demo.zoneFields(editor::recordRect(button), lang::ActionGoToPage, QStringLiteral("4")));
    page << star << button << next;
    return page;
}

// Page 4: a tune that the page waits for, then a bouncing ball with its control bar below; at
// the video's end the ball goes and the menu comes.
QList<ElementRecord> mediaPage(const Demo& demo) {
    ElementRecord plain =
        demo.element(3, 1, demo.text(lang::MarkerPlainBackground), QRect(0, 0, 640, 480));
    plain.Couleur = 0x301808;
    ElementRecord tune = demo.element(1, 1, demo.stored("air.wav"), QRect());
    tune.sensdegra = demo.text(lang::SoundPlayAndWait);
    ElementRecord ball = demo.element(2, 2, demo.stored("balle.avi"), QRect(160, 100, 320, 240));
    ball.Transparent = demo.text(lang::VideoBarBelow);
    ball.sensdegra = demo.text(lang::VideoPlay);
    ball.Vitesse = 1;  // disappears at its end
    ball.Acte = demo.text(lang::ActionGoToPage);
    ball.Destination = QString::number(kMenuPage);
    ball.Click = ouiNon(false);
    return {plain, tune, ball};
}

// A button of the menu page: a picture that lights up under the mouse, and a click zone of the
// same column over it that acts.
QList<ElementRecord> menuButton(const Demo& demo, int row, int zoneRow, const QString& picture,
                                QRect rect, int actionLine, const QString& destination) {
    ElementRecord look = demo.element(row, 2, demo.stored(picture + ".bmp"), rect);
    look.SurvolFichier = demo.stored(picture + "-survol.bmp");
    look.SurvolRetablir = 1;
    return {look, demo.zone(zoneRow, 2, demo.zoneFields(rect, actionLine, destination))};
}

// The menu page: buttons lead to the other pages (whose runs come back here), a corner that
// shows the effects page as soon as the mouse passes over it, and a quit button.
QList<ElementRecord> menuPage(const Demo& demo) {
    ElementRecord ground = demo.element(3, 1, demo.stored("menu.jpg"), QRect(0, 0, 640, 480));
    QList<ElementRecord> page{ground};
    const std::pair<const char*, int> entries[] = {
        {"menu-bienvenue", 1}, {"menu-deux-temps", 2},           {"menu-effets", 3},
        {"menu-musique", 4},   {"menu-fond", kSavedEffectsPage}, {"menu-figures", kSpritePage}};
    int row = 4;
    int zoneRow = firstRowOf(ElementKind::ClickZone);
    for (const auto& [picture, target] : entries) {
        const QRect rect(220, 64 + (row - 4) * 52, 200, 46);
        page += menuButton(demo, row, zoneRow, picture, rect, lang::ActionGoToPage,
                           QString::number(target));
        ++row;
        ++zoneRow;
    }
    page += menuButton(demo, row, zoneRow, "menu-quitter", QRect(220, 384, 200, 46),
                       lang::ActionQuit, {});
    const QRect cornerRect(560, 400, 80, 80);
    page.append(demo.element(row + 1, 2, demo.stored("coin.bmp"), cornerRect));
    editor::ClickZoneFields corner = demo.zoneFields(cornerRect, lang::ActionNone);
    corner.hoverGoTo = true;  // hover: straight to the effects
    corner.hoverPage = 3;
    corner.hoverColumn = 1;
    page.append(demo.zone(zoneRow + 1, 2, corner));
    return page;
}

bool saveMenuPictures(const Demo& demo, QString* error) {
    const std::pair<const char*, QString> buttons[] = {
        {"menu-bienvenue", QStringLiteral("Bienvenue")},
        {"menu-deux-temps", QStringLiteral("Deux temps")},
        {"menu-effets", QStringLiteral("Effets")},
        {"menu-musique", QStringLiteral("Musique et vidéo")},
        {"menu-fond", QStringLiteral("Effets 40 à 60")},
        {"menu-figures", QStringLiteral("Personnage")},
        {"menu-quitter", QStringLiteral("Quitter")}};
    for (const auto& [name, caption] : buttons) {
        if (!savePicture(
                demo,
                gradientPicture(200, 46, QColor(40, 60, 120), QColor(80, 120, 200), caption, 3),
                QString::fromLatin1(name) + ".bmp", error) ||
            !savePicture(
                demo,
                gradientPicture(200, 46, QColor(200, 120, 20), QColor(250, 200, 60), caption, 3),
                QString::fromLatin1(name) + "-survol.bmp", error)) {
            return false;
        }
    }
    // "Menu" above the buttons, which take the middle of the page.
    return savePicture(demo,
                       gradientPicture(640, 480, QColor(30, 30, 60), QColor(60, 90, 140),
                                       QStringLiteral("Menu"), 12, QRect(0, 8, 640, 56)),
                       "menu.jpg", error) &&
           savePicture(demo, shapesPicture(80, 80, QColor(70, 40, 120), QColor(250, 210, 60)),
                       "coin.bmp", error);
}

}  // namespace

bool writeDemoProject(const QString& dirHost, const LanguageFile& language, QString* error) {
    if (!QDir().mkpath(dirHost)) {
        *error = QStringLiteral("cannot create %1").arg(dirHost);
        return false;
    }
    const Demo demo{QDir(dirHost).absolutePath(), language};
    // Page 1 from the top: the name on the background beside the wheel, the title, its caption,
    // then the three pictures side by side.
    if (!savePicture(demo,
                     gradientPicture(640, 480, QColor(20, 40, 90), QColor(90, 160, 200),
                                     QStringLiteral("Zentrovale"), 9, QRect(0, 30, 640, 80)),
                     "fond.jpg", error) ||
        !savePicture(demo, shapesPicture(240, 180, QColor(200, 80, 40), QColor(250, 210, 60)),
                     "soleil.bmp", error) ||
        !savePicture(demo, shapesPicture(240, 180, QColor(30, 110, 60), QColor(160, 220, 120)),
                     "feuille.jpg", error) ||
        !savePicture(demo, shapesPicture(240, 180, QColor(70, 40, 120), QColor(200, 160, 240)),
                     "lune.jpg", error) ||
        !saveGif(demo, wheelFrames(120), "roue.gif", 3, error) ||
        !saveGif(demo, starFrames(kStarSide), "etoile.gif", 0, error, true) ||
        !savePicture(demo,
                     gradientPicture(180, 60, QColor(40, 60, 120), QColor(80, 120, 200),
                                     QStringLiteral("Suite"), 2),
                     "bouton.bmp", error) ||
        !savePicture(demo,
                     gradientPicture(90, 30, QColor(200, 120, 20), QColor(250, 200, 60),
                                     QStringLiteral("Suite"), 2),
                     "bouton-survol.bmp", error) ||
        !writeFileAtomically(QDir(demo.dir).filePath(QStringLiteral("air.wav")), tuneWav(),
                             error) ||
        !writeBallVideo(QDir(demo.dir).filePath(QStringLiteral("balle.avi")), error) ||
        !saveMenuPictures(demo, error) || !saveSpritePageMedia(demo.dir, error)) {
        return false;
    }

    // Page 1: a picture background, then pictures in JPEG, BMP and GIF, one column each, with
    // pauses and transitions; at the end of its run the page goes on to page 2 by itself.
    ElementRecord background = demo.element(3, 1, demo.stored("fond.jpg"), QRect(0, 0, 640, 480));
    ElementRecord sun = demo.element(4, 1, demo.stored("soleil.bmp"), QRect(30, 300, 180, 135));
    sun.Attente = 1.0;
    sun.Effet = demo.text(222);  // wipe to the right
    sun.Vitesse = 90;
    sun.EffetPas = 5;
    ElementRecord leaf = demo.element(5, 2, demo.stored("feuille.jpg"), QRect(230, 300, 180, 135));
    leaf.Attente = 1.0;
    leaf.Effet = demo.text(221);  // wipe upwards
    leaf.Vitesse = 90;
    leaf.EffetPas = 5;
    ElementRecord moon = demo.element(6, 3, demo.stored("lune.jpg"), QRect(430, 300, 180, 135));
    moon.Attente = 0.5;
    ElementRecord wheel = demo.element(7, 3, demo.stored("roue.gif"), QRect(500, 10, 120, 120));
    wheel.Attente = 2.0;
    wheel.Vitesse = 100;  // the frames come at the pace of the GIF
    wheel.Acte = demo.text(lang::ActionGoToPage);
    wheel.Destination = QStringLiteral("2");
    // Page 2: a plain background, two pictures in a run, a gap, and a column after it.
    ElementRecord plain =
        demo.element(3, 1, demo.text(lang::MarkerPlainBackground), QRect(0, 0, 640, 480));
    plain.Couleur = 0x503010;
    ElementRecord moon2 = demo.element(4, 1, demo.stored("lune.jpg"), QRect(60, 40, 240, 180));
    moon2.Attente = 0.5;
    ElementRecord sun2 = demo.element(5, 2, demo.stored("soleil.bmp"), QRect(340, 40, 240, 180));
    sun2.Acte = demo.text(lang::ActionGoToPage);  // at the end of the run: page 3
    sun2.Destination = QStringLiteral("3");
    ElementRecord leaf2 = demo.element(6, 4, demo.stored("feuille.jpg"), QRect(200, 290, 240, 180));

    QList<std::pair<std::int32_t, ElementRecord>> records = {
        {1, background}, {1, sun},   {1, leaf}, {1, moon}, {1, wheel},
        {2, plain},      {2, moon2}, {2, sun2}, {2, leaf2}};
    for (const ElementRecord& r : effectsPage(demo)) {
        records.append({3, r});
    }
    for (const ElementRecord& r : mediaPage(demo)) {
        records.append({4, r});
    }
    for (int page = 1; page <= 3; ++page) {
        for (const ElementRecord& r : pageTexts(language, page)) {
            records.append({page, r});
        }
    }
    const QStringList pictures{demo.stored("soleil.bmp"), demo.stored("feuille.jpg"),
                               demo.stored("lune.jpg")};
    for (const ElementRecord& r : savedEffectsPage(language, pictures)) {
        records.append({kSavedEffectsPage, r});
    }
    const auto stored = [&](const QString& name) { return demo.stored(name); };
    for (const ElementRecord& r : spritePage(language, stored, kMenuPage)) {
        records.append({kSpritePage, r});
    }
    // Each page's records in the order its columns play.
    std::stable_sort(records.begin(), records.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first, a.second.Colonne, a.second.Ligne) <
               std::tie(b.first, b.second.Colonne, b.second.Ligne);
    });
    for (const ElementRecord& r : menuPage(demo)) {
        records.append({kMenuPage, r});
    }
    QByteArray container(kProjectRecordSize, '\0');
    for (const auto& [page, record] : records) {
        container += encodeProjectRecord(record, page);
    }

    const QString base = QDir(demo.dir).filePath(QStringLiteral("demo"));
    ProjectSettings settings;
    NumberedLines& lines = settings.lines();
    for (int i = 0; i <= ProjectSettings::MaskColour; ++i) {
        lines.setLine(i, QStringLiteral("$"));
    }
    lines.setLine(ProjectSettings::ContainerPath, demo.stored("demo.ZTV"));
    lines.setLine(ProjectSettings::Width, QStringLiteral("640"));
    lines.setLine(ProjectSettings::Height, QStringLiteral("480"));
    lines.setLine(ProjectSettings::FirstPage, QStringLiteral("1"));
    lines.setLine(ProjectSettings::Version, QStringLiteral("2"));

    const QList<PageEntry> pages = {
        {1, QStringLiteral("Bienvenue")},
        {2, QStringLiteral("Une page en deux temps")},
        {3, QStringLiteral("Effets")},
        {4, QStringLiteral("Musique et vidéo")},
        {kSavedEffectsPage, QStringLiteral("Effets sur fond sauvegardé")},
        {kMenuPage, QStringLiteral("Menu")},
        {kSpritePage, QStringLiteral("Personnage, panorama et animations")}};
    const QList<KeywordEntry> keywords = {
        {QStringLiteral("accueil"), QStringLiteral("1"), QStringLiteral("1")},
        {QStringLiteral("suite"), QStringLiteral("2"), QStringLiteral("1")},
        {QStringLiteral("effets"), QStringLiteral("3"), QStringLiteral("1")},
        {QStringLiteral("musique"), QStringLiteral("4"), QStringLiteral("1")},
        {QStringLiteral("fond"), QString::number(kSavedEffectsPage), QStringLiteral("1")},
        {QStringLiteral("menu"), QString::number(kMenuPage), QStringLiteral("1")},
        {QStringLiteral("personnage"), QString::number(kSpritePage), QStringLiteral("1")}};
    return writeFileAtomically(base + ".ZTV", container, error) &&
           settings.save(base + ".ini", error) && pagetable::write(base + ".PZV", pages, error) &&
           keywordtable::write(base + ".PMG", keywords, error);
}

}  // namespace ztv::demo
