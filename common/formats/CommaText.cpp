#include "common/formats/CommaText.h"

#include <algorithm>

namespace ztv {
namespace {

// Blanks and control characters, but not the end of the text.
bool isBlank(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= 32;
}

class CommaReader {
  public:
    explicit CommaReader(const QString& text) : text_(text) {}

    QStringList items() {
        QStringList list;
        skipBlanks();
        while (!atEnd()) {
            list.append(current() == u'"' ? quoted() : plain());
            skipBlanks();
            if (!atEnd() && current() == u',') {
                ++pos_;
                skipBlanks();
            }
        }
        return list;
    }

  private:
    bool atEnd() const { return pos_ >= text_.size() || text_.at(pos_).unicode() == 0; }
    QChar current() const { return text_.at(pos_); }
    void skipBlanks() {
        while (!atEnd() && isBlank(current())) {
            ++pos_;
        }
    }

    QString plain() {
        const qsizetype start = pos_;
        while (!atEnd() && !isBlank(current()) && current() != u',') {
            ++pos_;
        }
        return text_.mid(start, pos_ - start);
    }

    // From an opening quote to its closing one (or the end of the text); "" stands for ".
    QString quoted() {
        QString item;
        ++pos_;
        while (!atEnd()) {
            const QChar c = current();
            ++pos_;
            if (c != u'"') {
                item.append(c);
            } else if (!atEnd() && current() == u'"') {
                item.append(c);
                ++pos_;
            } else {
                break;
            }
        }
        return item;
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

}  // namespace

QStringList readCommaText(const QString& text) {
    return CommaReader(text).items();
}

QString writeCommaText(const QStringList& items) {
    QStringList written;
    for (const QString& item : items) {
        const bool quoted = item.isEmpty() || std::any_of(item.begin(), item.end(), [](QChar c) {
                                return isBlank(c) || c == u',' || c == u'"';
                            });
        written.append(quoted ? u'"' + QString(item).replace(u'"', QStringLiteral("\"\"")) + u'"'
                              : item);
    }
    return written.join(u',');
}

}  // namespace ztv
