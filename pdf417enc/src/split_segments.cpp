// Cutting the input into compaction segments.
//
// Each merge pass below treats the list as a stack: a segment is pushed and
// then merged with what lies under it for as long as the pass's rule allows.
// A merge only ever changes the top of the stack, and no merge can make
// another one impossible (lengths only grow, kinds of the merged runs stay
// mergeable), so one left-to-right sweep reaches the same list as re-applying
// the rule from the start after every change, in linear time.
#include "pdf417_encoder.h"

namespace pdf417enc {
namespace {

// Shorter digit runs are cheaper inside text compaction.
constexpr int32_t kMinNumericRun = 13;
// A lone digit string at least this long is cheaper as numeric.
constexpr int32_t kMinNumericWhole = 8;
// Text segments at least this long absorb single bytes and short text.
constexpr int32_t kLongText = 5;

bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

bool IsTextByte(uint8_t c) { return (c >= 32 && c <= 126) || c == '\t' || c == '\n' || c == '\r'; }

// Adds [start, end) of `kind`, extending the last segment when it is a
// contiguous run of the same kind (numeric runs are never extended).
void AppendRun(SegmentList& list, char kind, int32_t start, int32_t end) {
    if (!list.empty() && kind != 'N' && list.back().kind == kind && list.back().end == start) {
        list.back().end = end;
        return;
    }
    list.push_back({kind, start, end});
}

void CutRuns(const uint8_t* text, int32_t length, SegmentList& list) {
    int32_t i = 0;
    while (i < length) {
        int32_t j = i + 1;
        if (IsDigit(text[i])) {
            while (j < length && IsDigit(text[j])) ++j;
            AppendRun(list, j - i >= kMinNumericRun ? 'N' : 'T', i, j);
        } else {
            const bool isText = IsTextByte(text[i]);
            while (j < length && !IsDigit(text[j]) && IsTextByte(text[j]) == isText) ++j;
            AppendRun(list, isText ? 'T' : 'B', i, j);
        }
        i = j;
    }
}

// Runs one merge pass. `mergeTop(list, top)` merges list[top] into the
// segments below it when the rule allows and returns the new top index, or
// returns `top` when nothing merges.
template <typename MergeTop>
void SweepMerging(SegmentList& list, MergeTop mergeTop) {
    size_t top = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        list[top] = list[i];
        for (size_t merged = mergeTop(list, top); merged != top; merged = mergeTop(list, top)) top = merged;
        ++top;
    }
    list.resize(top);
}

bool IsKind(const Segment& s, char kind) { return s.kind == kind; }
bool IsSingleByte(const Segment& s) { return s.kind == 'B' && s.length() == 1; }
bool IsLongText(const Segment& s) { return s.kind == 'T' && s.length() >= kLongText; }
bool IsShortText(const Segment& s) { return s.kind == 'T' && s.length() < kLongText; }

// Pass A: a single byte between text runs of three or more bytes in all is
// cheaper as a byte shift inside text.
size_t MergeSingleByteIntoText(SegmentList& list, size_t top) {
    if (top < 2) return top;
    Segment& before = list[top - 2];
    const Segment& middle = list[top - 1];
    const Segment& after = list[top];
    if (!IsKind(before, 'T') || !IsSingleByte(middle) || !IsKind(after, 'T')) return top;
    if (before.length() + after.length() < 3) return top;
    before.end = after.end;
    return top - 2;
}

// Pass B: long text absorbs neighbouring text and single bytes.
size_t MergeIntoLongText(SegmentList& list, size_t top) {
    if (top < 1) return top;
    Segment& below = list[top - 1];
    const Segment& above = list[top];
    const bool absorbs = (IsLongText(above) && (IsKind(below, 'T') || IsSingleByte(below))) ||
                         (IsLongText(below) && (IsKind(above, 'T') || IsSingleByte(above)));
    if (!absorbs) return top;
    below = {'T', below.start, above.end};
    return top - 1;
}

// Pass C: bytes absorb neighbouring bytes and short text.
size_t MergeIntoBytes(SegmentList& list, size_t top) {
    if (top < 1) return top;
    Segment& below = list[top - 1];
    const Segment& above = list[top];
    const bool absorbs = (IsKind(above, 'B') && (IsKind(below, 'B') || IsShortText(below))) ||
                         (IsKind(below, 'B') && (IsKind(above, 'B') || IsShortText(above)));
    if (!absorbs) return top;
    below = {'B', below.start, above.end};
    return top - 1;
}

bool AllDigits(const uint8_t* text, const Segment& s) {
    for (int32_t i = s.start; i < s.end; ++i)
        if (!IsDigit(text[i])) return false;
    return true;
}

}  // namespace

SegmentList SplitSegments(const uint8_t* text, int32_t length) {
    SegmentList list;
    list.reserve(20);
    CutRuns(text, length, list);
    SweepMerging(list, MergeSingleByteIntoText);
    SweepMerging(list, MergeIntoLongText);
    SweepMerging(list, MergeIntoBytes);
    if (list.size() == 1 && list[0].kind == 'T' && list[0].length() >= kMinNumericWhole && AllDigits(text, list[0]))
        list[0].kind = 'N';
    return list;
}

}  // namespace pdf417enc
