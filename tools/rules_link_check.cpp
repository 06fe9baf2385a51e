// The rules of the world and the base they stand on, linked whole without the screen or SDL: the
// build of this program fails when a rule calls into the screen. Run, it opens the null screen's
// table and answers 0.
#include "base/ui.h"

int main() {
    ui_use_null_screen();
    return 0;
}
