#include <points/NewPointFlow.h>

namespace points {
namespace {

enum class Step { Choice, Map, Typed, Data, Done, Cancelled };

}  // namespace

bool RunNewPointFlow(NewPointDialogs& dialogs, PointEntry& entry, NewPointStart start) {
    Step step = start == NewPointStart::Map ? Step::Map : Step::Choice;
    // The map step's cancel ends a flow that started there.
    const Step beforeMap = start == NewPointStart::Map ? Step::Cancelled : Step::Choice;
    Step positionStep = Step::Choice;
    for (;;) {
        switch (step) {
            case Step::Choice:
                switch (dialogs.ChooseWay()) {
                    case NewPointDialogs::kChoiceMap:
                        step = Step::Map;
                        break;
                    case NewPointDialogs::kChoiceTyped:
                        step = Step::Typed;
                        break;
                    default:
                        step = Step::Cancelled;
                        break;
                }
                break;
            case Step::Map:
                positionStep = Step::Map;
                step = dialogs.PositionFromMap(entry) ? Step::Data : beforeMap;
                break;
            case Step::Typed:
                positionStep = Step::Typed;
                step = dialogs.TypedPosition(entry) ? Step::Data : Step::Choice;
                break;
            case Step::Data:
                step = dialogs.PointData(entry) ? Step::Done : positionStep;
                break;
            case Step::Done:
                return true;
            case Step::Cancelled:
                return false;
        }
    }
}

}  // namespace points
