#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace ztv {

// Colour values keep red in the low byte, as records store them. The text form is a colour
// name ("clBlack") or "$" and eight hexadecimal digits (blue, green, red order); reading also
// takes a decimal number.
QString colorToText(std::uint32_t colour);
std::optional<std::uint32_t> colorFromText(const QString& text);
// A stored colour value (red in the low byte; the high byte is ignored) as a QColor.
QColor colourOfValue(std::uint32_t colour);
// The QColor as a stored colour value.
std::uint32_t valueOfColour(const QColor& colour);

}  // namespace ztv
