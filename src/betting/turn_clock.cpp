// The turn clock, which hands the turn from seat to seat every two seconds.
#include "table/tables.h"

namespace kestrin {

// The hidden button's click only switches the clock on; other handlers call it.
void tables::Command4_Click() { roundtimer.setEnabled(true); }

}  // namespace kestrin
