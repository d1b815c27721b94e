// The GDI handle headroom: how many more GDI objects the process could still create.
#pragma once

namespace qtest {

// Creates tiny regions until creation fails, counts them and deletes them again. Measured
// before and after a stress loop, the difference is the number of GDI handles leaked (the
// usage counters of the system are not available under Wine).
int MeasureGdiHeadroom();

}  // namespace qtest
