#include <mood/HighlightFinder.h>

#include <mood/MoodTables.h>
#include <mood/Smoothing.h>

#include <cstdlib>
#include <cstring>

namespace mood {

namespace {

constexpr int kMaxScale = 8;
constexpr int kBlocks = 8;
constexpr int kCandidateLimit = 3;
constexpr int kCandidateBelow = 40;
constexpr int kLoudAbove = 55;

// Offsets tried when aligning two chord sequences, cheapest first.
constexpr int kOffsets[8][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {0, 2}, {2, 0}, {1, 2}, {2, 1}};

}  // namespace

int HighlightFinder::Find(const ChordSequence& chords, const SegmentLevels& levels) {
    if (chords.Count() < kMinSegments) return kNotFound;
    BuildRepetitionProfile(chords);
    PickCandidates();
    if (m_candidateCount == 0) return 0;

    Search search;
    search.loud = IsLoud(levels.CombinedValues());
    search.working = search.loud ? levels.CombinedValues() : levels.LateBrightnessValues();
    search.start = search.candidate = m_candidates[0];
    if (search.loud && IsStable(search)) return search.start;
    SearchAround(search);
    WalkBack(search);
    if (search.loud || search.candidate < search.start) SettleStart(search);
    return search.start;
}

int HighlightFinder::AlignmentCost(const ChordSequence& chords, int x0, int y0) const {
    const int limit = chords.Count() + m_scale;
    int x = x0;
    int y = y0;
    int cost = 0;
    int previous = 0;
    for (int k = 0; k < m_scale && x < limit && y < limit; ++k) {
        int best = 12;
        int bestH = 0;
        int bestV = 0;
        for (const auto& offset : kOffsets) {
            const int h = offset[0];
            const int v = offset[1];
            int d = pitchClass(chords.Root(x + h) - chords.Root(y + v));
            if (d >= 6) d = 12 - d;
            if (d < best) {
                best = d;
                bestH = h;
                bestV = v;
            }
            if (d == 0 && chords.Mode(x + h) == chords.Mode(y + v)) break;
        }
        // Skipped chords cost; so does a change of the interval between the two sequences, so
        // a transposed repeat costs nothing.
        cost += 2 * std::abs(bestV - bestH);
        if (k >= 1) cost += 4 * std::abs(best - previous);
        previous = best;
        x += bestH + 1;
        y += bestV + 1;
    }
    return cost;
}

void HighlightFinder::BuildRepetitionProfile(const ChordSequence& chords) {
    m_segments = chords.Count();
    m_even = 2 * (m_segments / 2);
    m_scale = m_segments / 10 < kMaxScale ? m_segments / 10 : kMaxScale;
    m_pairs = m_segments / 2;
    m_rows = static_cast<int>(0.6 * m_pairs);
    if (m_pairs > kMaxPairs) m_pairs = kMaxPairs;
    if (m_rows > kMaxRows) m_rows = kMaxRows;
    FillMatrix(chords);
    FlattenAboveMean();
    const int mean = FlattenAboveMean();
    SmoothLagLines();
    ScoreRows(mean);
    SpreadToSegments();
    NormaliseProfile();
}

void HighlightFinder::FillMatrix(const ChordSequence& chords) {
    std::memset(m_cells, 0, sizeof m_cells);
    m_smallest = 40000;
    m_largest = 0;
    for (int r = 0; r < m_rows; ++r) {
        for (int j = 0; j < m_pairs - r; ++j) {
            const int cost = AlignmentCost(chords, 2 * r, 2 * r + 2 * j);
            m_cells[r][r + j] = cost;
            if (cost < m_smallest) m_smallest = cost;
            if (cost > m_largest) m_largest = cost;
        }
    }
    // Rows from R on are never computed; they would hold the largest cost and take no further
    // part, so they are not stored.
}

int HighlightFinder::FlattenAboveMean() {
    long long sum = 0;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_pairs; ++c) sum += m_cells[r][c];
    const long long cells = static_cast<long long>(m_rows) * m_pairs;
    const int mean = cells > 0 ? static_cast<int>(sum / cells) : 0;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_pairs; ++c)
            if (m_cells[r][c] > mean) m_cells[r][c] = mean;
    return mean;
}

void HighlightFinder::SmoothLagLines() {
    for (int i = 0; i < m_pairs; ++i) {
        const int n = i < m_pairs - m_rows ? m_rows - 1 : m_pairs - 1 - i;
        SmoothOnceStrided(&m_cells[0][i], kMaxPairs + 1, 1, n - 1);
    }
}

void HighlightFinder::ScoreRows(int mean) {
    const int block = m_pairs / kBlocks;
    for (int r = 0; r < m_rows; ++r) {
        int* row = m_cells[r];
        for (int c = 0; c < r; ++c) row[c] = mean;
        if (mean != m_smallest)
            for (int c = 0; c < m_pairs; ++c)
                row[c] = (row[c] - m_smallest) * 100 / (mean - m_smallest);
        int sum = 0;
        for (int k = 0; k < kBlocks; ++k) {
            int value = 100;
            for (int c = k * block; c < (k + 1) * block; ++c)
                if (row[c] < value) value = row[c];
            sum += (k + 1) * value;
        }
        m_rowSum[r] = sum;
    }
}

