#pragma once

#include <QString>

namespace ztv::editor {

// A file chooser's filter as the language files write it ("Label|*.a;*.b|Label 2|*.c") in Qt's
// form ("Label (*.a *.b *.A *.B);;Label 2 (*.c *.C)"). Each pattern comes in upper case too, as
// file names here keep their case.
QString qtFileFilter(const QString& windowsFilter);

}  // namespace ztv::editor
