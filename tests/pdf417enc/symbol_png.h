#pragma once
// Pictures of PDF417 bitmaps for a barcode reader, and the reader itself.
#include <cstdint>
#include <optional>
#include <string>

namespace pdf417test {

// A GetPDF417 bitmap as a PNG: modules 1 pixel wide, rows 3 pixels high,
// framed by a white quiet zone of 2 modules. Returns false when the file
// cannot be written.
bool WriteSymbolPng(const std::string& path, const char* bitmap, int32_t bitmapLength, int32_t moduleColumns);

// The bytes that ZXingReader reads from the picture, or nothing when it finds
// no PDF417 symbol.
std::optional<std::string> ScanWithZXing(const std::string& pngPath);

bool ZXingAvailable();

// A fresh private folder for one test's files, removed by the destructor.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace pdf417test
