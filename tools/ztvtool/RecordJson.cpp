#include "tools/ztvtool/RecordJson.h"

namespace ztv::tool {

QString jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'"':
                out += QStringLiteral("\\\"");
                break;
            case u'\\':
                out += QStringLiteral("\\\\");
                break;
            case u'\n':
                out += QStringLiteral("\\n");
                break;
            case u'\r':
                out += QStringLiteral("\\r");
                break;
            case u'\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20) {
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
                } else {
                    out += c;
                }
        }
    }
    return out + u'"';
}

static QString number(double v) {
    return QString::number(v, 'g', 17);
}

QString elementJson(qint64 index, const ElementRecord& r, std::optional<std::int32_t> page) {
    QStringList parts{QStringLiteral("\"record\":%1").arg(index)};
    forEachField(r, [&](const FieldLayout& field, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        const QString key = jsonString(QString::fromLatin1(field.name)) + u':';
        if constexpr (std::is_same_v<T, QString>) {
            parts << key + jsonString(value);
        } else if constexpr (std::is_same_v<T, double>) {
            parts << key + number(value);
        } else {
            parts << key + QString::number(value);
        }
        if (page && QLatin1String(field.name) == QLatin1String("size")) {
            parts << QStringLiteral("\"page\":%1").arg(*page);
        }
    });
    return u'{' + parts.join(u',') + u'}';
}

QString pageJson(qint64 index, const PageEntry& e) {
    return QStringLiteral("{\"record\":%1,\"page\":%2,\"title\":%3}")
        .arg(index)
        .arg(e.number)
        .arg(jsonString(e.title));
}

QString keywordJson(qint64 index, const KeywordEntry& e) {
    return QStringLiteral("{\"record\":%1,\"keyword\":%2,\"page\":%3,\"column\":%4}")
        .arg(index)
        .arg(jsonString(e.keyword), jsonString(e.page), jsonString(e.column));
}

}  // namespace ztv::tool
