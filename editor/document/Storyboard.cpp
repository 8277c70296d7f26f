#include "editor/document/Storyboard.h"

#include "common/platform/FileIo.h"
#include "editor/document/RecordGeometry.h"
#include "editor/document/StoryboardRows.h"

#include <QDir>
#include <QFileInfo>

namespace ztv::editor {

namespace {

bool isCell(int column, int row) {
    return column >= 1 && column <= kColumnCount && row >= 1 && row <= kRowCount;
}

bool holdsCell(const ElementRecord& r) {
    return r.Ligne != 0 && !r.Fichier.isEmpty();
}

}  // namespace

Storyboard::Storyboard(QString workingDirHost) : dir_(std::move(workingDirHost)) {}

QString Storyboard::pageFilePath(const QString& dirHost, int page, const QString& extension) {
    const QString name = QString::number(page) + extension;
    const QString existing = findEntryNoCase(dirHost, name);
    return QDir(dirHost).filePath(existing.isEmpty() ? name : existing);
}

QString Storyboard::actPath() const {
    return pageFilePath(dir_, page_, QStringLiteral(".ACT"));
}

QString Storyboard::jouPath() const {
    return pageFilePath(dir_, page_, QStringLiteral(".JOU"));
}

bool Storyboard::openPage(int page, QString* error) {
    closePage();
    page_ = page;
    if (!reopenAct(error)) {
        page_ = 0;
        return false;
    }
    fill();
    return true;
}

bool Storyboard::reopenAct(QString* error) {
    if (!act_.open(actPath(), RecordFile::Mode::ReadWrite)) {
        if (error) {
            *error = act_.errorString();
        }
        return false;
    }
    return true;
}

void Storyboard::closePage() {
    act_.close();
    page_ = 0;
}

int Storyboard::cellIndex(int column, int row) {
    return (row - 1) * kColumnCount + (column - 1);
}

void Storyboard::fill() {
    columnUsed_.fill(false);
    for (qint64 i = 1; i < act_.count(); ++i) {
        const auto bytes = act_.read(i);
        if (!bytes) {
            break;
        }
        const ElementRecord r = decodePageRecord(*bytes);
        if (r.Ligne == 0 || !isCell(r.Colonne, r.Ligne)) {
            continue;
        }
        columnUsed_[r.Colonne - 1] = true;
        cells_[cellIndex(r.Colonne, r.Ligne)] = cellTextFor(r.Ligne, r.Fichier);
        if (kindOfRow(r.Ligne) != ElementKind::Sound) {
            defaultRects_[r.Ligne] = recordRect(r);
        }
    }
}

void Storyboard::clearCells() {
    for (QString& c : cells_) {
        c.clear();
    }
    columnUsed_.fill(false);
}

bool Storyboard::hasElements() const {
    return std::any_of(cells_.begin(), cells_.end(), [](const QString& c) { return !c.isEmpty(); });
}

bool Storyboard::isColumnUsed(int column) const {
    return column >= 1 && column <= kColumnCount && columnUsed_[column - 1];
}

QString Storyboard::cellText(int column, int row) const {
    return isCell(column, row) ? cells_[cellIndex(column, row)] : QString();
}

void Storyboard::setCellText(int column, int row, const QString& text) {
    if (isCell(column, row)) {
        cells_[cellIndex(column, row)] = text;
    }
}

int Storyboard::findCellRecord(int column, int row) {
    if (cellText(column, row).isEmpty()) {
        return -1;
    }
    for (qint64 i = 1; i < act_.count(); ++i) {
        const auto bytes = act_.read(i);
        if (!bytes) {
            break;
        }
        const ElementRecord r = decodePageRecord(*bytes);
        if (r.Ligne == row && r.Colonne == column) {
            return int(i);
        }
    }
    return -1;
}

std::optional<ElementRecord> Storyboard::actRecord(int index) {
    const auto bytes = act_.read(index);
    if (!bytes) {
        return std::nullopt;
    }
    return decodePageRecord(*bytes);
}

bool Storyboard::replaceActWith(const QString& fromHost, QString* error) {
    act_.close();
    const bool written = copyFileAtomically(fromHost, actPath(), error);
    return reopenAct(written ? error : nullptr) && written;
}

bool Storyboard::regenerate(QString* error) {
    QList<ElementRecord> kept;
    for (qint64 i = 1; i < act_.count(); ++i) {
        const auto bytes = act_.read(i);
        if (!bytes) {
            break;
        }
        ElementRecord r = decodePageRecord(*bytes);
        if (holdsCell(r)) {
            kept.append(std::move(r));
        }
    }
    QByteArray compacted(kPageRecordSize, '\0');
    for (const ElementRecord& r : kept) {
        compacted += encodePageRecord(r);
    }
    const QString act = actPath();
    act_.close();
    const bool written = writeFileAtomically(act, compacted, error);
    if (!reopenAct(written ? error : nullptr) || !written) {
        return false;
    }

    columnUsed_.fill(false);
    for (const ElementRecord& r : kept) {
        if (isCell(r.Colonne, r.Ligne) && !cellText(r.Colonne, r.Ligne).isEmpty()) {
            columnUsed_[r.Colonne - 1] = true;
        }
    }
    const QByteArray jou = orderedPageFile(kept);
    return writeFileAtomically(jouPath(), jou, error);
}

QByteArray Storyboard::orderedPageFile(const QList<ElementRecord>& records) const {
    QByteArray file(kPageRecordSize, '\0');
    for (int column = 1; column <= kColumnCount; ++column) {
        for (int row = 1; row <= kRowCount; ++row) {
            if (cellText(column, row).isEmpty()) {
                continue;
            }
            const auto found = std::find_if(records.begin(), records.end(), [&](const auto& r) {
                return r.Ligne == row && r.Colonne == column && !r.Fichier.isEmpty();
            });
            if (found != records.end()) {
                file += encodePageRecord(*found);
            }
        }
    }
    return file;
}

bool Storyboard::writeActRecord(qint64 index, const ElementRecord& record, QString* error) {
    // An empty file gets its unused record 0 first.
    const qint64 count = std::max<qint64>(act_.count(), 1);
    if (page_ == 0 || index < 1 || index > count) {
        return false;
    }
    QByteArray file(kPageRecordSize, '\0');
    file.reserve(qsizetype((count + 1) * kPageRecordSize));
    for (qint64 i = 1; i < count; ++i) {
        const auto bytes = i == index ? encodePageRecord(record) : act_.read(i);
        if (!bytes) {
            if (error) {
                *error = act_.errorString();
            }
            return false;
        }
        file += *bytes;
    }
    if (index == count) {
        file += encodePageRecord(record);
    }
    const QString path = actPath();
    act_.close();
    const bool written = writeFileAtomically(path, file, error);
    return reopenAct(written ? error : nullptr) && written;
}

QRect Storyboard::defaultRect(int row) const {
    return row >= 1 && row <= kRowCount ? defaultRects_[row] : QRect();
}

void Storyboard::setDefaultRect(int row, const QRect& rect) {
    if (row >= 1 && row <= kRowCount) {
        defaultRects_[row] = rect;
    }
}

void Storyboard::setCurrentCell(int column, int row) {
    currentColumn_ = column;
    currentRow_ = row;
}

}  // namespace ztv::editor
