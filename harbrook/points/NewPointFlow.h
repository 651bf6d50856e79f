#pragma once
// Registering a new point: the choice of how to give its position, the position from the map or
// typed in, then the point's data. Cancelling the data goes back to the position dialog that gave
// the position; cancelling a position dialog goes back to the choice (or ends, when the flow began
// with the map).
#include <points/PointEntry.h>

namespace points {

// The dialogs of the flow. Each works on the caller's entry and reports whether the user went on.
class NewPointDialogs {
public:
    // Results of the choice.
    static constexpr int kChoiceMap = 1037;
    static constexpr int kChoiceTyped = 1038;
    static constexpr int kChoiceCancel = 2;

    virtual ~NewPointDialogs() = default;
    virtual int ChooseWay() = 0;
    // OK: the entry holds the position the map delivered.
    virtual bool PositionFromMap(PointEntry& entry) = 0;
    // OK: the entry holds the typed position.
    virtual bool TypedPosition(PointEntry& entry) = 0;
    // OK: the entry holds the point's data.
    virtual bool PointData(PointEntry& entry) = 0;
};

enum class NewPointStart {
    Choice,  // new registration, properties without a selection
    Map,     // import from the map without a selection
};

// Runs the flow on `entry` (an empty entry of a free slot). True when the point is complete and
// should be stored.
bool RunNewPointFlow(NewPointDialogs& dialogs, PointEntry& entry, NewPointStart start);

}  // namespace points
