#include "symbol_png.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace pdf417test {
namespace {

constexpr int kQuietZone = 2;
constexpr int kRowHeight = 3;
constexpr const char* kZXingReader = "/usr/bin/ZXingReader";

uint32_t Crc32(const std::string& bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += char(v >> shift & 0xFF);
}

void PutChunk(std::string& png, const char* type, const std::string& data) {
    PutBigEndian(png, uint32_t(data.size()));
    const std::string typed = type + data;
    png += typed;
    PutBigEndian(png, Crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string ZlibStored(const std::string& data) {
    std::string z = "\x78\x01";
    size_t pos = 0;
    do {
        const size_t n = std::min<size_t>(data.size() - pos, 65535);
        z += char(pos + n == data.size() ? 1 : 0);
        z += char(n & 0xFF), z += char(n >> 8);
        z += char(~n & 0xFF), z += char((~n >> 8) & 0xFF);
        z.append(data, pos, n);
        pos += n;
    } while (pos < data.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : data) a = (a + c) % 65521, b = (b + a) % 65521;
    PutBigEndian(z, b << 16 | a);
    return z;
}

bool ModuleIsDark(const char* row, int module) { return (row[module / 8] >> (7 - module % 8) & 1) == 0; }

}  // namespace

bool WriteSymbolPng(const std::string& path, const char* bitmap, int32_t bitmapLength, int32_t moduleColumns) {
    const int bytesPerRow = (moduleColumns + 7) / 8;
    const int rows = bitmapLength / bytesPerRow;
    const int width = moduleColumns + 2 * kQuietZone;
    const int height = rows * kRowHeight + 2 * kQuietZone;
    std::string pixels;  // 8-bit grey, each line led by filter type 0
    for (int y = 0; y < height; ++y) {
        std::string line(size_t(width) + 1, char(0xFF));
        line[0] = 0;
        const int row = (y - kQuietZone) / kRowHeight;
        if (y >= kQuietZone && row < rows)
            for (int m = 0; m < moduleColumns; ++m)
                if (ModuleIsDark(bitmap + row * bytesPerRow, m)) line[size_t(1 + kQuietZone + m)] = 0;
        pixels += line;
    }
    std::string header;
    PutBigEndian(header, uint32_t(width));
    PutBigEndian(header, uint32_t(height));
    header += std::string("\x08\x00\x00\x00\x00", 5);  // 8-bit greyscale, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", ZlibStored(pixels));
    PutChunk(png, "IEND", "");
    std::ofstream out(path, std::ios::binary);
    out.write(png.data(), std::streamsize(png.size()));
    return bool(out.flush());
}

bool ZXingAvailable() { return access(kZXingReader, X_OK) == 0; }

std::optional<std::string> ScanWithZXing(const std::string& pngPath) {
    const std::string command = std::string(kZXingReader) + " -format PDF417 -bytes '" + pngPath + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) bytes.append(buffer, n);
    const int status = pclose(pipe);
    if (status != 0 || bytes.empty()) return std::nullopt;
    return bytes;
}

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pdf417test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

}  // namespace pdf417test
