#include "editor/document/PageBook.h"

#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/document/Storyboard.h"
#include "editor/document/WorkingCopy.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace ztv::editor {

namespace {

constexpr int kMaxTitle = 200;

}  // namespace

QString PageBook::tablePath() const {
    return workingcopy::pageTablePath(dir_);
}

QList<PageEntry> PageBook::entries() const {
    return pagetable::readAll(tablePath()).value_or(QList<PageEntry>{});
}

QList<PageEntry> PageBook::livePages() const {
    return pagetable::readLive(tablePath());
}

std::optional<PageEntry> PageBook::livePage(int number) const {
    for (const PageEntry& page : livePages()) {
        if (page.number == number) {
            return page;
        }
    }
    return std::nullopt;
}

bool PageBook::inUse(int number) const {
    return livePage(number).has_value();
}

int PageBook::lowestFree() const {
    QList<int> used;
    for (const PageEntry& page : livePages()) {
        used.append(page.number);
    }
    std::sort(used.begin(), used.end());
    int n = 1;
    for (int number : used) {
        if (number == n) {
            ++n;
        }
    }
    return n;
}

bool PageBook::write(const QList<PageEntry>& entries, QString* error) {
    return pagetable::write(tablePath(), entries, error);
}

bool PageBook::compact(QString* error) {
    QList<PageEntry> live = entries();
    live.removeIf([](const PageEntry& page) { return page.isDeleted(); });
    return write(live, error);
}

bool PageBook::sort(QString* error) {
    QList<PageEntry> all = entries();
    std::stable_sort(all.begin(), all.end(),
                     [](const PageEntry& a, const PageEntry& b) { return a.number < b.number; });
    return write(all, error);
}

int PageBook::validate(const QString& numberText, const QString& title, int* number) {
    if (title.isEmpty()) {
        return lang::PageTitleEmpty;
    }
    const QString digits = numberText.trimmed();
    if (digits.isEmpty()) {
        return lang::PageNumberEmpty;
    }
    bool ok = false;
    *number = digits.toInt(&ok);
    if (!ok || *number <= 0) {
        return lang::PageNumberNotPositive;
    }
    return 0;
}

QString PageBook::pageFile(int page, const QString& extension) const {
    return Storyboard::pageFilePath(dir_, page, extension);
}

int PageBook::create(const QString& numberText, const QString& title, int* created) {
    int number = 0;
    if (const int refusal = validate(numberText, title, &number)) {
        return refusal;
    }
    if (inUse(number)) {
        return lang::PageNumberInUse;
    }
    QList<PageEntry> all = entries();
    all.append({number, title.left(kMaxTitle)});
    // A deleted page of the same number may have left files behind: the new page starts empty.
    QFile::remove(pageFile(number, QStringLiteral(".JOU")));
    if (!write(all, nullptr) ||
        !writeFileAtomically(pageFile(number, QStringLiteral(".ACT")), {}) || !sort()) {
        return lang::PageFilesNotWritten;
    }
    *created = number;
    return 0;
}

int PageBook::modify(int current, const QString& numberText, const QString& title, int* renamed) {
    int number = 0;
    if (const int refusal = validate(numberText, title, &number)) {
        return refusal;
    }
    QList<PageEntry> all = entries();
    const auto it = std::find_if(all.begin(), all.end(), [current](const PageEntry& page) {
        return page.number == current && !page.isDeleted();
    });
    if (it == all.end()) {
        return lang::CurrentPageNotInTable;
    }
    if (number != current) {
        if (inUse(number)) {
            return lang::PageNumberInUse;
        }
        for (const QString& extension : {QStringLiteral(".ACT"), QStringLiteral(".JOU")}) {
            const QString from = pageFile(current, extension);
            const QString to = pageFile(number, extension);
            QFile::remove(to);
            if (QFileInfo::exists(from) && !QFile::rename(from, to)) {
                return lang::PageFilesNotWritten;
            }
        }
    }
    *it = {number, title.left(kMaxTitle)};
    if (!write(all, nullptr) || !sort()) {
        return lang::PageFilesNotWritten;
    }
    *renamed = number;
    return 0;
}

int PageBook::remove(int page) {
    QFile::remove(pageFile(page, QStringLiteral(".ACT")));
    QFile::remove(pageFile(page, QStringLiteral(".JOU")));
    QList<PageEntry> all = entries();
    for (PageEntry& entry : all) {
        if (entry.number == page && !entry.isDeleted()) {
            entry.title = QStringLiteral(" ");
            return write(all, nullptr) ? 0 : lang::PageFilesNotWritten;
        }
    }
    return lang::DeletedPageNotInTable;
}

QString PageBook::entryText(const PageEntry& page) {
    return QString::number(page.number) + QStringLiteral("  ") + page.title;
}

int PageBook::numberOfEntry(const QString& entry) {
    return entry.section(QLatin1Char(' '), 0, 0).toInt();
}

}  // namespace ztv::editor
