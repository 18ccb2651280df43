#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kestrin::artgen {

// Writes a C++ source that defines kestrin::art::detail::kPngData/kPngSize
// (see resources/art_data.h) holding `pngs` in order. String literals compile
// far faster than brace lists of a million integers.
bool writeEmbeddedSource(const QString& path, const std::vector<QByteArray>& pngs);

}  // namespace kestrin::artgen
