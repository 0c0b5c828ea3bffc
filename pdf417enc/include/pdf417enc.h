#ifndef PDF417ENC_H
#define PDF417ENC_H
/* libpdf417enc: encodes a text as a PDF417 symbol. */
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Encodes the NUL-terminated byte string `text` (Windows-1252, 1 to 5420
 * bytes) and copies the symbol's bitmap into `bitmap`, which must hold the
 * largest bitmap, 2494 bytes. Row r of the symbol is bytes
 * r * bytesPerRow .. r * bytesPerRow + bytesPerRow - 1 with
 * bytesPerRow = (moduleColumns + 7) / 8; module m of a row is bit 7 - m % 8 of
 * byte m / 8; 0 is dark, 1 light, and the bits after the last module are 1.
 * Rows are meant to be drawn 3 modules high; there is no quiet zone.
 *
 * Returns 1 and stores the bitmap size and the modules per row, or returns 0
 * and writes nothing when the text is empty, too long or does not fit in a
 * symbol. Safe to call from several threads at once. */
__attribute__((visibility("default"))) int32_t GetPDF417(const char* text, char* bitmap, int32_t* bitmapLength,
                                                         int32_t* moduleColumns);

#ifdef __cplusplus
}
#endif

#endif
