#include "fuzz/FuzzSeeds.h"

#include "common/archives/CabinetFile.h"
#include "common/archives/EntryReader.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/GifWriter.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/PageTable.h"
#include "tests/support/CabinetCrafter.h"
#include "tests/support/PictureMakers.h"
#include "tests/support/ProjectWriter.h"

#include <QImage>
#include <QTemporaryDir>

namespace ztv::fuzz {
namespace {

using namespace ztv::test;

QByteArray lines(const QStringList& text) {
    return text.join(QStringLiteral("\r\n")).toLatin1();
}

QByteArray fullRecord() {
    ElementRecord r = makeRecord(12, 3, QStringLiteral("\\images\\photo.jpg"));
    r.Effet = QStringLiteral("Fondu");
    r.Gauche = 10;
    r.Largeur = 320;
    r.Hauteur = 240;
    r.Attente = 2.5;
    r.SurvolFichier = QStringLiteral("\\images\\hover.bmp");
    return encodePageRecord(r);
}

QList<QByteArray> recordSeeds() {
    return {fullRecord(), encodeProjectRecord(makeRecord(3, 1), 7), QByteArray(kPageRecordSize, 0)};
}

QList<QByteArray> tableSeeds() {
    QByteArray pages(kPageTableRecordSize, 0);
    for (const PageEntry& e : {PageEntry{1, "Accueil"}, PageEntry{2, " "}, PageEntry{5, "Fin"}})
        pages += pagetable::encode(e);
    return {pages};
}

QList<QByteArray> keywordSeeds() {
    QByteArray table(kKeywordRecordSize, 0);
    table += keywordtable::encode(KeywordEntry{"château", "2", "1"});
    table += keywordtable::encode(KeywordEntry{"", "", ""});
    return {table};
}

QList<QByteArray> containerSeeds() {
    QByteArray container = encodeProjectRecord(makeRecord(3, 1), 1);
    container += encodeProjectRecord(makeRecord(4, 2), 1);
    container += encodeProjectRecord(makeRecord(30, 1), 2);
    container += encodeProjectRecord(makeRecord(4, 1), 1);
    return {container, QByteArray(kProjectRecordSize, 0) + container};
}

QList<QByteArray> entrySeeds() {
    return {encodeEntry("\\images\\a.jpg", "AAAA") + encodeEntry("\\images\\b.bmp", "BB") +
                encodeEntry("rlang.asc", "0,x\r\n1,y"),
            encodeEntry("x", {})};
}

QList<QByteArray> gifSeeds() {
    const QList<QRgb> palette = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), 0};
    GifTestPicture animated{QSize(8, 6), palette, 2, {}};
    for (int i = 0; i < 4; ++i)
        animated.frames.append(solidGifFrame(QRect(i, i, 4, 3), i, i, 5));
    animated.frames[1].transparentIndex = 3;
    animated.frames[2].interlaced = true;
    animated.frames[3].localPalette = {qRgb(9, 9, 9), qRgb(200, 100, 50)};
    QImage frame(5, 4, QImage::Format_RGB32);
    frame.fill(Qt::yellow);
    return {makeGif(animated), encodeAnimatedGif({frame, frame}, GifWriteOptions{3, 100, true})};
}

// A stored cabinet made byte by byte, and MSZIP and LZX ones as the builder writes them.
QList<QByteArray> cabinetSeeds() {
    QList<QByteArray> out = {
        craftCabinet({{"a.txt", "hello"}, {"F\\b.bin", QByteArray(100, 'b')}, {"c", {}}})};
    QTemporaryDir dir;
    const ProjectWriter writer(dir.path());
    CabinetFile cab;
    cab.CABFile = writer.path(QStringLiteral("seed.cab"));
    cab.CABFileContents = {
        CabinetEntry(
            writer.writeBytes(QStringLiteral("page.txt"), QByteArray("zentrovale ").repeated(300))),
        CabinetEntry(writer.writeBytes(QStringLiteral("1.cds"), encodeEntry("\\a.jpg", "jpeg")),
                     QStringLiteral("sub"))};
    cab.write();
    out.append(readBytes(cab.CABFile));
    cab.CompressionType = CabinetCompression::Lzx;
    cab.write();
    out.append(readBytes(cab.CABFile));
    return out;
}

// Documents as word processors write them, and the odd corners of the format.
QList<QByteArray> richTextSeeds() {
    return {
        R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman)"
        R"(\fcharset204 Times New Roman;}}{\colortbl ;\red255\green0\blue0;}{\*\generator W;})"
        R"(\viewkind4\uc1\pard\qc\f0\fs24 Caf\'e9 {\b bold \i\ul both}\par)"
        R"(\pard\qj\cf1\highlight1 red \f1\'cf\'f0\u1080?\line\tab end\par})",
        R"({\rtf1\ansicpg932{\info{\title t}}{\field{\*\fldinst HYPERLINK "x"}{\fldrslt )"
        R"(\'82\'a0}}{\pict\pngblip 89504e47}\bin4 {{{{\uc2\u-10179\'3f\'3f\u-8704??})",
        R"({\rtf1\mac{\stylesheet{\s0 N;}}\plain\sub a\super b\nosupersub\strike c\~\-\_\\\{\}})",
    };
}

}  // namespace

QList<QByteArray> seeds(std::string_view target) {
    const QImage picture = patternImage(24, 16);
    if (target == "records")
        return recordSeeds();
    if (target == "page_table")
        return tableSeeds();
    if (target == "keyword_table")
        return keywordSeeds();
    if (target == "settings")
        return {lines(settingsLines(800, 600, 3)), lines({"$", "640", "x", "-5", "1"})};
    if (target == "language")
        return {lines({"0,Fichier", "1,Edition, et plus", "2 sans virgule", "3,"})};
    if (target == "container")
        return containerSeeds();
    if (target == "entries")
        return entrySeeds();
    if (target == "cabinet")
        return cabinetSeeds();
    if (target == "jpeg")
        return {makeJpeg(picture, 80), makeJpeg(picture, 50, true),
                makeJpeg(picture.convertToFormat(QImage::Format_Grayscale8))};
    if (target == "bmp")
        return {makeBmp(picture), makeBmp(picture.convertToFormat(QImage::Format_Indexed8))};
    if (target == "ico")
        return {makeIco(picture.scaled(16, 16))};
    if (target == "gif")
        return gifSeeds();
    if (target == "rtf")
        return richTextSeeds();
    if (target == "cursor") {
        const QByteArray frame = makeCursorFrame(picture.scaled(32, 32), QPoint(3, 4));
        return {makeAni(riffChunk("icon", frame) + riffChunk("icon", frame))};
    }
    return {};
}

}  // namespace ztv::fuzz
