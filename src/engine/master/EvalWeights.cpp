// The evaluation weights of both board sizes, as corvana-tune fitted them (tools/tune).
#include "MasterEval.h"

namespace master {

namespace {

    const EvalWeights Weights8 = {
#include "EvalWeights8.inc"
    };

    const EvalWeights Weights10 = {
#include "EvalWeights10.inc"
    };

} // namespace

const EvalWeights& WeightsFor(int size) { return size == 8 ? Weights8 : Weights10; }

} // namespace master
