#pragma once

#include "common/formats/PageTable.h"

#include <QList>
#include <QString>
#include <optional>

namespace ztv::editor {

// The pages of the working copy: the page table PAGES.TAE and each page's .ACT and .JOU files.
// The new page dialog, page deletion and the page chooser work through it; no widgets here.
// Operations that fail return the language line of their message (0 on success).
class PageBook {
  public:
    explicit PageBook(QString workingDirHost) : dir_(std::move(workingDirHost)) {}

    QString tablePath() const;
    // Every record from record 1, deleted pages included; a missing table is empty.
    QList<PageEntry> entries() const;
    QList<PageEntry> livePages() const;
    std::optional<PageEntry> livePage(int number) const;
    bool inUse(int number) const;
    // The smallest number no live page uses.
    int lowestFree() const;

    // Drops the deleted pages' records; keeps the order.
    bool compact(QString* error = nullptr);
    // Orders the records by ascending page number.
    bool sort(QString* error = nullptr);

    // Checks the dialog's fields: title, then number (messages 36, 37, 38).
    static int validate(const QString& numberText, const QString& title, int* number);
    // Appends a page and creates its empty .ACT file; message 39 when the number is in use.
    int create(const QString& numberText, const QString& title, int* created);
    // Renumbers and retitles the page `current`; its .ACT and .JOU follow a new number.
    // Messages 62 (not in the table) and 39 (number in use).
    int modify(int current, const QString& numberText, const QString& title, int* renamed);
    // Marks the page deleted and deletes its .ACT and .JOU; message 81 when not in the table.
    int remove(int page);

    static QString entryText(const PageEntry& page);
    // The page number of a list entry: its text up to the first blank.
    static int numberOfEntry(const QString& entry);

  private:
    bool write(const QList<PageEntry>& entries, QString* error);
    QString pageFile(int page, const QString& extension) const;

    QString dir_;
};

}  // namespace ztv::editor
