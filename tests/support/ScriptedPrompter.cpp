#include "tests/support/ScriptedPrompter.h"

namespace ztv::test {

int ScriptedPrompter::ask(const QString& text, const QString& caption, Buttons buttons) {
    asked_.append({text, caption, buttons});
    if (!answers_.isEmpty()) {
        return answers_.dequeue();
    }
    return buttons == Buttons::Ok ? Ok : Cancel;
}

void ScriptedPrompter::inform(const QString& text, const QString& caption) {
    ask(text, caption, Buttons::Ok);
    asked_.last().information = true;
}

QString ScriptedPrompter::nextPath(const QString& caption, const QString& dirHost,
                                   const QString& filter) {
    asked_.append({caption, caption, Buttons::OkCancel});
    lastDir = dirHost;
    lastFilter = filter;
    return paths_.isEmpty() ? QString() : paths_.dequeue();
}

QString ScriptedPrompter::openFileName(const QString& caption, const QString& dirHost,
                                       const QString& filter) {
    return nextPath(caption, dirHost, filter);
}

QString ScriptedPrompter::saveFileName(const QString& caption, const QString& dirHost,
                                       const QString& filter) {
    return nextPath(caption, dirHost, filter);
}

QString ScriptedPrompter::folderName(const QString& caption, const QString& dirHost) {
    return nextPath(caption, dirHost, {});
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Asked& a : asked_) {
        out << a.text;
    }
    return out;
}

}  // namespace ztv::test
