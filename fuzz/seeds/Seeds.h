#pragma once
// The seed corpora of the fuzz targets, one folder per target under a root folder.
#include <string>

namespace fuzzseeds {

void writeSoundkitSeeds(const std::string& root);
void writeWaveSourceSeeds(const std::string& root);
void writeEditDataSeeds(const std::string& root);
void writeInspectSeeds(const std::string& root);
void writeMydbSeeds(const std::string& root);
void writePointSeeds(const std::string& root);
void writeTextaidSeeds(const std::string& root);
void writeTagCharsetSeeds(const std::string& root);

}  // namespace fuzzseeds