void HighlightFinder::SpreadToSegments() {
    int largest = 0;
    for (int r = 0; r < m_rows; ++r)
        if (m_rowSum[r] > largest) largest = m_rowSum[r];
    // Only pair positions from R/4 up to P/2 keep their own value: the highlight is sought
    // between about 15 % and 50 % of the chord sequence.
    for (int r = 0; r < m_pairs; ++r)
        if (r < m_rows / 4 || r >= m_pairs / 2) m_rowSum[r] = largest;
    std::memset(m_profile, 0, sizeof m_profile);
    for (int q = 0; q < m_even; ++q) m_profile[q] = m_rowSum[q / 2];
}

void HighlightFinder::NormaliseProfile() {
    Smooth(m_profile, 1, m_even - 2, 3);
    int lowest = m_profile[0];
    int highest = m_profile[0];
    for (int q = 0; q < m_even; ++q) {
        if (m_profile[q] < lowest) lowest = m_profile[q];
        if (m_profile[q] > highest) highest = m_profile[q];
    }
    const int range = highest - lowest > 1 ? highest - lowest : 1;
    for (int q = 0; q < m_even; ++q) m_profile[q] = (m_profile[q] - lowest) * 100 / range;
}

void HighlightFinder::PickCandidates() {
    bool marked[kMaxSegments] = {};
    m_candidateCount = 0;
    for (int round = 0; round < kCandidateLimit; ++round) {
        int pos = -1;
        for (int q = 0; q < m_even; ++q)
            if (!marked[q] && m_profile[q] < kCandidateBelow &&
                (pos < 0 || m_profile[q] < m_profile[pos]))
                pos = q;
        if (pos < 0) break;
        const int low = pos - 2 < 0 ? 0 : pos - 2;
        const int high = pos + 2 > m_even - 1 ? m_even - 1 : pos + 2;
        // Next to an earlier candidate's window it is the same place again.
        if (!marked[low] && !marked[high]) m_candidates[m_candidateCount++] = pos;
        for (int q = low; q <= high; ++q) marked[q] = true;
    }
}

bool HighlightFinder::IsLoud(const int* combined) const {
    const int g1 = m_candidates[0];
    const int reach = m_even / 12;
    for (int p = g1 - reach; p < g1 + reach; ++p)
        if (p >= 0 && p < kMaxSegments && combined[p] > kLoudAbove) return true;
    return false;
}

bool HighlightFinder::IsStable(const Search& search) const {
    const int g1 = m_candidates[0];
    const int w1 = W(search, g1);
    const int reach = m_even / 8;
    for (int p = g1 - reach; p < g1 + reach; ++p) {
        if (p < 0) continue;
        const int w = W(search, p);
        if (w < w1 - 10 || w > w1 + 10 || w <= 60) return false;
    }
    return true;
}

void HighlightFinder::SearchAround(Search& search) const {
    const int s = m_even;
    const int forward = search.loud ? s / 12 : s / 8;
    const int backward = search.loud ? s / 12 : s / 4;
    const int firstHalf = s / 2 - s / 12;
    bool found = false;
    auto consider = [&](int p, int g) {
        if (W(search, p) > search.best) {
            search.best = W(search, p);
            search.start = p;
            search.candidate = g;
            found = true;
        }
    };
    for (int c = 0; c < m_candidateCount; ++c) {
        const int g = m_candidates[c];
        for (int m = 0; m < forward; ++m) {
            const int p = g + m;
            if (p >= m_segments) break;
            if (search.loud && c > 0 && p >= firstHalf) break;
            consider(p, g);
        }
        for (int m = 0; m < backward; ++m) {
            const int p = g - m;
            if (p <= 0) break;
            if (search.loud && p >= firstHalf) continue;
            consider(p, g);
        }
    }
    if (!found) search.start = search.candidate = m_candidates[0];
}

void HighlightFinder::WalkBack(Search& search) const {
    // Move back to a local rise that is nearly as bright, without leaving the bright stretch.
    int remembered = -1;
    for (int i = 0, p = search.start; i < m_even / 10 && p >= 0; ++i, --p) {
        if (p >= 2 && W(search, p) < W(search, p - 1) && W(search, p - 1) >= W(search, p - 2) &&
            W(search, p) > search.best - 10)
            remembered = p;
        if (W(search, p) <= search.best - 15 || (search.candidate >= p && ProfileAt(p) > 50) ||
            W(search, p) < 51)
            break;
    }
    if (remembered >= 0) search.start = remembered;
}

void HighlightFinder::SettleStart(Search& search) const {
    const int s = m_even;
    const int n = s / 12;
    const int g = search.candidate;
    const int v = W(search, search.start);
    int l = 0;
    while (l < n && W(search, search.start + l) >= v - 10) ++l;
    if (l == n) return;  // the section holds its level: the start is final

    int p = search.start + l;
    for (int m = 0; m < n; ++m, --p) {
        const int w = W(search, p);
        const int y = ProfileAt(p);
        bool stop;
        if (m < s / 24)
            stop = l < m && g >= p && y > 70;
        else if (m < s / 16)
            stop = p >= g ? (w <= v - 20 || w < 65) : (w <= v - 10 || y > 70);
        else
            stop = g < p ? (w <= v - 15 || w < 65) : (w < v - 5 || w <= v - 10 || y > 50);
        if (stop || m == n - 1 || p == 0) break;
    }
    search.start = p;
}

}  // namespace mood
