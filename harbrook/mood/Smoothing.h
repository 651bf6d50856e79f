#pragma once
// The 3-tap mean used throughout the track analysis.

namespace mood {

// For k = first ... last in increasing order: v[k] = (old v[k-1] + v[k] + v[k+1]) / 3 in integer
// arithmetic, every term taken from before this pass. Entries outside the range keep their
// values; v[first - 1] and v[last + 1] must exist. An empty range does nothing.
template <typename T>
void SmoothOnce(T* v, int first, int last) {
    if (first > last) return;
    T before = v[first - 1];
    for (int k = first; k <= last; ++k) {
        const T current = v[k];
        v[k] = (before + current + v[k + 1]) / 3;
        before = current;
    }
}

template <typename T>
void Smooth(T* v, int first, int last, int passes) {
    for (int p = 0; p < passes; ++p) SmoothOnce(v, first, last);
}

// The same over cells v[first * stride], ..., v[last * stride] of a strided line.
template <typename T>
void SmoothOnceStrided(T* v, int stride, int first, int last) {
    if (first > last) return;
    T before = v[(first - 1) * stride];
    for (int k = first; k <= last; ++k) {
        const T current = v[k * stride];
        v[k * stride] = (before + current + v[(k + 1) * stride]) / 3;
        before = current;
    }
}

}  // namespace mood
