// The library's one export.
#include <cstring>
#include <new>

#include "pdf417_encoder.h"
#include "pdf417enc.h"

extern "C" int32_t GetPDF417(const char* text, char* bitmap, int32_t* bitmapLength, int32_t* moduleColumns) {
    if (text == nullptr || bitmap == nullptr || bitmapLength == nullptr || moduleColumns == nullptr) return 0;
    pdf417enc::EncodeState state;
    pdf417enc::InitialiseAsExport(state, text);
    try {
        pdf417enc::Encode(state);
    } catch (const std::bad_alloc&) {
        return 0;  // no exception may cross into a C caller
    }
    if (state.error) return 0;
    std::memcpy(bitmap, state.bitmap.data(), size_t(state.bitmapLength));
    *bitmapLength = state.bitmapLength;
    *moduleColumns = state.moduleColumns;
    return 1;
}
