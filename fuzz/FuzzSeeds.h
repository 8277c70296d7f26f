#pragma once

#include <QByteArray>
#include <QList>
#include <string_view>

// A small seed corpus per fuzz target: valid files made by code.
namespace ztv::fuzz {

QList<QByteArray> seeds(std::string_view target);

}  // namespace ztv::fuzz
