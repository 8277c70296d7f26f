#include "editor/document/ProjectParameters.h"

#include "common/formats/ColorText.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"
#include "editor/document/Storyboard.h"

#include <QFileInfo>

namespace ztv::editor {

namespace {

constexpr int kBackgroundRow = 3;

bool isSet(const QString& line) {
    return !line.isEmpty() && line != QStringLiteral("$");
}

QString flag(bool on, const QString& text) {
    return on ? text : QStringLiteral("$");
}

bool inRange(const QString& text, int highest) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= highest;
}

}  // namespace

ProjectParameters ProjectParameters::read(const ProjectSettings& settings) {
    ProjectParameters p;
    p.width = settings.line(ProjectSettings::Width);
    p.height = settings.line(ProjectSettings::Height);
    p.firstPage = settings.line(ProjectSettings::FirstPage);
    if (p.firstPage.isEmpty()) {
        p.firstPage = QStringLiteral("1");
    }
    p.transparent = settings.line(ProjectSettings::Transparent) == QStringLiteral("1");
    p.fullScreen = isSet(settings.line(ProjectSettings::FullScreen));
    p.screenSaver = isSet(settings.line(ProjectSettings::ScreenSaver));
    p.masked = isSet(settings.line(ProjectSettings::Masked));
    p.maskColour = colorFromText(settings.line(ProjectSettings::MaskColour)).value_or(0);
    return p;
}

int ProjectParameters::check() const {
    if (width.trimmed().isEmpty() || height.trimmed().isEmpty() || firstPage.trimmed().isEmpty()) {
        return lang::ParametersEmpty;
    }
    if (!inRange(width, ProjectSettings::kMaxSide) || !inRange(height, ProjectSettings::kMaxSide) ||
        !inRange(firstPage, std::numeric_limits<int>::max())) {
        return lang::SizeNotAWholeNumber;
    }
    return 0;
}

void ProjectParameters::writeTo(ProjectSettings& settings) const {
    NumberedLines& lines = settings.lines();
    lines.setLine(ProjectSettings::Width, QString::number(width.trimmed().toInt()));
    lines.setLine(ProjectSettings::Height, QString::number(height.trimmed().toInt()));
    lines.setLine(ProjectSettings::FirstPage, QString::number(firstPage.trimmed().toInt()));
    lines.setLine(ProjectSettings::Transparent, flag(transparent, QStringLiteral("1")));
    lines.setLine(ProjectSettings::FullScreen, flag(fullScreen, QStringLiteral("oui")));
    lines.setLine(ProjectSettings::Masked, flag(masked, QStringLiteral("oui")));
    lines.setLine(ProjectSettings::ScreenSaver, flag(screenSaver, QStringLiteral("oui")));
    lines.setLine(ProjectSettings::MaskColour, colorToText(maskColour));
}

int resizeBackgrounds(const QString& dirHost, const QList<PageEntry>& pages, int width,
                      int height) {
    int changed = 0;
    for (const PageEntry& page : pages) {
        const QString jou = Storyboard::pageFilePath(dirHost, page.number, QStringLiteral(".JOU"));
        if (page.isDeleted() || !QFileInfo::exists(jou)) {
            continue;
        }
        auto records = RecordFile::readAll(jou, kPageRecordSize);
        if (!records) {
            return -1;
        }
        bool hadBackground = false;
        QByteArray data;
        for (qsizetype i = 0; i < records->size(); ++i) {
            ElementRecord r = decodePageRecord(records->at(i));
            if (i > 0 && r.Ligne == kBackgroundRow) {
                r.Largeur = width;
                r.Hauteur = height;
                hadBackground = true;
                data += encodePageRecord(r);
            } else {
                data += records->at(i);
            }
        }
        if (!hadBackground) {
            continue;
        }
        if (!writeFileAtomically(jou, data) ||
            !copyFileAtomically(
                jou, Storyboard::pageFilePath(dirHost, page.number, QStringLiteral(".ACT")))) {
            return -1;
        }
        ++changed;
    }
    return changed;
}

}  // namespace ztv::editor
