// tests/common/reader_looks.h -- how long a game that only looks into the key queue (a task between
// its steps, a screen that peeks) has been seen looking: the typists close its window after a while of
// its looking, never after a while of a game busy elsewhere, however long a loaded machine keeps it so.
#pragma once
#include <chrono>
#include <thread>

#include "presentation/input.h"

namespace oxatest {
class ReaderLooks {
public:
    // A pause of 2 ms; counts it when the reader looked during it.
    void pause() {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const unsigned now = input_peeks_unanswered();
        if (now != peeks_) looking_++;
        peeks_ = now;
    }
    // Milliseconds of pauses during which the reader looked.
    int looking_ms() const { return looking_ * 2; }

private:
    unsigned peeks_ = input_peeks_unanswered();
    int looking_ = 0;
};
}  // namespace oxatest
